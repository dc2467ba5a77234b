// The finish page's compile step: bglc_9.exe from the program's folder on
// the output file, its console output shown in the log as it arrives.

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "compiler/compile_step.h"
#include "compiler/dos_outputs.h"
#include "wizard/form1.h"
#include "wizard/runner_messages.h"
#include "wizard/text_bytes.h"

namespace zum {

void Form1::cmd_compile_Click() {
  // The restart button stays disabled while the compiler runs; the run
  // holds the window's thread, and every piece of output repaints the log.
  cmd_next[kFinishPage]->setEnabled(false);
  RunCompileStep(Bytes(QDir::toNativeSeparators(program_folder_)),
                 Bytes(txt_file_out->text()), objDOS.get(), compile_log_.get());
  cmd_next[kFinishPage]->setEnabled(true);
}

void Form1::objDOS_ReceiveOutputs(const std::string& CommandOutputs) {
  compile_log_->AppendToLog(CommandOutputs);
}

void Form1::txt_compile_log_Change() {
  // The caret after the last character keeps the newest output in view.
  txt_compile_log->moveCursor(QTextCursor::End);
  txt_compile_log->ensureCursorVisible();
  txt_compile_log->repaint();
}

}  // namespace zum
