#include "wizard/scenario_editor.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include "wizard/testing.h"

namespace zum {
namespace {

// The editor alone, with scripted dialogs. The window cases drive it inside
// the preview window.
class ScenarioEditorTest : public ::testing::Test {
 protected:
  ScenarioEditorTest() : editor_(&dialogs_, &variables_) {
    variables_.AddBuiltInVariables();
    table_ = editor_.findChild<QTableWidget*>("tbl_scenario");
  }

  // The scenario of LINES, as a file would give it.
  static Scenario Lines(const std::vector<std::string>& lines) {
    Scenario scenario;
    int number = 0;
    for (const std::string& line : lines) {
      EXPECT_TRUE(ReadScenarioLine(line, "s", ++number, &scenario).ok())
          << line;
    }
    return scenario;
  }

  std::string Taken() {
    Scenario scenario;
    const Status status = editor_.TakeScenario(&scenario);
    return status.ok() ? ScenarioText(scenario) : status.message();
  }

  std::string Row(int row) const {
    std::string text;
    for (int column = 0; column < table_->columnCount(); ++column) {
      text += (column == 0 ? "" : "|") +
              table_->item(row, column)->text().toStdString();
    }
    return text;
  }

  void SetBox(const char* name, const char* text) {
    editor_.findChild<QLineEdit*>(name)->setText(QString::fromUtf8(text));
  }

  testing::ScriptedDialogs dialogs_;
  VariableTable variables_;
  ScenarioEditor editor_;
  QTableWidget* table_ = nullptr;
};

TEST_F(ScenarioEditorTest, AScenarioShownIsTakenBackAsItWas) {
  const Scenario scenario =
      Lines({"seconds 25", "start_tick 40", "0 0282h 1", "2.5 viewer 1 -2 3.5",
             "3 USERVAR 7", "4 0312h -1"});
  QSignalSpy edited(&editor_, &ScenarioEditor::ScenarioEdited);
  editor_.ShowScenario(scenario);
  EXPECT_EQ(edited.count(), 0);
  ASSERT_EQ(table_->rowCount(), 4);
  EXPECT_EQ(Row(0), "0|0282h|Beacon|1");
  EXPECT_EQ(Row(1),
            "2.5|viewer|the viewer's position: x y z in metres|1 -2 3.5");
  EXPECT_EQ(Row(2), "3|USERVAR||7");  // a symbol the table does not name
  EXPECT_EQ(Row(3), "4|0312h|User variable 1|-1");
  EXPECT_EQ(Taken(), ScenarioText(scenario));
  // The name column is not for typing.
  EXPECT_FALSE(table_->item(0, 2)->flags() & Qt::ItemIsEditable);
}

TEST_F(ScenarioEditorTest, EachEditIsOneChangeAndNamesItsVariable) {
  editor_.ShowScenario(Lines({"1 0282h 1"}));
  QSignalSpy edited(&editor_, &ScenarioEditor::ScenarioEdited);
  table_->item(0, 1)->setText("282H");  // the same offset written otherwise
  EXPECT_EQ(edited.count(), 1);
  EXPECT_EQ(Row(0), "1|282H|Beacon|1");
  table_->item(0, 1)->setText("0312h");
  EXPECT_EQ(Row(0), "1|0312h|User variable 1|1");
  SetBox("txt_scenario_seconds", "12");
  EXPECT_EQ(edited.count(), 3);
  EXPECT_EQ(Taken(), "seconds 12\n1 0312h 1\n");
}

TEST_F(ScenarioEditorTest, WhatDoesNotReadIsNamedWithItsRowOrBox) {
  editor_.ShowScenario(Lines({"1 0282h 1", "2 0282h 0"}));
  table_->item(1, 3)->setText("on");
  EXPECT_EQ(Taken(),
            "Row 2: the value 'on' is no 16-bit number (-32768 to 65535)");
  table_->item(1, 3)->setText("0");
  SetBox("txt_scenario_seconds", "0");
  EXPECT_EQ(Taken(),
            "Length: the length must lie above 0 and at most 3600 s, found "
            "'0'");
  SetBox("txt_scenario_seconds", "");
  SetBox("txt_scenario_start_tick", "1.5");
  EXPECT_EQ(Taken(),
            "Start tick: the start tick must be a whole number from 0, found "
            "'1.5'");
  SetBox("txt_scenario_start_tick", " ");
  EXPECT_EQ(Taken(), "1 0282h 1\n2 0282h 0\n");
}

TEST_F(ScenarioEditorTest, RowsAddedAtTheCursorAndRemoved) {
  QSignalSpy edited(&editor_, &ScenarioEditor::ScenarioEdited);
  auto* add = editor_.findChild<QPushButton*>("cmd_row_add");
  auto* remove = editor_.findChild<QPushButton*>("cmd_row_remove");
  remove->click();  // nothing to remove
  EXPECT_EQ(edited.count(), 0);
  // Without rows a new row is empty but for its time.
  editor_.SetCursorTime(2.5);
  add->click();
  EXPECT_EQ(Row(0), "2.50|||");
  EXPECT_EQ(Taken(), "Row 1: expected a variable or viewer after the time");
  table_->item(0, 1)->setText("0282h");
  table_->item(0, 3)->setText("1");
  // Later rows copy the selected one.
  editor_.SetCursorTime(7);
  add->click();
  EXPECT_EQ(Row(1), "7.00|0282h|Beacon|1");
  EXPECT_EQ(table_->currentRow(), 1);
  remove->click();
  EXPECT_EQ(table_->rowCount(), 1);
  EXPECT_EQ(edited.count(), 5);
  EXPECT_TRUE(dialogs_.shown.empty());
}

}  // namespace
}  // namespace zum
