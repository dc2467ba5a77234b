#ifndef ZUM_WIZARD_CONDITION_PAGE_H_
#define ZUM_WIZARD_CONDITION_PAGE_H_

#include <array>

#include <QWidget>

#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/variable_table.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace zum {

class ConditionEditor;

// Page 1 (INDEX 0: the animation condition with the additional condition,
// and the choice of what they apply to) or page 2 (INDEX 1: the trigger):
// the page's text over one ConditionEditor.
class ConditionPage : public QWidget {
  Q_OBJECT

 public:
  // VARIABLES must outlive the page.
  ConditionPage(int index, const VariableTable* variables,
                QWidget* parent = nullptr);

  // Sets the design state of the editor through its own handlers.
  void Start();

  // Puts the page's values into RECORD.
  void SaveInto(SettingsRecord* record) const;
  // Sets the control of VALUE's line if it is one of this page's, as the
  // user would; returns false for the lines of other pages.
  bool Assign(const SettingsValue& value);

 private:
  ConditionEditor* editor_ = nullptr;
  QLabel* page_text_ = nullptr;  // Label13 or Label15
  // Page 1 only.
  QGroupBox* Frame2 = nullptr;
  std::array<QRadioButton*, 2> opt_condapply{};
};

}  // namespace zum

#endif  // ZUM_WIZARD_CONDITION_PAGE_H_
