#ifndef ZUM_WIZARD_RUNNER_MESSAGES_H_
#define ZUM_WIZARD_RUNNER_MESSAGES_H_

#include <string>

#include <QString>

#include "compiler/compile_step.h"
#include "compiler/dos_outputs.h"

class QPlainTextEdit;

namespace zum {

class Dialogs;

// Shows the console runner's errors as modal message boxes through Dialogs:
// the critical-error icon, an OK button and the application's title "ZUM".
class DialogsMessageSink : public MessageSink {
 public:
  // DIALOGS must outlive the sink.
  explicit DialogsMessageSink(Dialogs* dialogs) : dialogs_(dialogs) {}
  void ShowError(const std::string& text) override;

 private:
  Dialogs* dialogs_;
};

// The compile log box txt_compile_log as the compile step writes it. Line
// ends arrive as CR LF, possibly split between two pieces of output (a piece
// ends with CR, the next begins with LF); the box shows each as one line
// break. A lone CR also breaks the line. The caret and the repaint after
// each change are the window's (Form1::txt_compile_log_Change).
class CompileLogBox : public CompileLog {
 public:
  // BOX must outlive this object.
  explicit CompileLogBox(QPlainTextEdit* box) : box_(box) {}
  void SetLogText(const std::string& text) override;
  // An empty TEXT (the runner's end of output) only completes a held CR.
  void AppendToLog(const std::string& text) override;

 private:
  // TEXT as the box shows it; a CR at its end is held back in pending_cr_
  // until the next piece shows whether an LF follows.
  QString Shown(const std::string& text);
  void Insert(const QString& text);

  QPlainTextEdit* box_;
  bool pending_cr_ = false;
};

}  // namespace zum

#endif  // ZUM_WIZARD_RUNNER_MESSAGES_H_
