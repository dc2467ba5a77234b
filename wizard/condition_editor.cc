#include "wizard/condition_editor.h"

#include <initializer_list>
#include <vector>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "wizard/named_controls.h"
#include "wizard/record_boxes.h"
#include "wizard/text_bytes.h"

namespace zum {

ConditionEditor::ConditionEditor(int index, const VariableTable* variables,
                                 SettingsRecord* record, QWidget* parent)
    : QWidget(parent), index_(index), variables_(variables), record_(record) {
  // The labels keep the system's names: page 1's are Label6..Label8 and
  // the additional condition's Label24 and Label23, page 2's Label12..Label10.
  if (index == 0) {
    main_ = NewSwitch(0, 0, tr("Enable &animation condition"), tr("<"),
                      "Label7", "Label8");
    additional_ = NewSwitch(3, 2, tr("Enable a&dditional animation condition"),
                            tr(">"), "Label24", "Label23");
  } else {
    main_ = NewSwitch(1, 1, tr("Enable animation &trigger"), tr("<"), "Label11",
                      "Label10");
  }
  cmb_var = NewVariableList(index);
  variable_label_ =
      NewLabel(tr("Variable:"), index == 0 ? "Label6" : "Label12");
  variable_label_->setBuddy(main_.txt_var);

  // The shared list sits between the two variable boxes: "<" copies into
  // the animation condition, ">" into the additional one.
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(8);
  grid->addWidget(main_.chk_cond, 0, 0, 1, 4);
  if (HasAdditional()) {
    grid->addWidget(additional_.chk_cond, 0, 4, 1, 2);
  }
  grid->addWidget(BuildKindButtons(), 1, 0, 1, 4);
  grid->addWidget(variable_label_, 2, 0);
  grid->addWidget(main_.txt_var, 2, 1);
  grid->addWidget(main_.cmd_copyvar, 2, 2);
  grid->addWidget(cmb_var, 2, 3);
  if (HasAdditional()) {
    // ">" sits against the box it fills, as "<" does.
    grid->addWidget(additional_.cmd_copyvar, 2, 4, Qt::AlignRight);
    grid->addWidget(additional_.txt_var, 2, 5);
  }
  for (int r = 0; r < 2; ++r) {
    for (const Switch* s : Switches()) {
      const int column = s == &main_ ? 0 : 4;
      grid->addWidget(r == 0 ? s->minimum_label : s->maximum_label, 3 + r,
                      column);
      grid->addWidget(r == 0 ? s->txt_var_min : s->txt_var_max, 3 + r,
                      column + 1);
    }
  }
  AddBoxFields(grid, 5);
  // Columns keep their widths when the kind buttons hide labels.
  grid->setColumnMinimumWidth(
      0,
      LabelColumnWidth({variable_label_, main_.minimum_label,
                        main_.maximum_label, box_labels_[2], box_labels_[4]}));
  if (HasAdditional()) {
    grid->setColumnMinimumWidth(
        4, LabelColumnWidth(
               {additional_.minimum_label, additional_.maximum_label}));
  }
  grid->setColumnStretch(HasAdditional() ? 6 : 4, 1);

  SetTabOrder();
  for (const Switch* s : Switches()) {
    ConnectHandlers(*s);
    for (QLineEdit* box : {s->txt_var, s->txt_var_min, s->txt_var_max}) {
      AddWarningMark(box, MarkedBox::kPasted);
    }
  }
  // A click on the selected button runs its handler again, as it always
  // did; clicked is raised by the user only.
  connect(opt_con, &QRadioButton::clicked, this, [this] { opt_con_Click(); });
  connect(opt_mask, &QRadioButton::clicked, this, [this] { opt_mask_Click(); });
  connect(opt_box, &QRadioButton::clicked, this, [this] { opt_box_Click(); });
  std::array<QLineEdit*, 7> boxes = BoxFields();
  for (int b = 0; b < 6; ++b) {
    WriteOnEdit(boxes[b], &Condition().txt_box[b]);
  }
  WriteOnEdit(boxes[6], &Condition().txt_rot);
}

void ConditionEditor::SetTabOrder() {
  // The grid alternates between the two conditions' columns; Tab goes
  // through the whole condition first, then the additional condition.
  std::vector<QWidget*> order = {
      main_.chk_cond,    opt_con,           opt_mask,     opt_box,
      main_.txt_var,     main_.cmd_copyvar, cmb_var,      main_.txt_var_min,
      main_.txt_var_max, txt_box_xmin,      txt_box_xmax, txt_box_ymin,
      txt_box_ymax,      txt_box_zmin,      txt_box_zmax, txt_rot};
  if (HasAdditional()) {
    order.insert(order.end(), {additional_.chk_cond, additional_.cmd_copyvar,
                               additional_.txt_var, additional_.txt_var_min,
                               additional_.txt_var_max});
  }
  for (size_t k = 1; k < order.size(); ++k) {
    setTabOrder(order[k - 1], order[k]);
  }
}

QWidget* ConditionEditor::BuildKindButtons() {
  auto* box = Named(new QWidget, "kind", index_);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  opt_con =
      Named(new QRadioButton(tr("Condition (between)")), "opt_con", index_);
  opt_mask =
      Named(new QRadioButton(tr("Condition (mask)")), "opt_mask", index_);
  opt_box = Named(new QRadioButton(tr("Bounding box")), "opt_box", index_);
  kind_group_ = new QButtonGroup(this);
  for (QRadioButton* button : {opt_con, opt_mask, opt_box}) {
    kind_group_->addButton(button);
    row->addWidget(button);
  }
  row->addStretch(1);
  opt_con->setChecked(true);
  return box;
}

void ConditionEditor::AddBoxFields(QGridLayout* grid, int first_row) {
  box_labels_ = {NewLabel(tr("Min"), "Label4", index_),
                 NewLabel(tr("Max"), "Label27", index_),
                 NewLabel(tr("<- width ->"), "Label28", index_),
                 NewLabel(tr("<- height ->"), "Label29", index_),
                 NewLabel(tr("<- length ->"), "Label30", index_),
                 NewLabel(tr("Rotation"), "Label31", index_)};
  txt_box_xmin = NewField("txt_box_xmin", index_);
  txt_box_xmax = NewField("txt_box_xmax", index_);
  txt_box_ymin = NewField("txt_box_ymin", index_);
  txt_box_ymax = NewField("txt_box_ymax", index_);
  txt_box_zmin = NewField("txt_box_zmin", index_);
  txt_box_zmax = NewField("txt_box_zmax", index_);
  txt_rot = NewField("txt_rot", index_);
  // Minimum in the variable box's column, maximum in the list's, so that
  // the box lines up with the fields of the other modes.
  grid->addWidget(box_labels_[0], first_row, 1, Qt::AlignHCenter);
  grid->addWidget(box_labels_[1], first_row, 3, Qt::AlignHCenter);
  QLineEdit* mins[] = {txt_box_xmin, txt_box_ymin, txt_box_zmin};
  QLineEdit* maxs[] = {txt_box_xmax, txt_box_ymax, txt_box_zmax};
  for (int r = 0; r < 3; ++r) {
    QLabel* axis = box_labels_[2 + r];
    grid->addWidget(axis, first_row + 1 + r, 0);
    grid->addWidget(mins[r], first_row + 1 + r, 1);
    grid->addWidget(maxs[r], first_row + 1 + r, 3);
    axis->setBuddy(mins[r]);
  }
  const ConditionRole role = index_ == 0 ? ConditionRole::kAnimationCondition
                                         : ConditionRole::kTrigger;
  AddWarningMark(txt_box_xmin, MarkedBox::kBoxXMin, role);
  AddWarningMark(txt_box_xmax, MarkedBox::kBoxXMax, role);
  AddWarningMark(txt_box_ymin, MarkedBox::kBoxYMin, role);
  AddWarningMark(txt_box_ymax, MarkedBox::kBoxYMax, role);
  AddWarningMark(txt_box_zmin, MarkedBox::kBoxZMin, role);
  AddWarningMark(txt_box_zmax, MarkedBox::kBoxZMax, role);
  AddWarningMark(txt_rot, MarkedBox::kRotation, role);
  grid->addWidget(box_labels_[5], first_row + 4, 0);
  grid->addWidget(txt_rot, first_row + 4, 1);
  box_labels_[5]->setBuddy(txt_rot);
}

ConditionEditor::Switch ConditionEditor::NewSwitch(int index, int limits,
                                                   const QString& caption,
                                                   const QString& copy_caption,
                                                   const char* minimum_label,
                                                   const char* maximum_label) {
  Switch s;
  s.index = index;
  s.limits = limits;
  s.chk_cond = Named(new QCheckBox(caption), "chk_cond", index);
  s.txt_var = NewField("txt_var", index);
  s.cmd_copyvar = NewCopyButton(copy_caption, index);
  s.txt_var_min = NewField("txt_var_min", limits);
  s.txt_var_max = NewField("txt_var_max", limits);
  s.minimum_label = NewLabel(tr("Minimum value:"), minimum_label);
  s.maximum_label = NewLabel(tr("Maximum value:"), maximum_label);
  s.minimum_label->setBuddy(s.txt_var_min);
  s.maximum_label->setBuddy(s.txt_var_max);
  return s;
}

std::vector<const ConditionEditor::Switch*> ConditionEditor::Switches() const {
  if (HasAdditional()) {
    return {&main_, &additional_};
  }
  return {&main_};
}

void ConditionEditor::ConnectHandlers(const Switch& s) {
  const int i = s.index;
  connect(s.chk_cond, &QCheckBox::clicked, this,
          [this, i] { chk_cond_Click(i); });
  connect(s.txt_var, &QLineEdit::textEdited, this,
          [this, i] { txt_var_Change(i); });
  connect(s.cmd_copyvar, &QPushButton::clicked, this,
          [this, i] { cmd_copyvar_Click(i); });
  // The additional condition's limits are lines 11 and 12 of the file,
  // beside the secondary condition's.
  WriteOnEdit(s.txt_var_min, &ConditionOf(s).txt_var_min);
  WriteOnEdit(s.txt_var_max, &ConditionOf(s).txt_var_max);
}

void ConditionEditor::Start() {
  for (int row = 1; row <= variables_->VariableCount(); ++row) {
    cmb_var->addItem(FromBytes(variables_->DisplayName(row)));
  }
  cmb_var->setCurrentIndex(-1);
  cmb_var->setEditText(tr("Select variable"));
  Draw();
  for (const Switch* s : Switches()) {
    ShowEnabled(*s);
  }
}

void ConditionEditor::Draw() {
  for (const Switch* s : Switches()) {
    const ConditionSettings& condition = ConditionOf(*s);
    const bool on = condition.chk_cond == kTicked;
    if (s->chk_cond->isChecked() != on) {
      s->chk_cond->setChecked(on);
      ShowEnabled(*s);
    }
    if (ShowText(s->txt_var, condition.txt_var)) {
      ShowVariableInList(*variables_, s->txt_var, cmb_var);
    }
    ShowText(s->txt_var_min, condition.txt_var_min);
    ShowText(s->txt_var_max, condition.txt_var_max);
  }
  const ConditionSettings& condition = Condition();
  std::array<QLineEdit*, 7> boxes = BoxFields();
  for (int b = 0; b < 6; ++b) {
    ShowText(boxes[b], condition.txt_box[b]);
  }
  ShowText(boxes[6], condition.txt_rot);
  QRadioButton* button = condition.opt_kind == ConditionKind::kBetween ? opt_con
                         : condition.opt_kind == ConditionKind::kMask ? opt_mask
                                                                      : opt_box;
  button->setChecked(true);
  ShowKind(condition.opt_kind);
}

const ConditionEditor::Switch& ConditionEditor::SwitchOf(int index) const {
  return index == main_.index ? main_ : additional_;
}

ConditionSettings& ConditionEditor::ConditionOf(const Switch& s) const {
  return record_->ConditionOfCheckBox(s.index);
}

ConditionSettings& ConditionEditor::Condition() const {
  return record_->ConditionOfCheckBox(index_);
}

std::array<QLineEdit*, 7> ConditionEditor::BoxFields() const {
  return {txt_box_xmin, txt_box_xmax, txt_box_ymin, txt_box_ymax,
          txt_box_zmin, txt_box_zmax, txt_rot};
}

void ConditionEditor::chk_cond_Click(int index) {
  const Switch& s = SwitchOf(index);
  ConditionOf(s).chk_cond = s.chk_cond->isChecked() ? kTicked : 0;
  ShowEnabled(s);
}

void ConditionEditor::ShowEnabled(const Switch& s) {
  const bool on = s.chk_cond->isChecked();
  s.txt_var->setEnabled(on);
  s.cmd_copyvar->setEnabled(on);
  if (&s == &additional_) {
    // The list is shared with the animation condition.
    if (on || !main_.chk_cond->isChecked()) {
      cmb_var->setEnabled(on);
    }
  } else {
    cmb_var->setEnabled(on);
    for (QWidget* w : std::initializer_list<QWidget*>{
             txt_rot, txt_box_xmin, txt_box_xmax, txt_box_ymin, txt_box_ymax,
             txt_box_zmin, txt_box_zmax, opt_con, opt_box, opt_mask}) {
      w->setEnabled(on);
    }
  }
  s.txt_var_min->setEnabled(on);
  s.txt_var_max->setEnabled(on);
}

void ConditionEditor::ShowLimits(const Switch& s, ConditionKind kind,
                                 const QString& minimum_caption) {
  const bool variable = kind != ConditionKind::kBoundingBox;
  for (QWidget* w : std::initializer_list<QWidget*>{
           s.txt_var, s.cmd_copyvar, s.txt_var_min, s.minimum_label}) {
    w->setVisible(variable);
  }
  s.txt_var_max->setVisible(kind == ConditionKind::kBetween);
  s.maximum_label->setVisible(kind == ConditionKind::kBetween);
  if (variable) {
    s.minimum_label->setText(minimum_caption);
  }
  if (&s == &additional_) {
    s.chk_cond->setVisible(variable);
    return;
  }
  cmb_var->setVisible(variable);
  if (index_ == 1) {
    // Page 1's "Variable:" stays shown in every mode.
    variable_label_->setVisible(variable);
  }
}

void ConditionEditor::ShowKind(ConditionKind kind) {
  const QString minimum_caption = kind == ConditionKind::kBetween
                                      ? tr("Minimum value:")
                                  : kind == ConditionKind::kMask ? tr("Value:")
                                                                 : QString();
  for (const Switch* s : Switches()) {
    ShowLimits(*s, kind, minimum_caption);
  }
  const bool box = kind == ConditionKind::kBoundingBox;
  for (QLineEdit* field : BoxFields()) {
    field->setVisible(box);
  }
  for (QLabel* label : box_labels_) {
    label->setVisible(box);
  }
}

void ConditionEditor::ChooseKind(ConditionKind kind) {
  record_->SelectKind(index_, kind);
  Draw();
}

void ConditionEditor::opt_con_Click() {
  ChooseKind(ConditionKind::kBetween);
}

void ConditionEditor::opt_mask_Click() {
  ChooseKind(ConditionKind::kMask);
}

void ConditionEditor::opt_box_Click() {
  ChooseKind(ConditionKind::kBoundingBox);
}

void ConditionEditor::cmd_copyvar_Click(int index) {
  const std::string offset = SelectedVariableOffset(*variables_, cmb_var);
  if (!offset.empty()) {
    ConditionOf(SwitchOf(index)).txt_var = offset;
    Draw();
  }
}

void ConditionEditor::txt_var_Change(int index) {
  const Switch& s = SwitchOf(index);
  ConditionOf(s).txt_var = Bytes(s.txt_var->text());
  ShowVariableInList(*variables_, s.txt_var, cmb_var);
}

std::string SelectedVariableOffset(const VariableTable& variables,
                                   const QComboBox* list) {
  if (list->currentIndex() < 0) {
    return std::string();
  }
  int row = variables.RowOfName(Bytes(list->itemText(list->currentIndex())));
  return row != VariableTable::kNone ? variables.OffsetText(row)
                                     : std::string();
}

void ShowVariableInList(const VariableTable& variables, const QLineEdit* box,
                        QComboBox* list) {
  int row = variables.RowOfOffset(Bytes(box->text()));
  if (row != VariableTable::kNone) {
    list->setCurrentIndex(row - 1);
  }
}

}  // namespace zum
