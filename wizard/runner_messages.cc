#include "wizard/runner_messages.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "wizard/dialogs.h"
#include "wizard/text_bytes.h"

namespace zum {

namespace {

// The runner and the compile step write CR LF; the box shows line breaks.
QString LogText(const std::string& bytes) {
  QString text = FromBytes(bytes);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return text;
}

}  // namespace

void DialogsMessageSink::ShowMessage(MessageIcon icon,
                                     const std::string& text) {
  Dialogs::Icon shown = icon == MessageIcon::kCritical
                            ? Dialogs::Icon::kCritical
                            : Dialogs::Icon::kNone;
  dialogs_->ShowMessageBox(FromBytes(text), QStringLiteral("ZUM"), shown,
                           Dialogs::Buttons::kOk);
}

void CompileLogBox::SetLogText(const std::string& text) {
  box_->setPlainText(LogText(text));
  ShowEnd();
}

void CompileLogBox::AppendToLog(const std::string& text) {
  if (text.empty()) {
    return;
  }
  QTextCursor end = box_->textCursor();
  end.movePosition(QTextCursor::End);
  end.insertText(LogText(text));
  ShowEnd();
}

void CompileLogBox::ShowEnd() {
  box_->moveCursor(QTextCursor::End);
  box_->ensureCursorVisible();
  box_->repaint();
}

}  // namespace zum
