#include "compiler/command_line_split.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace zum {
namespace {

TEST(SplitCommandLineTest, Cases) {
  std::ifstream cases(ZUM_COMPILER_TESTDATA "/command_lines.txt");
  ASSERT_TRUE(cases.is_open());
  std::string line;
  int count = 0;
  for (int number = 1; std::getline(cases, line); ++number) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.empty() || line[0] == '#') {
      continue;
    }
    const size_t arrow = line.find("] => ");
    ASSERT_NE(arrow, std::string::npos) << "command_lines.txt:" << number;
    ++count;
    std::string words;
    for (const std::string& word :
         SplitCommandLine(line.substr(1, arrow - 1))) {
      words += (words.empty() ? "[" : " [") + word + "]";
    }
    EXPECT_EQ(words.empty() ? "none" : words, line.substr(arrow + 5))
        << "command_lines.txt:" << number << ": " << line;
  }
  EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace zum
