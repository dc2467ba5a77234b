#ifndef ZUM_WIZARD_TESTING_H_
#define ZUM_WIZARD_TESTING_H_

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>
#include <QTimer>

#include "engine/faults_testing.h"
#include "engine/testing.h"
#include "wizard/dialogs.h"
#include "wizard/form1.h"

// Helpers of the window tests. Used by tests only.
namespace zum::testing {

// One dialog that the window asked for.
struct ShownDialog {
  enum class Kind { kMessage, kInput, kOpenFile, kOpenFiles, kSaveFile };
  Kind kind = Kind::kMessage;
  QString text;  // message text, prompt or the path a save dialog suggests
  QString title;
  Dialogs::Icon icon = Dialogs::Icon::kNone;
  Dialogs::Buttons buttons = Dialogs::Buttons::kOk;
  QStringList filters;
};

// Dialogs that record what was shown and answer from queues. A question or
// a file dialog with no scripted answer fails the test and answers No or
// Cancel, as does an answer of several files to a dialog that takes one.
class ScriptedDialogs : public Dialogs {
 public:
  Answer ShowMessageBox(const QString& text, const QString& title, Icon icon,
                        Buttons buttons) override;
  QString InputBox(const QString& prompt, const QString& title,
                   const QString& default_text) override;
  QString OpenFile(const QString& title, const QStringList& filters) override;
  QStringList OpenFiles(const QString& title,
                        const QStringList& filters) override;
  QString SaveFile(const QString& title, const QStringList& filters,
                   const QString& suggested) override;

  std::vector<ShownDialog> shown;
  std::deque<Answer> answers;  // for yes/no questions
  std::deque<QString> inputs;
  std::deque<QStringList> files;  // for file dialogs; none answers Cancel

 private:
  QStringList NextFiles(const QString& title);
};

// The state of the window as named lines: every named control, menu
// entry and warning mark ("hidden" when not shown), the page shown, the lines
// of the settings file the controls give, the dialogs shown so far and the
// files of the program folder ("file ...") and of the objects folder ("obj
// ..."). Paths read $DIR and $OBJ.
using Snapshot = std::map<std::string, std::string>;

// The lines of AFTER that differ from BEFORE, as "key: value", one a line.
std::string SnapshotDiff(const Snapshot& before, const Snapshot& after);

// SnapshotDiff over the controls, the page and the settings only.
std::string ControlsDiff(Snapshot before, Snapshot after);

// A fresh window over a temporary program folder, shown offscreen, with a
// copy of the example objects in a second folder. The fixture checks that
// no top-level widget and no scripted answer is left at the end.
class WizardTest : public ::testing::Test {
 protected:
  WizardTest();
  ~WizardTest() override;
  void TearDown() override;
  // A new window over the program folder, shown, with four rows on the
  // source file page.
  void OpenWindow();

  template <typename W>
  W* Find(const QString& name) {
    W* widget = form_->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
    return widget;
  }

  // Runs the steps, one line each:
  //   NAME=TEXT      types TEXT into a box; "on"/"off" tick or select a
  //                  button; "#N" selects row N of a list
  //   click NAME     clicks a shown, enabled button, or a menu entry
  //   next, prev     the page buttons of the page shown
  //   walk PAGE      Next until PAGE, failing if a page refuses
  //   show PAGE      shows PAGE without any check
  //   tab FROM N1 N2..  the focus on control FROM, each Tab moves it to the
  //                  next control named
  //   state NAME     puts the window into the screenshot state NAME
  //   file PATH, input TEXT, answer yes|no|cancel   scripted dialog answers
  //   files P1|P2|..   several files chosen in one file dialog
  //   drop NAME P1|P2|..   drops the files on NAME (or, as a real drop,
  //                  on the nearest of its parents that takes drops)
  //   wheel NAME DELTA   a mouse wheel turn of DELTA (120 a notch, up
  //                  positive) over NAME
  //   key NAME KEY   presses KEY (PageUp, PageDown, Left, Right, Home, End,
  //                  Space) in NAME
  //   cell NAME ROW COLUMN TEXT   types TEXT into a cell of the table NAME
  //   select NAME ROW   makes ROW the current row of the table NAME
  //   write NAME L1|L2|..   a file in the program folder, CR LF lines
  //   mkdir NAME     a folder in the program folder
  //   failcreate NAME   creating the file NAME in the program folder fails
  //   cut PATH TEXT  cuts the file off before the last TEXT
  //   replace PATH OLD => NEW   the first OLD in the file becomes NEW
  //   compiler SH    the stand-in compiler, a shell script SH ("\n" breaks)
  //   stopwhen TEXT  clicks Stop once the compile log holds TEXT
  //   paste NAME TEXT   TEXT pasted over the text of box NAME
  // In file, files, drop, input and paste steps "\n" and "\r" are line
  // breaks.
  //   close          closes the window and opens it again
  //   close kept     closes the window, expecting it to stay open
  //   reopen         opens the window again without closing it
  //   reload         saves into slot 9, closes, reopens and loads slot 9
  //   roundtrip      reload, expecting every control back as it was
  // "$DIR" and "$OBJ" in a step read the program and objects folder.
  void Run(std::initializer_list<std::string> steps);
  void Step(std::string step);

  Snapshot TakeSnapshot();
  // Fails for every two controls shown on the page, or in another window
  // of the window such as the preview, that overlap.
  void ExpectNoOverlap();
  // The message boxes shown so far, as "title|text".
  std::vector<std::string> Messages() const;

  TempDir folder_;
  TempDir objects_;
  FaultyFileSystem disk_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<Form1> form_;
  std::unique_ptr<QTimer> stop_timer_;
};

}  // namespace zum::testing

#endif  // ZUM_WIZARD_TESTING_H_
