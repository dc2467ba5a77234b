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
                             SettingsRecord* record, QWidget* parent)
    : QWidget(parent), record_(record) {
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
  editor_ = new ConditionEditor(index, variables, record);
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
  for (int k = 0; k < 2; ++k) {
    connect(opt_condapply[k], &QRadioButton::clicked, this,
            [this, k] { opt_condapply_Click(k); });
  }
  layout->addSpacing(8);
  layout->addWidget(Frame2);
}

void ConditionPage::Start() {
  editor_->Start();
  Draw();
}

void ConditionPage::Draw() {
  editor_->Draw();
  if (opt_condapply[0] != nullptr) {
    // The window's record always holds a choice; without one the first
    // button stays selected, as at start.
    opt_condapply[record_->opt_condapply0.value_or(true) ? 0 : 1]->setChecked(
        true);
  }
}

void ConditionPage::opt_condapply_Click(int index) {
  record_->opt_condapply0 = index == 0;
}

}  // namespace zum
