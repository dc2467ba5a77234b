#include "compiler/command_line_split.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace zum {
namespace {

struct SplitCase {
  std::string line;
  std::vector<std::string> words;
};

std::ostream& operator<<(std::ostream& out, const SplitCase& c) {
  return out << "line [" << c.line << "]";
}

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, Splits) {
  EXPECT_EQ(GetParam().words, SplitCommandLine(GetParam().line)) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    Programs, SplitCommandLineTest,
    ::testing::Values(
        SplitCase{"", {}}, SplitCase{" \t ", {}}, SplitCase{"prog", {"prog"}},
        SplitCase{"  prog\t", {"prog"}},
        // The compile command line.
        SplitCase{"\"C:\\Tools\\bglc_9.exe\" -mdl \"C:\\Scenery\\gate.asm\"",
                  {"C:\\Tools\\bglc_9.exe", "-mdl", "C:\\Scenery\\gate.asm"}},
        SplitCase{"\"/opt/my tools/bglc_9.exe\" -mdl \"/srv/out dir/g.asm\"",
                  {"/opt/my tools/bglc_9.exe", "-mdl", "/srv/out dir/g.asm"}},
        // The program name knows no backslash escapes.
        SplitCase{"\"C:\\dir\\\" x", {"C:\\dir\\", "x"}},
        SplitCase{"a\\\"b c", {"a\\\"b", "c"}},
        SplitCase{"\"unclosed program", {"unclosed program"}},
        SplitCase{"\"\" x", {"", "x"}}));

INSTANTIATE_TEST_SUITE_P(
    Arguments, SplitCommandLineTest,
    ::testing::Values(
        SplitCase{"p a  b\tc ", {"p", "a", "b", "c"}},
        SplitCase{"p \"a b\" c", {"p", "a b", "c"}},
        SplitCase{"p a\"b c\"d", {"p", "ab cd"}},
        SplitCase{"p \"\" x", {"p", "", "x"}},
        SplitCase{"p \"open to end", {"p", "open to end"}},
        // Backslashes not before a quote are ordinary.
        SplitCase{"p a\\\\b c:\\x\\", {"p", "a\\\\b", "c:\\x\\"}},
        // 2n backslashes and a quote: n backslashes, the quote delimits.
        SplitCase{"p \"a\\\\\" b", {"p", "a\\", "b"}},
        // 2n + 1 backslashes and a quote: n backslashes and a quote.
        SplitCase{"p a\\\"b", {"p", "a\"b"}},
        SplitCase{"p a\\\\\\\"b", {"p", "a\\\"b"}},
        SplitCase{"p \"a\\\"b c\"", {"p", "a\"b c"}},
        // Doubled quotes.
        SplitCase{"p \"a\"\"b\"", {"p", "a\"b"}},
        SplitCase{"p \"a\"\"b c\"", {"p", "a\"b", "c"}},
        SplitCase{"p \"\"\"a\"\"\"", {"p", "\"a\""}},
        SplitCase{"p \"\"\"\"", {"p", "\""}}));

}  // namespace
}  // namespace zum
