#include "wizard/timeline_view.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

#include "preview/model_names.h"
#include "preview/scenario.h"
#include "wizard/timeline_painting.h"

namespace zum {
namespace {

constexpr double kTop = 22;          // room for the cursor's time
constexpr double kTitleWidth = 150;  // the rows' titles, left of the rows
constexpr double kRight = 16;
constexpr double kBand = 30;
constexpr double kPlot = 68;
constexpr double kGap = 10;
constexpr double kAxis = 28;

const QColor kX(0xd0, 0x30, 0x30);
const QColor kY(0x20, 0x90, 0x30);
const QColor kZ(0x30, 0x50, 0xd0);
const QColor kAngle(0x90, 0x30, 0xa0);

// Where the rows go in a view WIDTH wide.
struct Rows {
  QRectF states, legend, animations, frames;
  std::vector<QRectF> parts;
  QRectF axis;
  double height = 0;
};

Rows LayOut(const RunSeries& series, double width,
            const QFontMetricsF& metrics) {
  Rows rows;
  const double left = kTitleWidth, right = std::max(left + 50, width - kRight);
  double y = kTop;
  auto next = [&](double height) {
    const QRectF row(left, y, right - left, height);
    y += height + kGap;
    return row;
  };
  if (!series.states.empty()) {
    rows.states = next(kBand);
    y -= kGap - 4;
    const QRectF room(left, y, right - left, 0);
    rows.legend = next(PaintStateLegend(nullptr, room, metrics));
  }
  if (!series.animations.empty()) {
    rows.animations = next(kBand);
  }
  rows.frames = next(kPlot);
  for (size_t i = 0; i < series.parts.size(); ++i) {
    rows.parts.push_back(next(kPlot));
  }
  rows.axis = QRectF(left, y - kGap + 2, right - left, kAxis);
  rows.height = rows.axis.bottom();
  return rows;
}

QRectF TitleRect(const QRectF& row) {
  return QRectF(6, row.top(), kTitleWidth - 14, std::max(row.height(), 44.0));
}

QString Number(double value) {
  return QString::number(value, 'g', 4);
}

void PaintPlotFrame(QPainter* painter, const QRectF& rect) {
  painter->fillRect(rect, QColor(0xfb, 0xfb, 0xfb));
  painter->setPen(QColor(0xb0, 0xb0, 0xb0));
  painter->drawRect(rect);
}

// The colours' key at the top left inside a part's plot.
void PaintKey(QPainter* painter, const QRectF& rect, bool moves, bool turns) {
  QFont font = painter->font();
  font.setPointSizeF(font.pointSizeF() * 0.85);
  painter->save();
  painter->setFont(font);
  const QFontMetricsF metrics(font);
  double x = rect.left() + 4;
  std::vector<std::pair<QString, QColor>> keys;
  if (moves) {
    keys = {{QStringLiteral("x"), kX},
            {QStringLiteral("y"), kY},
            {QStringLiteral("z"), kZ}};
  }
  if (turns) {
    keys.emplace_back(QObject::tr("angle"), kAngle);
  }
  for (const auto& [text, color] : keys) {
    painter->setPen(color);
    painter->drawText(QPointF(x, rect.top() + metrics.ascent() + 2), text);
    x += metrics.horizontalAdvance(text) + 8;
  }
  painter->restore();
}

}  // namespace

TimelineView::TimelineView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  play_timer_ = new QTimer(this);
  play_timer_->setInterval(20);
  connect(play_timer_, &QTimer::timeout, this, &TimelineView::PlayStep);
}

void TimelineView::ShowRun(const PreviewProgram* program, const PreviewRun* run,
                           const RunSeries* series) {
  program_ = program;
  run_ = run;
  series_ = series;
  frames_.clear();
  for (const PassValues& pass : run_->passes) {
    frames_.push_back(pass.frame >= 0 ? static_cast<float>(pass.frame) : NAN);
  }
  FitHeightToRows();
  if (cursor_ >= PassCount()) {
    SetCursorPass(PassCount() - 1);
  }
  update();
}

void TimelineView::FitHeightToRows() {
  if (series_ == nullptr) {
    return;
  }
  const int height = static_cast<int>(
      std::ceil(LayOut(*series_, width(), QFontMetricsF(font())).height + 4));
  if (height != minimumHeight()) {
    setMinimumHeight(height);
    updateGeometry();
  }
}

void TimelineView::resizeEvent(QResizeEvent* event) {
  FitHeightToRows();
  QWidget::resizeEvent(event);
}

int TimelineView::PassCount() const {
  return run_ == nullptr ? 0 : run_->PassCount();
}

void TimelineView::SetCursorPass(int pass) {
  pass = std::clamp(pass, 0, std::max(0, PassCount() - 1));
  if (pass == cursor_) {
    return;
  }
  cursor_ = pass;
  update();
  emit CursorMoved(cursor_);
}

bool TimelineView::IsPlaying() const {
  return play_timer_->isActive();
}

void TimelineView::Play() {
  if (IsPlaying() || PassCount() < 2) {
    return;
  }
  if (cursor_ >= PassCount() - 1) {
    SetCursorPass(0);
  }
  play_from_ = cursor_;
  play_clock_.start();
  play_timer_->start();
  emit PlayingChanged(true);
}

void TimelineView::Pause() {
  if (!IsPlaying()) {
    return;
  }
  play_timer_->stop();
  emit PlayingChanged(false);
}

void TimelineView::PlayStep() {
  const int pass = play_from_ + static_cast<int>(play_clock_.elapsed() *
                                                 kTicksPerSecond / 1000);
  SetCursorPass(pass);
  if (pass >= PassCount() - 1) {
    Pause();
  }
}

QSize TimelineView::sizeHint() const {
  return QSize(720, minimumHeight());
}

QRectF TimelineView::TEST_StateBand() const {
  return series_ == nullptr
             ? QRectF()
             : LayOut(*series_, width(), QFontMetricsF(font())).states;
}

QRectF TimelineView::TEST_AnimationBand() const {
  return series_ == nullptr
             ? QRectF()
             : LayOut(*series_, width(), QFontMetricsF(font())).animations;
}

int TimelineView::PassAtX(double x) const {
  const double left = kTitleWidth;
  const double right = std::max(left + 50, width() - kRight);
  const double share = std::clamp((x - left) / (right - left), 0.0, 1.0);
  return static_cast<int>(std::lround(share * (PassCount() - 1)));
}

void TimelineView::mouseMoveEvent(QMouseEvent* event) {
  if (!IsPlaying() && event->position().x() >= kTitleWidth) {
    SetCursorPass(PassAtX(event->position().x()));
  }
  QWidget::mouseMoveEvent(event);
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (IsPlaying()) {
    Pause();
  }
  SetCursorPass(PassAtX(event->position().x()));
}

void TimelineView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
      Pause();
      SetCursorPass(event->key() == Qt::Key_Left    ? cursor_ - 1
                    : event->key() == Qt::Key_Right ? cursor_ + 1
                    : event->key() == Qt::Key_Home  ? 0
                                                    : PassCount() - 1);
      return;
    case Qt::Key_Space:
      if (IsPlaying()) {
        Pause();
      } else {
        Play();
      }
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TimelineView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (run_ == nullptr || PassCount() == 0) {
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetricsF metrics(font());
  const Rows rows = LayOut(*series_, width(), metrics);
  const int passes = PassCount();
  if (!series_->states.empty()) {
    PaintRowTitle(&painter, TitleRect(rows.states), tr("Trigger state"), {});
    PaintBand(&painter, rows.states, series_->states, passes, StateColor,
              [](int state) {
                return QString::fromUtf8(TriggerStateWords(state).data());
              });
    PaintStateLegend(&painter, rows.legend, metrics);
  }
  if (!series_->animations.empty()) {
    PaintRowTitle(&painter, TitleRect(rows.animations), tr("Animation shown"),
                  {});
    PaintBand(&painter, rows.animations, series_->animations, passes,
              AnimationColor, [](int animation) {
                return animation > 0
                           ? tr("animation %1").arg(animation)
                           : tr("the first copy's matrix (no condition holds)");
              });
  }
  PaintPlotFrame(&painter, rows.frames);
  const double frame_high = std::max(1, series_->frame_high);
  if (program_->has_trigger) {
    // The windows in which the runs start and end, named at the right.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    painter.setFont(small);
    for (auto [lo, hi] :
         {std::pair{program_->start_window_lo, program_->start_window_hi},
          std::pair{program_->end_window_lo, program_->end_window_hi}}) {
      const double top =
          rows.frames.bottom() -
          std::min<double>(hi, frame_high) / frame_high * rows.frames.height();
      const double bottom = rows.frames.bottom() -
                            std::max(0, lo) / frame_high * rows.frames.height();
      const QRectF window(rows.frames.left(), top, rows.frames.width(),
                          std::max(2.0, bottom - top));
      painter.fillRect(window, QColor(0xff, 0xc8, 0x40, 0xa0));
      painter.setPen(QColor(0x60, 0x60, 0x60));
      painter.drawText(
          window.adjusted(0, -14, -4, 14),
          Qt::AlignRight | (lo <= 0 ? Qt::AlignTop : Qt::AlignBottom),
          tr("frames %1..%2").arg(lo).arg(hi));
    }
    painter.setFont(font());
  }
  PaintSeries(&painter, rows.frames, frames_, 0, frame_high,
              QPen(Qt::black, 1.5));
  PaintRowTitle(&painter, TitleRect(rows.frames), tr("Frame of part 1"),
                {{tr("0 to %1").arg(series_->frame_high), Qt::black}});
  PaintParts(&painter, rows.parts);
  PaintTimeAxis(&painter, rows.axis, passes);

  // The cursor and its time.
  const double x = XOfPass(rows.axis, cursor_, passes);
  painter.setPen(QPen(QColor(0xb0, 0x10, 0x10), 1.5));
  painter.drawLine(QPointF(x, kTop - 4), QPointF(x, rows.axis.top()));
  const QString time =
      QString::number(PreviewRun::Time(cursor_), 'f', 2) + QStringLiteral(" s");
  const double width = metrics.horizontalAdvance(time);
  painter.drawText(
      QPointF(std::clamp(x - width / 2, 0.0, this->width() - width - 2),
              kTop - 8),
      time);
}

void TimelineView::PaintParts(QPainter* painter,
                              const std::vector<QRectF>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const PartSeries& part = series_->parts[i];
    const QRectF& rect = rows[i];
    PaintPlotFrame(painter, rect);
    std::vector<TitleLine> lines;
    const bool moves = part.translation_block >= 0;
    const bool turns = part.rotation_block >= 0;
    if (moves) {
      // A part that does not move gets a range of 1 m around its place.
      const double pad = part.high > part.low ? 0 : 1;
      for (auto [values, color] :
           {std::pair{&part.x, kX}, std::pair{&part.y, kY},
            std::pair{&part.z, kZ}}) {
        PaintSeries(painter, rect.adjusted(0, 4, 0, -4), *values,
                    part.low - pad, part.high + pad, QPen(color, 1.5));
      }
      lines.push_back(
          {tr("%1 to %2 m").arg(Number(part.low), Number(part.high)),
           Qt::black});
    }
    if (turns) {
      // Dashed: the angle has a scale of its own.
      PaintSeries(painter, rect.adjusted(0, 4, 0, -4), part.angle, 0,
                  std::max(1.0f, part.angle_high),
                  QPen(kAngle, 1.5, Qt::DashLine));
      lines.push_back(
          {tr("angle 0 to %1 degrees").arg(Number(part.angle_high)), kAngle});
    }
    PaintKey(painter, rect, moves, turns);
    QString name = QString::fromStdString(part.name);
    name[0] = name[0].toUpper();
    PaintRowTitle(painter, TitleRect(rect), name, lines);
  }
}

}  // namespace zum
