#ifndef ZUM_WIZARD_FINISH_PAGE_H_
#define ZUM_WIZARD_FINISH_PAGE_H_

#include <functional>
#include <memory>
#include <string>

#include <QString>
#include <QWidget>

#include "engine/run_warnings.h"
#include "settings/checked_run.h"
#include "settings/variable_table.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace zum {

class CompileLogBox;
class Dialogs;
class DialogsMessageSink;
class DOSOutputs;
class PreviewWindow;

// Page 5, the finish page: what the last run wrote and does, or why it
// stopped, and the compile step with its log. After a failed run the texts
// say so, Previous leads back to the source file page, and the compile
// button stays disabled until a run succeeds. After a run that succeeded,
// Preview opens the preview window (PreviewWindow) on the written files.
//
// The compile step runs bglc_9.exe from the program's folder on the output
// file, on the window's thread; each piece of its console output reaches
// objDOS_ReceiveOutputs, which appends it to the log. The window handles its
// events while the compiler runs, with the page's buttons disabled but
// Stop, which ends the compiler; compilingChanged tells the window, which
// disables what else must wait.
class FinishPage : public QWidget {
  Q_OBJECT

 public:
  // DIALOGS and VARIABLES (which name the preview's variables) must outlive
  // the page. OUTPUT_FILE gives the output file's name as the source file
  // page holds it when the compiler is started.
  FinishPage(Dialogs* dialogs, const VariableTable* variables,
             const QString& program_folder,
             std::function<std::string()> output_file,
             QWidget* parent = nullptr);
  ~FinishPage() override;

  // The page's Restart and Previous buttons, made by the window; Restart is
  // disabled while the compiler runs.
  void SetPageButtons(QPushButton* restart, QPushButton* previous);

  // The page after RUN, which passed the page check and ran.
  void ShowRunOutcome(const CheckedRun& run);
  // Below the outcome, the run's WARNINGS under the caption "Warnings (N)";
  // hidden when there are none. ShowRunOutcome shows the run's.
  void ShowRunWarnings(const RunWarnings& warnings);
  // Restarting empties the log.
  void ClearLog();

  // Whether the compiler runs; then Stop() ends it.
  bool Compiling() const { return compiling_; }
  void Stop();

  // Used by tests only: the console command runner.
  DOSOutputs* TEST_objDOS() { return objDOS.get(); }

  // Handlers.
  void cmd_compile_Click();
  // Opens the preview window on the files the last run wrote, or tells why
  // they cannot be previewed.
  void cmd_preview_Click();
  void objDOS_ReceiveOutputs(const std::string& CommandOutputs);
  void txt_compile_log_Change();
  void cmd_stop_Click();

 signals:
  // The compiler started (true) or ended (false).
  void compilingChanged(bool compiling);

 private:
  Dialogs* dialogs_;
  const VariableTable* variables_;
  QString program_folder_;
  std::function<std::string()> output_file_;
  // The console command runner, its message boxes and the log it feeds.
  std::unique_ptr<DialogsMessageSink> runner_messages_;
  std::unique_ptr<CompileLogBox> compile_log_;
  std::unique_ptr<DOSOutputs> objDOS;

  QLabel* Label21 = nullptr;  // "Your animation has been processed..."
  QLabel* Label22 = nullptr;  // the thank-you note
  // What the last run wrote and does, or why it stopped; hidden before the
  // first run.
  QTextEdit* txt_run_summary = nullptr;
  // The run's warnings and their caption with the count; hidden without.
  QLabel* lbl_run_warnings = nullptr;
  QTextEdit* txt_run_warnings = nullptr;
  QPushButton* cmd_compile = nullptr;
  // Shown after a run that succeeded; opens preview_ on its output.
  QPushButton* cmd_preview = nullptr;
  PreviewWindow* preview_ = nullptr;  // made when first opened
  std::string previewed_output_;
  // Shown beside cmd_compile, enabled while the compiler runs.
  QPushButton* cmd_stop = nullptr;
  QPlainTextEdit* txt_compile_log = nullptr;
  QPushButton* restart_ = nullptr;
  QPushButton* previous_ = nullptr;
  bool compiling_ = false;
};

}  // namespace zum

#endif  // ZUM_WIZARD_FINISH_PAGE_H_
