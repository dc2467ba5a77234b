#ifndef ZUM_WIZARD_SCREENSHOT_STATES_H_
#define ZUM_WIZARD_SCREENSHOT_STATES_H_

#include <QString>
#include <QStringList>

class QWidget;

namespace zum {

class Form1;

// Used by tests only: sets CONTROL as a user's typing or click would, also
// when it is disabled or hidden: a text box gets VALUE, a button is
// selected ("on") or not, and the control raises the signal that the
// user's change raises (textEdited, clicked).
void TEST_SetAsUser(QWidget* control, const QString& value);

// Used by the window tests and by zum-screenshots (for scripts/screenshots.sh)
// only: the named states of the window that the screenshots show.
QStringList TEST_ScreenshotStates();

// Puts the shown *WINDOW into state NAME by setting its controls as a user
// would and showing the page. A state with a message box returns only once
// the box is closed; the menu states open their menu once the event loop
// runs; "finish-compiled" and "finish-compile-failed" run the compiler of
// the window's program folder, on an output named gate_zum.asm and
// door_zum.asm; "finish-succeeded", "finish-failed" and "finish-warnings"
// run on the files of the folder "scenery" there (see
// scripts/screenshots.sh).
// Returns false for an unknown name.
bool TEST_ApplyScreenshotState(Form1* window, const QString& name);

}  // namespace zum

#endif  // ZUM_WIZARD_SCREENSHOT_STATES_H_
