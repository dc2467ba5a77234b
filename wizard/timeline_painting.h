#ifndef ZUM_WIZARD_TIMELINE_PAINTING_H_
#define ZUM_WIZARD_TIMELINE_PAINTING_H_

#include <functional>
#include <vector>

#include <QColor>
#include <QPen>
#include <QRectF>
#include <QString>

#include "preview/run_series.h"

class QFontMetricsF;
class QPainter;

// The pieces of the preview's timeline, drawn with QPainter: bands of
// spans, line plots, the states' legend, the time axis. Pass p of a run of
// N passes lies at x = left + width * p / (N - 1) of its rectangle.
namespace zum {

// The colour of a trigger state (0..5) and of an animation shown (0: the
// first copy's matrix, no condition holding).
QColor StateColor(int state);
QColor AnimationColor(int animation);

// The x of PASS (may be fractional) in RECT for a run of PASSES passes.
double XOfPass(const QRectF& rect, double pass, int passes);

// Draws SPANS over RECT, each filled with COLOR_OF(value) and named by
// WORDS_OF(value) where the words fit (cut with "..." where only some do).
void PaintBand(QPainter* painter, const QRectF& rect,
               const std::vector<RunSpan>& spans, int passes,
               const std::function<QColor(int)>& color_of,
               const std::function<QString(int)>& words_of);

// Draws VALUES (one per pass) as a line in RECT, LOW at its bottom and HIGH
// at its top; a NaN leaves a gap. When there are more passes than twice the
// pixels, each pixel column shows its lowest and highest value.
void PaintSeries(QPainter* painter, const QRectF& rect,
                 const std::vector<float>& values, double low, double high,
                 const QPen& pen);

// The six trigger states as swatches with their words, laid out from the
// top left of RECT in lines as wide as RECT. Returns the height used; with
// PAINTER null only measures.
double PaintStateLegend(QPainter* painter, const QRectF& rect,
                        const QFontMetricsF& metrics);

// Ticks and seconds under RECT's top edge for a run of PASSES passes.
void PaintTimeAxis(QPainter* painter, const QRectF& rect, int passes);

// One line under a row's title: its text and colour.
struct TitleLine {
  QString text;
  QColor color;
};

// A row's title in RECT (the title column beside the row): TITLE, then
// LINES in a smaller font (what the row's colours mean, its range), then
// "model" in italics: every figure is the preview's model of the simulator.
void PaintRowTitle(QPainter* painter, const QRectF& rect, const QString& title,
                   const std::vector<TitleLine>& lines);

}  // namespace zum

#endif  // ZUM_WIZARD_TIMELINE_PAINTING_H_
