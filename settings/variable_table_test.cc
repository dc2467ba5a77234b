#include "settings/variable_table.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/testing.h"

namespace zum {
namespace {

TEST(VariableTableTest, BuiltInRowsAreTheListedOnesInOrder) {
  VariableTable table;
  table.AddBuiltInVariables();
  std::string listed;
  for (const testing::CaseRow& row :
       testing::ReadCaseRows(ZUM_SETTINGS_TESTDATA "/variable_table.txt")) {
    listed += row.input + " => " + row.expected + "\n";
  }
  std::string built;
  for (int row = 1; row <= table.VariableCount(); ++row) {
    built += table.DisplayName(row) + " => " + table.OffsetText(row) + "\n";
  }
  EXPECT_EQ(built, listed);
  EXPECT_EQ(table.RowOfName("Beacon"), 2);
  EXPECT_EQ(table.RowOfOffset("0C74h"), 25);
  EXPECT_EQ(table.RowOfOffset("0c74h"), VariableTable::kNone);
}

TEST(VariableTableTest, AFullTableRefusesMoreAndTheLastMatchWins) {
  VariableTable table;
  table.AddBuiltInVariables();
  while (table.VariableCount() < VariableTable::kCapacity) {
    ASSERT_TRUE(table.AddVariable("Beacon", "0282h"));
  }
  EXPECT_FALSE(table.AddVariable("One too many", "0001h"));
  EXPECT_EQ(table.VariableCount(), VariableTable::kCapacity);
  EXPECT_EQ(table.RowOfName("Beacon"), VariableTable::kCapacity);
  EXPECT_EQ(table.RowOfName("One too many"), VariableTable::kNone);
}

}  // namespace
}  // namespace zum
