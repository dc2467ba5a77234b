#ifndef ZUM_WIZARD_RUNNER_MESSAGES_H_
#define ZUM_WIZARD_RUNNER_MESSAGES_H_

#include <string>

#include "compiler/compile_step.h"
#include "compiler/dos_outputs.h"

class QPlainTextEdit;

namespace zum {

class Dialogs;

// Shows the console runner's messages as modal message boxes through
// Dialogs: the icon, an OK button and the application's title "ZUM".
class DialogsMessageSink : public MessageSink {
 public:
  // DIALOGS must outlive the sink.
  explicit DialogsMessageSink(Dialogs* dialogs) : dialogs_(dialogs) {}
  void ShowMessage(MessageIcon icon, const std::string& text) override;

 private:
  Dialogs* dialogs_;
};

// The compile log box txt_compile_log. Every change puts the caret after
// the last character, so that the newest output stays in view, and repaints
// the box at once: the compiler runs on the window's thread.
class CompileLogBox : public CompileLog {
 public:
  // BOX must outlive this object.
  explicit CompileLogBox(QPlainTextEdit* box) : box_(box) {}
  void SetLogText(const std::string& text) override;
  void AppendToLog(const std::string& text) override;

 private:
  void ShowEnd();
  QPlainTextEdit* box_;
};

}  // namespace zum

#endif  // ZUM_WIZARD_RUNNER_MESSAGES_H_
