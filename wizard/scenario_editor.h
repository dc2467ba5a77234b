#ifndef ZUM_WIZARD_SCENARIO_EDITOR_H_
#define ZUM_WIZARD_SCENARIO_EDITOR_H_

#include <string>

#include <QString>
#include <QWidget>

#include "engine/status.h"
#include "preview/scenario.h"
#include "settings/variable_table.h"

class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace zum {

class Dialogs;

// The preview window's scenario as the user edits it: a table with one
// change a row (time in seconds, variable, the variable's name from the
// variable table, value; "viewer" with "X Y Z" in metres for box
// conditions), the length and the start tick, and buttons that add and
// remove rows, open and save scenario files and bring back the scenario
// made from the code. Each row and box reads as a line of a scenario file
// does (preview/scenario.h); an empty row is passed over.
//
// Every change of a row, a box or the rows emits ScenarioEdited; showing a
// scenario by code does not. Files are chosen through the Dialogs, which
// also tell a file that cannot be read or written.
class ScenarioEditor : public QWidget {
  Q_OBJECT

 public:
  // DIALOGS and VARIABLES must outlive the editor.
  ScenarioEditor(Dialogs* dialogs, const VariableTable* variables,
                 QWidget* parent = nullptr);

  // Shows SCENARIO in the table and the boxes.
  void ShowScenario(const Scenario& scenario);
  // The scenario that "Default" brings back, shown at once.
  void SetDefaultScenario(const Scenario& scenario);

  // The scenario as the table and the boxes hold it into *SCENARIO. A row
  // or box that does not read is an error "Row N: message" (N from 1),
  // "Length: message" or "Start tick: message".
  Status TakeScenario(Scenario* scenario) const;

  // The file that Save offers first.
  void SetSuggestedFile(const QString& path) { suggested_file_ = path; }
  // The time that Add row gives a new row: the preview's cursor.
  void SetCursorTime(double seconds) { cursor_time_ = seconds; }

  // Handlers.
  void cmd_row_add_Click();
  void cmd_row_remove_Click();
  void cmd_scenario_open_Click();
  void cmd_scenario_save_Click();
  void cmd_scenario_default_Click();
  void tbl_scenario_Change(QTableWidgetItem* item);

 signals:
  void ScenarioEdited();

 private:
  // Fills row ROW with TIME, NAME and VALUE, and the name column.
  void SetRow(int row, const QString& time, const QString& name,
              const QString& value);
  void ShowVariableName(int row);

  Dialogs* dialogs_;
  const VariableTable* variables_;
  Scenario default_;
  QString suggested_file_;
  double cursor_time_ = 0;

  QTableWidget* tbl_scenario = nullptr;
  QLineEdit* txt_scenario_seconds = nullptr;
  QLineEdit* txt_scenario_start_tick = nullptr;
  QPushButton* cmd_row_add = nullptr;
  QPushButton* cmd_row_remove = nullptr;
  QPushButton* cmd_scenario_open = nullptr;
  QPushButton* cmd_scenario_save = nullptr;
  QPushButton* cmd_scenario_default = nullptr;
};

}  // namespace zum

#endif  // ZUM_WIZARD_SCENARIO_EDITOR_H_
