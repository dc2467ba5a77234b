#include "wizard/timeline_painting.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "preview/model_names.h"
#include "preview/scenario.h"

namespace zum {
namespace {

// The y of VALUE in RECT between LOW (bottom) and HIGH (top).
double YOfValue(const QRectF& rect, double value, double low, double high) {
  if (high <= low) {
    return rect.center().y();
  }
  return rect.bottom() - (value - low) / (high - low) * rect.height();
}

void FlushLine(QPainter* painter, QPolygonF* line) {
  if (line->size() == 1) {
    painter->drawPoint(line->front());
  } else if (line->size() > 1) {
    painter->drawPolyline(*line);
  }
  line->clear();
}

}  // namespace

QColor StateColor(int state) {
  static const QColor kColors[] = {
      QColor(0xd0, 0xd0, 0xd0),  // at rest at the start
      QColor(0xff, 0xe0, 0x8a),  // waiting for frame 0..3
      QColor(0x9c, 0xd0, 0x7e),  // opening
      QColor(0x8e, 0xbc, 0xe6),  // at rest at the end
      QColor(0xf4, 0xb0, 0x7c),  // waiting to close
      QColor(0xc8, 0xa2, 0xde),  // closing
  };
  return state >= 0 && state < 6 ? kColors[state] : QColor(Qt::white);
}

QColor AnimationColor(int animation) {
  if (animation <= 0) {
    return QColor(0xe4, 0xe4, 0xe4);
  }
  // Hues far apart for neighbouring animations, pale enough for black text.
  return QColor(QColor::fromHsv((animation * 137) % 360, 70, 240).rgb());
}

double XOfPass(const QRectF& rect, double pass, int passes) {
  if (passes <= 1) {
    return rect.left();
  }
  return rect.left() + rect.width() * pass / (passes - 1);
}

void PaintBand(QPainter* painter, const QRectF& rect,
               const std::vector<RunSpan>& spans, int passes,
               const std::function<QColor(int)>& color_of,
               const std::function<QString(int)>& words_of) {
  const QFontMetricsF metrics(painter->font());
  for (const RunSpan& span : spans) {
    // A span reaches to the next span's first pass, the last one to the end.
    const double left = XOfPass(rect, span.first, passes);
    const double right =
        span.end >= passes ? rect.right() : XOfPass(rect, span.end, passes);
    const QRectF box(left, rect.top(), std::max(1.0, right - left),
                     rect.height());
    painter->fillRect(box, color_of(span.value));
    const QString words = words_of(span.value);
    const double room = box.width() - 6;
    if (room < metrics.horizontalAdvance(QStringLiteral("ab..."))) {
      continue;
    }
    painter->setPen(Qt::black);
    painter->drawText(box.adjusted(3, 0, -3, 0),
                      Qt::AlignVCenter | Qt::AlignLeft,
                      metrics.elidedText(words, Qt::ElideRight, room));
  }
  painter->setPen(QColor(0x80, 0x80, 0x80));
  painter->drawRect(rect);
}

void PaintSeries(QPainter* painter, const QRectF& rect,
                 const std::vector<float>& values, double low, double high,
                 const QPen& pen) {
  const int passes = static_cast<int>(values.size());
  painter->save();
  painter->setClipRect(rect.adjusted(-1, -2, 1, 2));
  painter->setPen(pen);
  QPolygonF line;
  const int columns = std::max(1, static_cast<int>(rect.width()));
  if (passes <= 2 * columns) {
    for (int p = 0; p < passes; ++p) {
      if (std::isnan(values[p])) {
        FlushLine(painter, &line);
        continue;
      }
      line << QPointF(XOfPass(rect, p, passes),
                      YOfValue(rect, values[p], low, high));
    }
  } else {
    for (int column = 0; column < columns; ++column) {
      const int first =
          static_cast<int>(static_cast<long long>(column) * passes / columns);
      const int end = static_cast<int>(static_cast<long long>(column + 1) *
                                       passes / columns);
      float least = NAN, most = NAN;
      for (int p = first; p < end; ++p) {
        if (!std::isnan(values[p])) {
          least = std::isnan(least) ? values[p] : std::min(least, values[p]);
          most = std::isnan(most) ? values[p] : std::max(most, values[p]);
        }
      }
      if (std::isnan(least)) {
        FlushLine(painter, &line);
        continue;
      }
      const double x = rect.left() + column + 0.5;
      line << QPointF(x, YOfValue(rect, least, low, high))
           << QPointF(x, YOfValue(rect, most, low, high));
    }
  }
  FlushLine(painter, &line);
  painter->restore();
}

double PaintStateLegend(QPainter* painter, const QRectF& rect,
                        const QFontMetricsF& metrics) {
  const double line_height = metrics.height() + 2;
  const double swatch = metrics.ascent() - 2;
  double x = rect.left();
  double y = rect.top();
  for (int state = 0; state < kTriggerStateCount; ++state) {
    const QString words = QString::fromUtf8(TriggerStateWords(state).data());
    const double width = swatch + 4 + metrics.horizontalAdvance(words);
    if (x > rect.left() && x + width > rect.right()) {
      x = rect.left();
      y += line_height;
    }
    if (painter != nullptr) {
      const QRectF box(x, y + (line_height - swatch) / 2, swatch, swatch);
      painter->fillRect(box, StateColor(state));
      painter->setPen(QColor(0x80, 0x80, 0x80));
      painter->drawRect(box);
      painter->setPen(Qt::black);
      painter->drawText(QPointF(x + swatch + 4, y + metrics.ascent() + 1),
                        words);
    }
    x += width + 16;
  }
  return y + line_height - rect.top();
}

void PaintTimeAxis(QPainter* painter, const QRectF& rect, int passes) {
  const double seconds = std::max(1, passes - 1) / kTicksPerSecond;
  const QFontMetricsF metrics(painter->font());
  // The smallest step whose labels stay apart.
  static const double kSteps[] = {0.5, 1, 2, 5, 10, 20, 30, 60, 120, 300, 600};
  double step = kSteps[std::size(kSteps) - 1];
  for (double candidate : kSteps) {
    if (rect.width() * candidate / seconds >=
        metrics.horizontalAdvance(QStringLiteral("0000 s")) + 12) {
      step = candidate;
      break;
    }
  }
  painter->setPen(QColor(0x50, 0x50, 0x50));
  painter->drawLine(rect.topLeft(), rect.topRight());
  for (double t = 0; t <= seconds + 1e-9; t += step) {
    const double x = rect.left() + rect.width() * t / seconds;
    painter->drawLine(QPointF(x, rect.top()), QPointF(x, rect.top() + 4));
    const QString label = QString::number(t) + QStringLiteral(" s");
    const double width = metrics.horizontalAdvance(label);
    const double left =
        std::clamp(x - width / 2, rect.left() - 20, rect.right() - width);
    painter->drawText(QPointF(left, rect.top() + 5 + metrics.ascent()), label);
  }
}

void PaintRowTitle(QPainter* painter, const QRectF& rect, const QString& title,
                   const std::vector<TitleLine>& lines) {
  painter->save();
  QFont font = painter->font();
  font.setBold(true);
  painter->setFont(font);
  painter->setPen(Qt::black);
  double y = rect.top() + QFontMetricsF(font).ascent();
  painter->drawText(QPointF(rect.left(), y), title);
  y += QFontMetricsF(font).descent();
  font.setBold(false);
  font.setPointSizeF(font.pointSizeF() * 0.85);
  std::vector<TitleLine> all = lines;
  all.push_back({QCoreApplication::translate("zum::TimelineView", "model"),
                 QColor(0x70, 0x70, 0x70)});
  for (size_t i = 0; i < all.size(); ++i) {
    font.setItalic(i + 1 == all.size());
    painter->setFont(font);
    const QFontMetricsF metrics(font);
    y += metrics.ascent() + 1;
    painter->setPen(all[i].color);
    painter->drawText(
        QPointF(rect.left(), y),
        metrics.elidedText(all[i].text, Qt::ElideRight, rect.width() - 4));
    y += metrics.descent();
  }
  painter->restore();
}

}  // namespace zum
