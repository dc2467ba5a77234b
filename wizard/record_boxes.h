#ifndef ZUM_WIZARD_RECORD_BOXES_H_
#define ZUM_WIZARD_RECORD_BOXES_H_

#include <string>

class QLineEdit;

// A text box over one text of the window's SettingsRecord: the page writes
// the user's edits into the record and draws the record into the box. Code
// that sets a box (a page drawing the record) raises no handler: the pages'
// handlers hear only the user (textEdited for boxes, clicked for buttons).
namespace zum {

// Shows TEXT, bytes as the record holds them, in BOX unless BOX holds it
// already, so that drawing a page keeps the cursor and the undo steps of a
// box being typed in. Returns true when the text changed.
bool ShowText(QLineEdit* box, const std::string& text);

// Writes BOX's text into *FIELD each time the user edits it. FIELD must
// outlive BOX.
void WriteOnEdit(QLineEdit* box, std::string* field);

}  // namespace zum

#endif  // ZUM_WIZARD_RECORD_BOXES_H_
