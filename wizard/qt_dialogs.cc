#include "wizard/qt_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace zum {

Dialogs::Answer QtDialogs::ShowMessageBox(const QString& text,
                                          const QString& title, Icon icon,
                                          Buttons buttons) {
  QMessageBox::Icon qt_icon = QMessageBox::NoIcon;
  switch (icon) {
    case Icon::kNone:
      break;
    case Icon::kInformation:
      qt_icon = QMessageBox::Information;
      break;
    case Icon::kExclamation:
      qt_icon = QMessageBox::Warning;
      break;
    case Icon::kCritical:
      qt_icon = QMessageBox::Critical;
      break;
  }
  QMessageBox::StandardButtons qt_buttons = QMessageBox::Ok;
  if (buttons == Buttons::kYesNo || buttons == Buttons::kYesNoDefaultNo) {
    qt_buttons = QMessageBox::Yes | QMessageBox::No;
  } else if (buttons == Buttons::kYesNoCancel) {
    qt_buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  QMessageBox box(qt_icon, title, text, qt_buttons, parent_);
  if (buttons == Buttons::kYesNoCancel) {
    // Escape and the title bar's close button mean Cancel.
    box.setEscapeButton(QMessageBox::Cancel);
  }
  if (buttons == Buttons::kYesNoDefaultNo) {
    box.setDefaultButton(QMessageBox::No);
  }
  int pressed = box.exec();
  switch (pressed) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    case QMessageBox::Cancel:
      return Answer::kCancel;
    default:
      return buttons == Buttons::kOk            ? Answer::kOk
             : buttons == Buttons::kYesNoCancel ? Answer::kCancel
                                                : Answer::kNo;
  }
}

QString QtDialogs::InputBox(const QString& prompt, const QString& title,
                            const QString& default_text) {
  bool ok = false;
  QString text = QInputDialog::getText(parent_, title, prompt,
                                       QLineEdit::Normal, default_text, &ok);
  return ok ? text : QString();
}

QString QtDialogs::OpenFile(const QString& title, const QStringList& filters) {
  QString selected = filters.isEmpty() ? QString() : filters.first();
  return QFileDialog::getOpenFileName(
      parent_, title, QString(), filters.join(QStringLiteral(";;")), &selected);
}

QStringList QtDialogs::OpenFiles(const QString& title,
                                 const QStringList& filters) {
  QString selected = filters.isEmpty() ? QString() : filters.first();
  return QFileDialog::getOpenFileNames(
      parent_, title, QString(), filters.join(QStringLiteral(";;")), &selected);
}

QString QtDialogs::SaveFile(const QString& title, const QStringList& filters,
                            const QString& suggested) {
  QFileDialog dialog(parent_, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  // A name typed without an extension gets the first filter's ("*.asm").
  if (!filters.isEmpty()) {
    QRegularExpressionMatch suffix =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)"))
            .match(filters.first());
    if (suffix.hasMatch()) {
      dialog.setDefaultSuffix(suffix.captured(1));
    }
  }
  if (!suggested.isEmpty()) {
    QFileInfo file(suggested);
    dialog.setDirectory(file.absolutePath());
    dialog.selectFile(file.fileName());
  }
  // QFileDialog asks before an existing file is chosen (ConfirmOverwrite is
  // on by default).
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return QString();
  }
  return dialog.selectedFiles().first();
}

}  // namespace zum
