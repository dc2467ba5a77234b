#ifndef ZUM_WIZARD_SECONDARY_PAGE_H_
#define ZUM_WIZARD_SECONDARY_PAGE_H_

#include <QWidget>

#include "settings/settings_record.h"
#include "settings/variable_table.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zum {

// Page 3, the secondary condition: its check box, its variable with the
// list and the copy button, and the number of animations, which the source
// file page shows rows for. The controls have index 2 of the condition
// controls (chk_cond_2), and so do the handlers. The page shows its part of
// the window's SettingsRecord and writes the user's changes into it.
class SecondaryPage : public QWidget {
  Q_OBJECT

 public:
  // VARIABLES and RECORD must outlive the page.
  SecondaryPage(const VariableTable* variables, SettingsRecord* record,
                QWidget* parent = nullptr);

  // Fills the list and shows the record, the fields enabled as the check
  // box says.
  void Start();
  // Shows the record's values.
  void Draw();

  // Handlers, named control + event; the controls have index 2 only.
  void chk_cond_Click();
  void cmd_copyvar_Click();
  void txt_var_Change();

 private:
  // Enables or disables the fields as the check box stands.
  void ShowEnabled();

  const VariableTable* variables_;
  SettingsRecord* record_;
  QLabel* Label16 = nullptr;  // the page's text
  QCheckBox* chk_cond_2 = nullptr;
  QLineEdit* txt_var_2 = nullptr;
  QPushButton* cmd_copyvar_2 = nullptr;
  QComboBox* cmb_var_2 = nullptr;
  QLabel* Label25 = nullptr;  // "Variable:"
  QLabel* Label26 = nullptr;  // the number of animations
  QLineEdit* txt_num_secondanim = nullptr;
};

}  // namespace zum

#endif  // ZUM_WIZARD_SECONDARY_PAGE_H_
