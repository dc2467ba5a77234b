#ifndef ZUM_WIZARD_CONDITION_EDITOR_H_
#define ZUM_WIZARD_CONDITION_EDITOR_H_

#include <array>
#include <string>
#include <vector>

#include <QWidget>

#include "engine/job.h"
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
// The editor shows its conditions of the window's SettingsRecord and writes
// the user's changes into it; a rule that a change carries out (the
// bounding box unticking the additional condition) is the record's. The
// check boxes enable and disable fields; the kind buttons show and hide
// them. The handlers run for the user's changes only (see record_boxes.h).
class ConditionEditor : public QWidget {
  Q_OBJECT

 public:
  // INDEX 0 or 1. VARIABLES and RECORD must outlive the editor.
  ConditionEditor(int index, const VariableTable* variables,
                  SettingsRecord* record, QWidget* parent = nullptr);

  // Fills the list from the variable table, draws the record and sets
  // every field's enabled and shown state.
  void Start();
  // Shows the record's values. A check box that changes enables or disables
  // its fields as its click does, in the order of the settings file (the
  // condition, then the additional condition): the shared list follows the
  // box that changed last. The kind's fields are shown.
  void Draw();

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
  // The record's condition of the switch S, and of the editor.
  ConditionSettings& ConditionOf(const Switch& s) const;
  ConditionSettings& Condition() const;
  // The boxes of the editor's kind fields, in the order of txt_box, then
  // the rotation.
  std::array<QLineEdit*, 7> BoxFields() const;
  // The user chose KIND: the record selects it, and the editor shows it.
  void ChooseKind(ConditionKind kind);
  // Enables or disables the fields of S as its check box stands.
  void ShowEnabled(const Switch& s);
  // Shows and hides the fields for KIND.
  void ShowKind(ConditionKind kind);
  // Shows the limits for KIND (none for the bounding box), with the
  // minimum's label reading MINIMUM_CAPTION.
  void ShowLimits(const Switch& s, ConditionKind kind,
                  const QString& minimum_caption);

  const int index_;
  const VariableTable* variables_;
  SettingsRecord* record_;
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

// The copy button's work: the offset of the variable selected in LIST;
// empty when no entry is selected or it names no variable.
std::string SelectedVariableOffset(const VariableTable& variables,
                                   const QComboBox* list);
// A changed variable box: selects the variable whose offset BOX holds in
// LIST; an unknown offset leaves the list as it is.
void ShowVariableInList(const VariableTable& variables, const QLineEdit* box,
                        QComboBox* list);

}  // namespace zum

#endif  // ZUM_WIZARD_CONDITION_EDITOR_H_
