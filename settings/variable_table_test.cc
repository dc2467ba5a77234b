#include "settings/variable_table.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/testing.h"

namespace zum {
namespace {

// The rows are compiled in from variable_table.txt: all of its lines, in
// its order, each name and offset found again by the lookups.
TEST(VariableTableTest, BuiltInRowsAreTheListedOnesInOrder) {
  VariableTable table;
  table.AddBuiltInVariables();
  std::string listed;
  for (const testing::CaseRow& row :
       testing::ReadCaseRows(ZUM_VARIABLE_TABLE)) {
    listed += row.input + " => " + row.expected + "\n";
  }
  std::string built;
  for (int row = 1; row <= table.VariableCount(); ++row) {
    built += table.DisplayName(row) + " => " + table.OffsetText(row) + "\n";
    EXPECT_EQ(table.RowOfName(table.DisplayName(row)), row);
    EXPECT_EQ(table.RowOfOffset(table.OffsetText(row)), row);
    // An offset as the code pastes it: four hexadecimal digits and "h".
    EXPECT_EQ(table.OffsetText(row).size(), 5u) << table.OffsetText(row);
    EXPECT_EQ(table.OffsetText(row).find_first_not_of("0123456789ABCDEF"), 4u)
        << table.OffsetText(row);
    EXPECT_EQ(table.OffsetText(row).back(), 'h');
  }
  EXPECT_EQ(built, listed);
  EXPECT_EQ(table.VariableCount(), 25);
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
