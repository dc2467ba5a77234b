#ifndef ZUM_WIZARD_NAMED_CONTROLS_H_
#define ZUM_WIZARD_NAMED_CONTROLS_H_

#include <initializer_list>

#include <QString>

#include "settings/warning_marks.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The window's controls as its page builders make them, each with the
// system's control name and array index as its object name
// ("txt_var_3"), which the tests and the keyboard walk look for.
namespace zum {

inline constexpr int kCopyButtonWidth = 32;
inline constexpr int kFieldWidth = 150;

// Names WIDGET NAME, or NAME_INDEX for an INDEX of 0 or more.
template <typename W>
W* Named(W* widget, const QString& name, int index = -1) {
  widget->setObjectName(
      index < 0 ? name : name + QLatin1Char('_') + QString::number(index));
  return widget;
}

QLabel* NewLabel(const QString& text, const QString& name, int index = -1);
// A page's explanation at its top: wrapped, three lines high at least.
QLabel* NewPageText(const QString& text, const QString& name);
QLineEdit* NewField(const QString& name, int index = -1);
// A copy button cmd_copyvar(INDEX): "<" copies into the box on its left,
// ">" into the additional condition's on its right.
QPushButton* NewCopyButton(const QString& caption, int index);
// A variable list cmb_var(INDEX); only a picked entry counts.
QComboBox* NewVariableList(int index);
// A warning mark at the end of BOX, named "mark_" and BOX's name: a
// warning icon whose text and tooltip are WarningMarkTip(KIND, ROLE, text)
// for BOX's text as it changes, hidden while there is nothing to say. It
// sits inside the box, so showing it never moves another control.
QAction* AddWarningMark(
    QLineEdit* box, MarkedBox kind,
    ConditionRole role = ConditionRole::kAnimationCondition);
// The width of a grid column holding LABELS, whichever of them are shown.
int LabelColumnWidth(std::initializer_list<QLabel*> labels);

}  // namespace zum

#endif  // ZUM_WIZARD_NAMED_CONTROLS_H_
