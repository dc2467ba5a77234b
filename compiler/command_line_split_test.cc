#include "compiler/command_line_split.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

TEST(SplitCommandLineTest, Cases) {
  const std::vector<testing::CaseRow> rows =
      testing::ReadCaseRows(ZUM_COMPILER_TESTDATA "/command_lines.txt");
  EXPECT_FALSE(rows.empty());
  for (const testing::CaseRow& row : rows) {
    // The line is the text between the outer brackets, blanks included.
    ASSERT_TRUE(row.input.size() >= 2 && row.input.front() == '[' &&
                row.input.back() == ']')
        << "command_lines.txt:" << row.line;
    std::string words;
    for (const std::string& word :
         SplitCommandLine(row.input.substr(1, row.input.size() - 2))) {
      words += (words.empty() ? "[" : " [") + word + "]";
    }
    EXPECT_EQ(words.empty() ? "none" : words, row.expected)
        << "command_lines.txt:" << row.line << ": " << row.input;
  }
}

}  // namespace
}  // namespace zum
