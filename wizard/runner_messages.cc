#include "wizard/runner_messages.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "wizard/dialogs.h"
#include "wizard/text_bytes.h"

namespace zum {

void DialogsMessageSink::ShowError(const std::string& text) {
  dialogs_->ShowMessageBox(FromBytes(text), QStringLiteral("ZUM"),
                           Dialogs::Icon::kCritical, Dialogs::Buttons::kOk);
}

QString CompileLogBox::Shown(const std::string& text) {
  std::string bytes = pending_cr_ ? "\r" + text : text;
  pending_cr_ = !bytes.empty() && bytes.back() == '\r';
  if (pending_cr_) {
    bytes.pop_back();
  }
  QString shown = FromBytes(bytes);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

void CompileLogBox::Insert(const QString& text) {
  if (text.isEmpty()) {
    return;
  }
  QTextCursor end(box_->document());
  end.movePosition(QTextCursor::End);
  end.insertText(text);
}

void CompileLogBox::SetLogText(const std::string& text) {
  pending_cr_ = false;
  box_->setPlainText(Shown(text));
}

void CompileLogBox::AppendToLog(const std::string& text) {
  if (text.empty()) {
    // The output has ended: a held CR was a line break of its own.
    if (pending_cr_) {
      pending_cr_ = false;
      Insert(QStringLiteral("\n"));
    }
    return;
  }
  Insert(Shown(text));
}

}  // namespace zum
