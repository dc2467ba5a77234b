#ifndef ZUM_WIZARD_CONDITION_PAGE_H_
#define ZUM_WIZARD_CONDITION_PAGE_H_

#include <array>

#include <QWidget>

#include "settings/settings_record.h"
#include "settings/variable_table.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace zum {

class ConditionEditor;

// Page 1 (INDEX 0: the animation condition with the additional condition,
// and the choice of what they apply to) or page 2 (INDEX 1: the trigger):
// the page's text over one ConditionEditor. The page shows its part of the
// window's SettingsRecord and writes the user's changes into it.
class ConditionPage : public QWidget {
  Q_OBJECT

 public:
  // VARIABLES and RECORD must outlive the page.
  ConditionPage(int index, const VariableTable* variables,
                SettingsRecord* record, QWidget* parent = nullptr);

  // Fills the editor's list and shows the record, each field enabled and
  // shown as the record's check boxes and kind say.
  void Start();
  // Shows the record's values (ConditionEditor::Draw).
  void Draw();

  // Handler: the user chose "Apply to animation trigger" (INDEX 0) or
  // "Apply to animation" (1).
  void opt_condapply_Click(int index);

 private:
  SettingsRecord* record_;
  ConditionEditor* editor_ = nullptr;
  QLabel* page_text_ = nullptr;  // Label13 or Label15
  // Page 1 only.
  QGroupBox* Frame2 = nullptr;
  std::array<QRadioButton*, 2> opt_condapply{};
};

}  // namespace zum

#endif  // ZUM_WIZARD_CONDITION_PAGE_H_
