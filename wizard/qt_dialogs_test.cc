// The real message boxes answer the keys as the window expects: Escape on
// a question with Cancel is Cancel (the closing question keeps the window
// open), on a yes/no question No; Enter on a question whose default is No
// is No.

#include "wizard/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

namespace zum {
namespace {

struct KeyCase {
  Dialogs::Buttons buttons;
  Qt::Key key;
  Dialogs::Answer expected;
};

class QtDialogsKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(QtDialogsKeyTest, KeyAnswersTheQuestion) {
  const KeyCase& c = GetParam();
  // Presses the key in the box once it is shown.
  QTimer press;
  press.setInterval(10);
  QObject::connect(&press, &QTimer::timeout, [&press, key = c.key] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      press.stop();
      QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
      QApplication::sendEvent(box, &down);
    }
  });
  press.start();
  QtDialogs dialogs;
  EXPECT_EQ(dialogs.ShowMessageBox("Do you want to save?", "ZUM warning",
                                   Dialogs::Icon::kExclamation, c.buttons),
            c.expected);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QtDialogsKeyTest,
    ::testing::Values(
        KeyCase{Dialogs::Buttons::kYesNoCancel, Qt::Key_Escape,
                Dialogs::Answer::kCancel},
        KeyCase{Dialogs::Buttons::kYesNoCancel, Qt::Key_Y,
                Dialogs::Answer::kYes},
        KeyCase{Dialogs::Buttons::kYesNoCancel, Qt::Key_N,
                Dialogs::Answer::kNo},
        KeyCase{Dialogs::Buttons::kYesNo, Qt::Key_Escape, Dialogs::Answer::kNo},
        // Issue 22: Enter on "Clear all fields"' question keeps the fields.
        KeyCase{Dialogs::Buttons::kYesNoDefaultNo, Qt::Key_Return,
                Dialogs::Answer::kNo},
        KeyCase{Dialogs::Buttons::kYesNoDefaultNo, Qt::Key_Y,
                Dialogs::Answer::kYes},
        KeyCase{Dialogs::Buttons::kOk, Qt::Key_Escape, Dialogs::Answer::kOk}));

}  // namespace
}  // namespace zum
