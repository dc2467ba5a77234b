#ifndef ZUM_WIZARD_CONDITION_EDITOR_H_
#define ZUM_WIZARD_CONDITION_EDITOR_H_

#include <array>
#include <vector>

#include <QWidget>

#include "engine/job.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/variable_table.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zum {

// A condition editor: a check box that switches the condition on, a
// variable chosen from a list or typed, the kind buttons (between, mask,
// bounding box) and the fields each kind shows. Editor 0 is the animation
// condition, with the additional condition beside it, which shares its list
// and follows its kind; editor 1 is the trigger. The controls keep the
// system's names and control-array indices (chk_cond_3 is the additional
// condition's check box), and so do the handlers, which take the index of
// the control that raised them.
//
// The check boxes enable and disable fields; the kind buttons show and hide
// them. Every handler runs whether the user or the program changed the
// control; where Qt stays silent (selecting a kind button that is already
// selected) SelectKind() runs the handler itself.
class ConditionEditor : public QWidget {
  Q_OBJECT

 public:
  // INDEX 0 or 1. VARIABLES must outlive the editor.
  ConditionEditor(int index, const VariableTable* variables,
                  QWidget* parent = nullptr);

  // Fills the list from the variable table and sets the design state of the
  // controls through their own handlers.
  void Start();

  ConditionKind Kind() const;
  // Selects the kind button of KIND and runs its handler, also when the
  // button was already selected.
  void SelectKind(ConditionKind kind);

  // Puts this editor's values into RECORD.
  void SaveInto(SettingsRecord* record) const;
  // Sets the control of VALUE's line if it is one of this editor's, as the
  // user would; returns false for the lines of other controls.
  bool Assign(const SettingsValue& value);

  // Handlers, named control + event; INDEX as in the control's name.
  void chk_cond_Click(int index);
  void opt_con_Click();
  void opt_mask_Click();
  void opt_box_Click();
  void cmd_copyvar_Click(int index);
  void txt_var_Change(int index);

 private:
  // A switch with its variable and limits: the condition itself, or the
  // additional condition. INDEX names the check box, the variable box and
  // the copy button; LIMITS the minimum and maximum boxes.
  struct Switch {
    int index = -1;
    int limits = -1;
    QCheckBox* chk_cond = nullptr;
    QLineEdit* txt_var = nullptr;
    QPushButton* cmd_copyvar = nullptr;
    QLineEdit* txt_var_min = nullptr;
    QLineEdit* txt_var_max = nullptr;
    QLabel* minimum_label = nullptr;
    QLabel* maximum_label = nullptr;
  };

  // The controls of a switch, named after INDEX and LIMITS, its limits'
  // labels named MINIMUM_LABEL and MAXIMUM_LABEL.
  static Switch NewSwitch(int index, int limits, const QString& caption,
                          const QString& copy_caption,
                          const char* minimum_label, const char* maximum_label);
  // The condition's switch, then the additional condition's if there is one.
  std::vector<const Switch*> Switches() const;
  QWidget* BuildKindButtons();
  void AddBoxFields(QGridLayout* grid, int first_row);
  void SetTabOrder();
  void ConnectHandlers(const Switch& s);
  bool HasAdditional() const { return additional_.chk_cond != nullptr; }
  const Switch& SwitchOf(int index) const;
  QLineEdit* TextBox(SettingsField field, int index) const;
  // Shows the limits for KIND (none for the bounding box), with the
  // minimum's label reading MINIMUM_CAPTION.
  void ShowLimits(const Switch& s, ConditionKind kind,
                  const QString& minimum_caption);
  void SetBoxFieldsEnabled(bool on);
  void SetBoxFieldsShown(bool shown);

  const int index_;
  const VariableTable* variables_;
  Switch main_;
  Switch additional_;  // editor 0 only
  QComboBox* cmb_var = nullptr;
  // "Variable:"; the trigger's hides with its variable box, the animation
  // condition's stays shown in every mode.
  QLabel* variable_label_ = nullptr;
  QRadioButton* opt_con = nullptr;
  QRadioButton* opt_mask = nullptr;
  QRadioButton* opt_box = nullptr;
  QButtonGroup* kind_group_ = nullptr;
  QLineEdit* txt_box_xmin = nullptr;
  QLineEdit* txt_box_xmax = nullptr;
  QLineEdit* txt_box_ymin = nullptr;
  QLineEdit* txt_box_ymax = nullptr;
  QLineEdit* txt_box_zmin = nullptr;
  QLineEdit* txt_box_zmax = nullptr;
  QLineEdit* txt_rot = nullptr;
  // Label4 "Min", Label27 "Max", Label28..Label30 the axes, Label31
  // "Rotation".
  std::array<QLabel*, 6> box_labels_{};
};

// The copy button's work: puts the offset of the variable selected in LIST
// into BOX; nothing when no entry is selected or it names no variable.
void CopySelectedVariable(const VariableTable& variables, const QComboBox* list,
                          QLineEdit* box);
// A changed variable box: selects the variable whose offset BOX holds in
// LIST; an unknown offset leaves the list as it is.
void ShowVariableInList(const VariableTable& variables, const QLineEdit* box,
                        QComboBox* list);

}  // namespace zum

#endif  // ZUM_WIZARD_CONDITION_EDITOR_H_
