#ifndef ZUM_WIZARD_TIMELINE_VIEW_H_
#define ZUM_WIZARD_TIMELINE_VIEW_H_

#include <vector>

#include <QElapsedTimer>
#include <QWidget>

#include "preview/interpreter.h"
#include "preview/program.h"
#include "preview/run_series.h"

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QResizeEvent;
class QTimer;

namespace zum {

// A preview run drawn over time with QPainter: the trigger state as a band
// coloured by state and named in words (with the six states' legend), the
// animation shown as a band, part 1's frame as a line, one small plot per
// animated part (x, y and z of its translation, the angle of its rotation)
// and the time axis. Each row's title says "model".
//
// The time cursor, a vertical line, follows the mouse, moves one pass with
// Left and Right (Home and End go to the ends) and plays in real time, 18
// passes a second, with Space or Play(). While it plays the mouse does not
// move it.
class TimelineView : public QWidget {
  Q_OBJECT

 public:
  explicit TimelineView(QWidget* parent = nullptr);

  // Draws RUN, a run of PROGRAM with poses, and SERIES, its series; the
  // three must stay alive and unchanged until the next call. The cursor
  // keeps its pass where the new run has it, else goes to the last pass.
  void ShowRun(const PreviewProgram* program, const PreviewRun* run,
               const RunSeries* series);

  int CursorPass() const { return cursor_; }
  // Moves the cursor to PASS (clamped to the run) and emits CursorMoved
  // when it moved.
  void SetCursorPass(int pass);

  bool IsPlaying() const;
  // Plays from the cursor, or from the start when the cursor is at the end.
  void Play();
  void Pause();

  QSize sizeHint() const override;

  // Used by tests only: where the trigger state's band and the animation
  // band are drawn now (empty when not drawn).
  QRectF TEST_StateBand() const;
  QRectF TEST_AnimationBand() const;

 signals:
  void CursorMoved(int pass);
  void PlayingChanged(bool playing);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The legend's lines, and so the rows' height, follow the width.
  void resizeEvent(QResizeEvent* event) override;

 private:
  int PassCount() const;
  void FitHeightToRows();
  int PassAtX(double x) const;
  // Moves the cursor to where the play started plus the time since then.
  void PlayStep();
  void PaintParts(QPainter* painter, const std::vector<QRectF>& rows);

  const PreviewProgram* program_ = nullptr;
  const PreviewRun* run_ = nullptr;
  const RunSeries* series_ = nullptr;
  std::vector<float> frames_;  // part 1's frame per pass, NaN for none
  int cursor_ = 0;
  QTimer* play_timer_ = nullptr;
  QElapsedTimer play_clock_;
  int play_from_ = 0;
};

}  // namespace zum

#endif  // ZUM_WIZARD_TIMELINE_VIEW_H_
