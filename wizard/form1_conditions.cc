// The condition editors of pages 1 to 3: what the check boxes enable, what
// the kind buttons show, the copy buttons and the variable lists.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "wizard/form1.h"
#include "wizard/text_bytes.h"

namespace zum {

QComboBox* Form1::ListOf(int index) const {
  return index == 3 ? cmb_var[0] : cmb_var[index];
}

void Form1::SetBoxFieldsEnabled(int index, bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{
           txt_rot[index], txt_box_xmin[index], txt_box_xmax[index],
           txt_box_ymin[index], txt_box_ymax[index], txt_box_zmin[index],
           txt_box_zmax[index], opt_con[index], opt_box[index],
           opt_mask[index]}) {
    w->setEnabled(on);
  }
}

void Form1::SetBoxFieldsShown(int index, bool shown) {
  for (QWidget* w : std::initializer_list<QWidget*>{
           txt_rot[index], txt_box_xmin[index], txt_box_xmax[index],
           txt_box_ymin[index], txt_box_ymax[index], txt_box_zmin[index],
           txt_box_zmax[index], Label4[index], Label27[index], Label28[index],
           Label29[index], Label30[index], Label31[index]}) {
    w->setVisible(shown);
  }
}

void Form1::chk_cond_Click(int index) {
  const bool on = chk_cond[index]->isChecked();
  txt_var[index]->setEnabled(on);
  cmd_copyvar[index]->setEnabled(on);
  if (index == 3) {
    // The list is shared with the animation condition.
    if (on || !chk_cond[0]->isChecked()) {
      cmb_var[0]->setEnabled(on);
    }
  } else {
    cmb_var[index]->setEnabled(on);
  }
  if (index <= 1) {
    SetBoxFieldsEnabled(index, on);
  }
  switch (index) {
    case 0:
    case 1:
      txt_var_min[index]->setEnabled(on);
      txt_var_max[index]->setEnabled(on);
      break;
    case 2:
      txt_num_secondanim->setEnabled(on);
      break;
    case 3:
      txt_var_min[2]->setEnabled(on);
      txt_var_max[2]->setEnabled(on);
      break;
  }
}

void Form1::opt_con_Click(int index) {
  if (index == 0) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             txt_var[3], txt_var_min[2], txt_var_max[2], cmd_copyvar[3],
             chk_cond[3], Label23, Label24, Label7, Label8}) {
      w->setVisible(true);
    }
    Label24->setText(tr("Minimum value:"));
    Label7->setText(tr("Minimum value:"));
  } else {
    Label10->setVisible(true);
    Label11->setVisible(true);
    Label11->setText(tr("Minimum value:"));
    Label12->setVisible(true);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{
           txt_var[index], cmb_var[index], txt_var_min[index],
           txt_var_max[index], cmd_copyvar[index]}) {
    w->setVisible(true);
  }
  SetBoxFieldsShown(index, false);
}

void Form1::opt_mask_Click(int index) {
  if (index == 0) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             txt_var[3], txt_var_min[2], cmd_copyvar[3], chk_cond[3], Label24,
             Label7}) {
      w->setVisible(true);
    }
    Label24->setText(tr("Value:"));
    Label7->setText(tr("Value:"));
    txt_var_max[2]->setVisible(false);
    Label23->setVisible(false);
    Label8->setVisible(false);
  } else {
    Label10->setVisible(false);
    Label11->setVisible(true);
    Label11->setText(tr("Value:"));
    Label12->setVisible(true);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{
           txt_var[index], cmb_var[index], txt_var_min[index],
           cmd_copyvar[index]}) {
    w->setVisible(true);
  }
  txt_var_max[index]->setVisible(false);
  SetBoxFieldsShown(index, false);
}

void Form1::opt_box_Click(int index) {
  if (index == 0) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             txt_var[3], txt_var_min[2], txt_var_max[2], cmd_copyvar[3]}) {
      w->setVisible(false);
    }
    // Unticking runs chk_cond_Click(3), which disables its fields.
    chk_cond[3]->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{
             chk_cond[3], Label23, Label24, Label7, Label8}) {
      w->setVisible(false);
    }
  } else {
    Label10->setVisible(false);
    Label11->setVisible(false);
    Label12->setVisible(false);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{
           txt_var[index], cmb_var[index], txt_var_min[index],
           txt_var_max[index], cmd_copyvar[index]}) {
    w->setVisible(false);
  }
  SetBoxFieldsShown(index, true);
}

void Form1::cmd_copyvar_Click(int index) {
  QComboBox* list = ListOf(index);
  if (list->currentIndex() < 0) {
    return;
  }
  int row =
      variable_table_.RowOfName(Bytes(list->itemText(list->currentIndex())));
  if (row == VariableTable::kNone) {
    return;
  }
  txt_var[index]->setText(FromBytes(variable_table_.OffsetText(row)));
}

void Form1::txt_var_Change(int index) {
  int row = variable_table_.RowOfOffset(Bytes(txt_var[index]->text()));
  if (row != VariableTable::kNone) {
    ListOf(index)->setCurrentIndex(row - 1);
  }
}

}  // namespace zum
