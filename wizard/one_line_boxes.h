#ifndef ZUM_WIZARD_ONE_LINE_BOXES_H_
#define ZUM_WIZARD_ONE_LINE_BOXES_H_

class QWidget;

namespace zum {

class Dialogs;

// Keeps every text box in WINDOW to one line, since each box's text is one
// line of a settings file: an edit that would put a CR or LF into a box
// (a paste, a drop of text) is refused, the box keeps the text it had, and
// DIALOGS tells why once the edit is over. Texts that the window sets
// itself are checked where they enter (file dialogs, drops, loaded files).
// DIALOGS must outlive WINDOW's boxes.
void RefuseLineBreaksInBoxes(QWidget* window, Dialogs* dialogs);

}  // namespace zum

#endif  // ZUM_WIZARD_ONE_LINE_BOXES_H_
