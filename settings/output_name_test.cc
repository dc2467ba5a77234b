#include "settings/output_name.h"

#include <gtest/gtest.h>

#include "settings/testing.h"

namespace zum {
namespace {

TEST(OutputNameTest, Issue19OnlyTheFileNamesExtensionIsReplaced) {
  for (const testing::CaseRow& row :
       testing::ReadCases("output_name_cases.txt")) {
    EXPECT_EQ(ProposedOutputName(row.input), row.expected)
        << "output_name_cases.txt:" << row.line << ": " << row.input;
  }
}

}  // namespace
}  // namespace zum
