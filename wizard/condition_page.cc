#include "wizard/condition_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "wizard/condition_editor.h"
#include "wizard/named_controls.h"

namespace zum {

ConditionPage::ConditionPage(int index, const VariableTable* variables,
                             QWidget* parent)
    : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  page_text_ =
      index == 0
          ? NewPageText(
                tr("With the animation condition you can set a condition on "
                   "the total animation. This can for example be used to "
                   "only show the animation when you are closer than a "
                   "certain distance."),
                "Label13")
          : NewPageText(
                tr("The animation trigger is the condition that will start "
                   "the animation. When this condition is no longer valid "
                   "the reverse animation will be started."),
                "Label15");
  layout->addWidget(page_text_);
  editor_ = new ConditionEditor(index, variables);
  layout->addWidget(editor_);
  if (index != 0) {
    return;
  }

  Frame2 = Named(new QGroupBox, "Frame2");
  auto* apply = new QHBoxLayout(Frame2);
  opt_condapply[0] = Named(new QRadioButton(tr("Apply to animation trigger")),
                           "opt_condapply", 0);
  opt_condapply[1] =
      Named(new QRadioButton(tr("Apply to animation")), "opt_condapply", 1);
  apply->addWidget(opt_condapply[0]);
  apply->addSpacing(24);
  apply->addWidget(opt_condapply[1]);
  apply->addStretch(1);
  // What each choice makes the generated model do.
  opt_condapply[0]->setToolTip(
      tr("The animation condition and the additional condition gate the "
         "trigger:\nwhile either fails, the trigger is not tested and the "
         "object rests at its first frame.\nWithout the animation trigger "
         "they are always applied to the animation."));
  opt_condapply[1]->setToolTip(
      tr("The animation condition and the additional condition decide what "
         "is drawn:\nwhile either fails, the first frame is shown (of "
         "animation 1 with the secondary condition),\nand the trigger goes "
         "on unseen; once both hold, the animation shows where it has got "
         "to."));
  opt_condapply[0]->setChecked(true);
  layout->addSpacing(8);
  layout->addWidget(Frame2);
}

void ConditionPage::Start() {
  editor_->Start();
}

void ConditionPage::SaveInto(SettingsRecord* record) const {
  editor_->SaveInto(record);
  if (opt_condapply[0] != nullptr) {
    record->opt_condapply0 = opt_condapply[0]->isChecked();
  }
}

bool ConditionPage::Assign(const SettingsValue& value) {
  if (editor_->Assign(value)) {
    return true;
  }
  if (value.slot.kind == SettingsLineKind::kApplyTo &&
      opt_condapply[0] != nullptr) {
    opt_condapply[value.number == 0 ? 0 : 1]->setChecked(true);
    return true;
  }
  return false;
}

}  // namespace zum
