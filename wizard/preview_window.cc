#include "wizard/preview_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include "preview/default_scenario.h"
#include "preview/findings.h"
#include "preview/timeline.h"
#include "wizard/dialogs.h"
#include "wizard/named_controls.h"
#include "wizard/scenario_editor.h"
#include "wizard/text_bytes.h"
#include "wizard/timeline_view.h"

namespace zum {
namespace {

// The model of the simulator that every figure of the window follows, as
// preview/interpreter.h states it.
QString ModelText() {
  return QObject::tr(
      "The model of the simulator, which every figure here follows (none is "
      "a measurement): one pass per tick of the 18 Hz counter BGL_TICK18, the "
      "animation commands first, then the drawing code; local words start at "
      "0 when the model loads; IFIN1 falls through when the value, as a "
      "16-bit signed number, lies in lo..hi, IFMSK when value AND mask is "
      "not 0, IFINBOXP when the viewer is inside the box; the _mod_ tables "
      "wrap their input modulo their last key, other interpolation tables "
      "interpolate linearly and hold their end values; keyframe tables "
      "interpolate linearly (translation) and spherically (rotation) and "
      "hold their end rows. Where the simulator's exact arithmetic is not "
      "known the model picks a rule: an interpolated word is truncated "
      "toward zero.");
}

QString FindingsText(const PreviewProgram& program, const Scenario& scenario,
                     const PreviewRun& run, const VariableTable* names) {
  std::string text = "Findings (the preview's model of the simulator):\n";
  for (const std::string& finding :
       PreviewFindings(program, scenario, run, names)) {
    text += "- " + finding + "\n";
  }
  const std::vector<TimelineEvent> events = RunTimeline(program, run);
  if (!events.empty()) {
    text += "\nTimeline (model):\n";
  }
  for (const TimelineEvent& event : events) {
    text += TimelineLine(event) + "\n";
  }
  return FromBytes(text).trimmed();
}

QString Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += (text.empty() ? "" : "\n") + line;
  }
  return FromBytes(text);
}

}  // namespace

PreviewWindow::PreviewWindow(Dialogs* dialogs, const VariableTable* variables,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), variables_(variables) {
  setObjectName(QStringLiteral("PreviewWindow"));
  lbl_output = NewLabel(QString(), "lbl_output");
  lbl_output->setWordWrap(true);

  scenario_editor_ = new ScenarioEditor(dialogs_, variables_);
  auto* scenario_label =
      NewLabel(tr("Scenario, one change a row:"), "lbl_scenario");
  auto* left = new QWidget;
  auto* left_layout = new QVBoxLayout(left);
  left_layout->setContentsMargins(0, 0, 0, 0);
  left_layout->addWidget(scenario_label);
  left_layout->addWidget(scenario_editor_, 1);

  pic_timeline = Named(new TimelineView, "pic_timeline");
  auto* scroll = new QScrollArea;
  scroll->setWidget(pic_timeline);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::StyledPanel);
  cmd_play = Named(new QPushButton(tr("&Play")), "cmd_play");
  cmd_play->setToolTip(tr("Moves the cursor in real time (Space)"));
  auto* keys = NewLabel(
      tr("The cursor follows the mouse; Left and Right move it one pass "
         "(1/18 s), Space plays."),
      "lbl_timeline_keys");
  auto* right = new QWidget;
  auto* right_layout = new QVBoxLayout(right);
  right_layout->setContentsMargins(0, 0, 0, 0);
  right_layout->addWidget(scroll, 1);
  auto* play_row = new QHBoxLayout;
  play_row->addWidget(cmd_play);
  play_row->addWidget(keys, 1);
  right_layout->addLayout(play_row);

  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(left);
  splitter->addWidget(right);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({360, 740});

  txt_findings = Named(new QPlainTextEdit, "txt_findings");
  txt_findings->setReadOnly(true);
  lbl_scenario_error = NewLabel(QString(), "lbl_scenario_error");
  lbl_scenario_error->setWordWrap(true);
  lbl_scenario_error->setStyleSheet(QStringLiteral("color: #b00000"));
  lbl_scenario_error->setVisible(false);
  lbl_values = NewLabel(QString(), "lbl_values");
  lbl_values->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbl_values->setWordWrap(true);
  lbl_values->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lbl_values->setMinimumWidth(380);
  auto* values_frame = new QScrollArea;
  values_frame->setWidget(lbl_values);
  values_frame->setWidgetResizable(true);
  auto* findings = new QVBoxLayout;
  findings->addWidget(txt_findings, 1);
  findings->addWidget(lbl_scenario_error);
  auto* bottom = new QWidget;
  auto* bottom_layout = new QHBoxLayout(bottom);
  bottom_layout->setContentsMargins(0, 0, 0, 0);
  bottom_layout->addLayout(findings, 3);
  bottom_layout->addWidget(values_frame, 2);

  lbl_model = NewLabel(ModelText(), "lbl_model");
  lbl_model->setWordWrap(true);
  QFont small = lbl_model->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  lbl_model->setFont(small);

  auto* split = new QSplitter(Qt::Vertical);
  split->addWidget(splitter);
  split->addWidget(bottom);
  split->setStretchFactor(0, 1);
  split->setSizes({480, 190});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lbl_output);
  layout->addWidget(split, 1);
  layout->addWidget(lbl_model);
  setTabOrder(scenario_editor_, pic_timeline);
  setTabOrder(pic_timeline, cmd_play);
  resize(1100, 740);

  connect(scenario_editor_, &ScenarioEditor::ScenarioEdited, this,
          &PreviewWindow::Rerun);
  connect(pic_timeline, &TimelineView::CursorMoved, this,
          &PreviewWindow::pic_timeline_CursorMoved);
  connect(pic_timeline, &TimelineView::PlayingChanged, this,
          &PreviewWindow::ShowPlaying);
  connect(cmd_play, &QPushButton::clicked, this,
          &PreviewWindow::cmd_play_Click);
}

PreviewWindow::~PreviewWindow() = default;

Status PreviewWindow::Load(const std::string& main_output) {
  PreviewProgram program;
  ZUM_RETURN_IF_ERROR(LoadPreviewProgram(main_output, &program));
  pic_timeline->Pause();
  program_ = std::move(program);
  // The old run belongs to another program.
  run_ = PreviewRun();
  series_ = RunSeries();
  const QString output = FromBytes(main_output);
  const QFileInfo file(output);
  setWindowTitle(tr("ZUM preview - %1").arg(file.fileName()));
  lbl_output->setText(
      tr("The code written to %1 and its companion file, run pass by pass "
         "over the scenario on the left.")
          .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
  scenario_editor_->SetSuggestedFile(file.absolutePath() + QLatin1Char('/') +
                                     file.completeBaseName() +
                                     QStringLiteral("_scenario.txt"));
  scenario_editor_->SetDefaultScenario(DefaultScenario(program_));
  pic_timeline->SetCursorPass(0);
  Rerun();
  pic_timeline_CursorMoved(pic_timeline->CursorPass());
  pic_timeline->setFocus(Qt::OtherFocusReason);
  return Status::OK();
}

void PreviewWindow::Rerun() {
  Scenario scenario;
  Status status = scenario_editor_->TakeScenario(&scenario);
  PreviewRun run;
  if (status.ok()) {
    status = RunScenario(program_, scenario, &run);
  }
  lbl_scenario_error->setVisible(!status.ok());
  if (!status.ok()) {
    lbl_scenario_error->setText(FromBytes(status.message()) +
                                tr(" (shown: the last scenario that ran)"));
    return;
  }
  lbl_scenario_error->clear();
  scenario_ = std::move(scenario);
  run_ = std::move(run);
  series_ = BuildRunSeries(program_, run_);
  txt_findings->setPlainText(
      FindingsText(program_, scenario_, run_, variables_));
  pic_timeline->ShowRun(&program_, &run_, &series_);
  pic_timeline_CursorMoved(pic_timeline->CursorPass());
}

void PreviewWindow::cmd_play_Click() {
  if (pic_timeline->IsPlaying()) {
    pic_timeline->Pause();
  } else {
    pic_timeline->Play();
  }
}

void PreviewWindow::pic_timeline_CursorMoved(int pass) {
  lbl_values->setText(
      Lines(MomentLines(program_, scenario_, run_, series_, pass, variables_)));
  scenario_editor_->SetCursorTime(PreviewRun::Time(pass));
}

void PreviewWindow::ShowPlaying(bool playing) {
  cmd_play->setText(playing ? tr("&Pause") : tr("&Play"));
}

void PreviewWindow::hideEvent(QHideEvent* event) {
  pic_timeline->Pause();
  QWidget::hideEvent(event);
}

}  // namespace zum
