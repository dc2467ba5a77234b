#include "wizard/secondary_page.h"

#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "wizard/condition_editor.h"
#include "wizard/named_controls.h"
#include "wizard/record_boxes.h"
#include "wizard/text_bytes.h"

namespace zum {

namespace {
constexpr int kIndex = 2;  // of the condition controls
}  // namespace

SecondaryPage::SecondaryPage(const VariableTable* variables,
                             SettingsRecord* record, QWidget* parent)
    : QWidget(parent), variables_(variables), record_(record) {
  auto* layout = new QVBoxLayout(this);
  Label16 = NewPageText(
      tr("The secondary condition can be used to select a different "
         "animation depending on the value of the variable. This can for "
         "example be used to get different gate animations for different "
         "aircraft types."),
      "Label16");
  layout->addWidget(Label16);
  chk_cond_2 = Named(new QCheckBox(tr("Enable &secondary condition")),
                     "chk_cond", kIndex);
  txt_var_2 = NewField("txt_var", kIndex);
  AddWarningMark(txt_var_2, MarkedBox::kPasted);
  cmd_copyvar_2 = NewCopyButton(tr("<"), kIndex);
  cmb_var_2 = NewVariableList(kIndex);
  txt_num_secondanim = NewField("txt_num_secondanim");
  txt_num_secondanim->setMaximumWidth(80);
  txt_num_secondanim->setMinimumWidth(80);
  Label25 = NewLabel(tr("Variable:"), "Label25");
  // "ofanimations" is the system's own spelling, kept as users know it.
  Label26 = NewLabel(tr("Number ofanimations (max 50):"), "Label26");
  Label25->setBuddy(txt_var_2);
  Label26->setBuddy(txt_num_secondanim);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->addWidget(chk_cond_2, 0, 0, 1, 4);
  grid->addWidget(Label25, 1, 0);
  grid->addWidget(txt_var_2, 1, 1);
  grid->addWidget(cmd_copyvar_2, 1, 2);
  grid->addWidget(cmb_var_2, 1, 3);
  grid->addWidget(Label26, 2, 0);
  grid->addWidget(txt_num_secondanim, 2, 1);
  grid->setColumnStretch(4, 1);
  layout->addLayout(grid);

  connect(chk_cond_2, &QCheckBox::clicked, this, [this] { chk_cond_Click(); });
  connect(txt_var_2, &QLineEdit::textEdited, this,
          [this] { txt_var_Change(); });
  WriteOnEdit(txt_num_secondanim, &record_->txt_num_secondanim);
  connect(cmd_copyvar_2, &QPushButton::clicked, this,
          [this] { cmd_copyvar_Click(); });
}

void SecondaryPage::Start() {
  for (int row = 1; row <= variables_->VariableCount(); ++row) {
    cmb_var_2->addItem(FromBytes(variables_->DisplayName(row)));
  }
  cmb_var_2->setCurrentIndex(-1);
  cmb_var_2->setEditText(tr("Select variable"));
  Draw();
  ShowEnabled();
}

void SecondaryPage::Draw() {
  const bool on = record_->secondary.chk_cond == kTicked;
  if (chk_cond_2->isChecked() != on) {
    chk_cond_2->setChecked(on);
    ShowEnabled();
  }
  if (ShowText(txt_var_2, record_->secondary.txt_var)) {
    ShowVariableInList(*variables_, txt_var_2, cmb_var_2);
  }
  ShowText(txt_num_secondanim, record_->txt_num_secondanim);
}

void SecondaryPage::chk_cond_Click() {
  // Ticked with no number of animations, the number reads "1".
  record_->TickSecondary(chk_cond_2->isChecked());
  ShowText(txt_num_secondanim, record_->txt_num_secondanim);
  ShowEnabled();
}

void SecondaryPage::ShowEnabled() {
  const bool on = chk_cond_2->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{
           txt_var_2, cmd_copyvar_2, cmb_var_2, txt_num_secondanim}) {
    w->setEnabled(on);
  }
}

void SecondaryPage::cmd_copyvar_Click() {
  const std::string offset = SelectedVariableOffset(*variables_, cmb_var_2);
  if (!offset.empty()) {
    record_->secondary.txt_var = offset;
    Draw();
  }
}

void SecondaryPage::txt_var_Change() {
  record_->secondary.txt_var = Bytes(txt_var_2->text());
  ShowVariableInList(*variables_, txt_var_2, cmb_var_2);
}

}  // namespace zum
