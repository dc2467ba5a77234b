#ifndef ZUM_WIZARD_DIALOGS_H_
#define ZUM_WIZARD_DIALOGS_H_

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zum {

// Every modal interaction of the window. The real implementation
// (QtDialogs) shows Qt dialogs; tests pass a scripted one that records what
// was shown and answers from a queue, so that no test blocks on a dialog.
class Dialogs {
 public:
  enum class Icon { kNone, kInformation, kExclamation, kCritical };
  // kYesNoDefaultNo: Yes and No, with No the default button, for a
  // question whose Yes cannot be undone.
  enum class Buttons { kOk, kYesNo, kYesNoCancel, kYesNoDefaultNo };
  enum class Answer { kOk, kYes, kNo, kCancel };

  virtual ~Dialogs() = default;

  // A modal message box; returns the button pressed. A yes/no box closed
  // otherwise answers kNo; a yes/no/cancel box closed otherwise, or with
  // Escape, answers kCancel.
  virtual Answer ShowMessageBox(const QString& text, const QString& title,
                                Icon icon, Buttons buttons) = 0;

  // An input box with a prompt, a title and a default answer. Returns the
  // text entered; empty when the box is cancelled.
  virtual QString InputBox(const QString& prompt, const QString& title,
                           const QString& default_text) = 0;

  // The common open-file dialog with TITLE and FILTERS such as "ASM file
  // (*.asm)", the first filter selected. Returns the chosen full path, or an
  // empty text when the user cancels.
  virtual QString OpenFile(const QString& title,
                           const QStringList& filters) = 0;

  // The same dialog accepting several files at once. Returns their full
  // paths; none when the user cancels.
  virtual QStringList OpenFiles(const QString& title,
                                const QStringList& filters) = 0;

  // The common save-file dialog with TITLE and FILTERS, opened on SUGGESTED
  // (a path; may be empty). A file that does not exist yet may be named; for
  // an existing one the dialog asks whether it may be replaced, and No
  // returns to the dialog. Returns the chosen full path, or an empty text
  // when the user cancels.
  virtual QString SaveFile(const QString& title, const QStringList& filters,
                           const QString& suggested) = 0;

  // A question with the exclamation icon and Yes and No; true on Yes.
  bool AskYesNo(const QString& text, const QString& title) {
    return ShowMessageBox(text, title, Icon::kExclamation, Buttons::kYesNo) ==
           Answer::kYes;
  }

  // An error with the critical-error icon and OK, titled "ZUM error" (the
  // page checks' messages bring titles of their own).
  void ShowError(const QString& text) {
    ShowMessageBox(text,
                   QCoreApplication::translate("zum::Dialogs", "ZUM error"),
                   Icon::kCritical, Buttons::kOk);
  }
};

}  // namespace zum

#endif  // ZUM_WIZARD_DIALOGS_H_
