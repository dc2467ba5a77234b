// The secondary condition's controls on page 3; the condition editors of
// pages 1 and 2 are ConditionEditors.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "wizard/condition_editor.h"
#include "wizard/form1.h"

namespace zum {

void Form1::chk_cond_Click(int /*index*/) {
  const bool on = chk_cond_2->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{
           txt_var_2, cmd_copyvar_2, cmb_var_2, txt_num_secondanim}) {
    w->setEnabled(on);
  }
}

void Form1::cmd_copyvar_Click(int /*index*/) {
  CopySelectedVariable(variable_table_, cmb_var_2, txt_var_2);
}

void Form1::txt_var_Change(int /*index*/) {
  ShowVariableInList(variable_table_, txt_var_2, cmb_var_2);
}

}  // namespace zum
