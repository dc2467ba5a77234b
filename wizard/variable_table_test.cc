#include "wizard/variable_table.h"

#include <gtest/gtest.h>

#include <string>

namespace zum {
namespace {

class VariableTableTest : public ::testing::Test {
 protected:
  void SetUp() override { table_.AddBuiltInVariables(); }
  VariableTable table_;
};

TEST_F(VariableTableTest, BuiltInRowsInListOrder) {
  ASSERT_EQ(table_.VariableCount(), 25);
  EXPECT_EQ(table_.DisplayName(1), "Aircraft altitude MSL");
  EXPECT_EQ(table_.OffsetText(1), "0280h");
  EXPECT_EQ(table_.DisplayName(13), "Distance to RefPoint");
  EXPECT_EQ(table_.OffsetText(13), "033Bh");
  EXPECT_EQ(table_.DisplayName(25), "Wind heading");
  EXPECT_EQ(table_.OffsetText(25), "0C74h");
}

TEST_F(VariableTableTest, LookupsAreExact) {
  EXPECT_EQ(table_.RowOfName("Year"), 19);
  EXPECT_EQ(table_.RowOfOffset("05FCh"), 20);
  EXPECT_EQ(table_.RowOfOffset("05fch"), VariableTable::kNone);
  EXPECT_EQ(table_.RowOfOffset("0280H"), VariableTable::kNone);
  EXPECT_EQ(table_.RowOfOffset("280h"), VariableTable::kNone);
  EXPECT_EQ(table_.RowOfName("year"), VariableTable::kNone);
  EXPECT_EQ(table_.RowOfName(""), VariableTable::kNone);
}

TEST_F(VariableTableTest, LastMatchWins) {
  ASSERT_TRUE(table_.AddVariable("Year", "1234h"));
  EXPECT_EQ(table_.RowOfName("Year"), 26);
  ASSERT_TRUE(table_.AddVariable("Other", "0280h"));
  EXPECT_EQ(table_.RowOfOffset("0280h"), 27);
}

TEST_F(VariableTableTest, FullTableRefusesMoreRows) {
  for (int row = 26; row <= VariableTable::kCapacity; ++row) {
    ASSERT_TRUE(table_.AddVariable("v" + std::to_string(row), "h"));
  }
  EXPECT_FALSE(table_.AddVariable("one too many", "FFFFh"));
  EXPECT_EQ(table_.VariableCount(), VariableTable::kCapacity);
  EXPECT_EQ(table_.RowOfName("one too many"), VariableTable::kNone);
  EXPECT_EQ(table_.DisplayName(50), "v50");
}

}  // namespace
}  // namespace zum
