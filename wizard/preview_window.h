#ifndef ZUM_WIZARD_PREVIEW_WINDOW_H_
#define ZUM_WIZARD_PREVIEW_WINDOW_H_

#include <string>

#include <QWidget>

#include "engine/status.h"
#include "preview/interpreter.h"
#include "preview/program.h"
#include "preview/run_series.h"
#include "preview/scenario.h"
#include "settings/variable_table.h"

class QHideEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zum {

class Dialogs;
class ScenarioEditor;
class TimelineView;

// The preview window, which the finish page opens after a successful run:
// the code that the run wrote, run pass by pass over a scenario under the
// model of the simulator that preview/interpreter.h states and the window
// states too. It shows the scenario's editor (ScenarioEditor, filled with
// the scenario made from the code), the findings and the timeline in words,
// the run drawn over time (TimelineView) and every value at the time
// cursor, with a Play button. Every change of the scenario runs it again
// at once. All modal interaction goes through the Dialogs.
class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  // DIALOGS and VARIABLES must outlive the window. With a PARENT the window
  // stays a window of its own and goes with its parent.
  PreviewWindow(Dialogs* dialogs, const VariableTable* variables,
                QWidget* parent = nullptr);
  ~PreviewWindow() override;

  // Loads the written pair MAIN_OUTPUT and its companion and shows the run
  // of the scenario made from its code, the cursor at the start. On an
  // error ("FILE:LINE: message") the window keeps what it showed.
  Status Load(const std::string& main_output);

  // Runs the scenario as the editor holds it and shows the run. A row that
  // does not read, or a run that fails, is told under the findings, and the
  // last run that ran stays shown.
  void Rerun();

  // Used by tests and the benchmark only.
  TimelineView* TEST_Timeline() { return pic_timeline; }

  // Handlers.
  void cmd_play_Click();
  void pic_timeline_CursorMoved(int pass);

 protected:
  // A hidden window stops playing.
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowPlaying(bool playing);

  Dialogs* dialogs_;
  const VariableTable* variables_;
  PreviewProgram program_;
  // The last scenario that ran, its run and the run's series.
  Scenario scenario_;
  PreviewRun run_;
  RunSeries series_;

  QLabel* lbl_output = nullptr;
  ScenarioEditor* scenario_editor_ = nullptr;
  TimelineView* pic_timeline = nullptr;
  QPushButton* cmd_play = nullptr;
  QPlainTextEdit* txt_findings = nullptr;
  QLabel* lbl_scenario_error = nullptr;
  QLabel* lbl_values = nullptr;
  QLabel* lbl_model = nullptr;
};

}  // namespace zum

#endif  // ZUM_WIZARD_PREVIEW_WINDOW_H_
