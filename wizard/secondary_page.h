#ifndef ZUM_WIZARD_SECONDARY_PAGE_H_
#define ZUM_WIZARD_SECONDARY_PAGE_H_

#include <QWidget>

#include "settings/settings_file.h"
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
// controls (chk_cond_2), and so do the handlers.
class SecondaryPage : public QWidget {
  Q_OBJECT

 public:
  // VARIABLES must outlive the page.
  explicit SecondaryPage(const VariableTable* variables,
                         QWidget* parent = nullptr);

  // Fills the list and sets the design state through the handlers.
  void Start();

  bool IsOn() const;
  // The number of animations as the source file page takes it: the box's
  // whole number, 1 when it holds none (the page's check refuses that).
  int AnimationCount() const;
  // Entering the source file page: without the secondary condition there
  // is one animation, and the box says so.
  void CountOneAnimationWhenOff();
  // Raises the number of animations to LAST when it is lower (files filled
  // in beyond it).
  void RaiseAnimationCount(int last);

  // Puts the page's values into RECORD.
  void SaveInto(SettingsRecord* record) const;
  // Sets the control of VALUE's line if it is one of this page's, as the
  // user would; returns false for the lines of other pages.
  bool Assign(const SettingsValue& value);

  // Handlers, named control + event; the controls have index 2 only.
  void chk_cond_Click();
  void cmd_copyvar_Click();
  void txt_var_Change();

 private:
  const VariableTable* variables_;
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
