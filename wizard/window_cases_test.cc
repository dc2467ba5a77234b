// The window in situations kept as data, in testdata/window_cases.txt: each
// case runs its steps (see WizardTest::Step) on a fresh window and lists
// how the window then differs from the window as it opened, or from the
// window at its step "mark" when it has one. A case without steps lists the
// opened window itself.
//
// After a deliberate change of the window, rewrite the expected lines of
// every case with what the window now shows, then review the diff:
//   ZUM_UPDATE_CASES=1 build/default/wizard/wizard_tests
//   --gtest_filter='Cases/*'
// (one process: cases run in parallel under ctest would write the file at
// once). Comment lines around a case's expected lines are kept.

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "wizard/testing.h"

namespace zum::testing {
namespace {

constexpr const char* kCasesFile = ZUM_WIZARD_TESTDATA "/window_cases.txt";

struct WindowCase {
  std::string name;
  std::vector<std::string> steps;
  std::string expected;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
  *os << c.name;
}

// Cases begin with "== NAME", steps follow one a line, then "--" and the
// expected differences; "#" lines are comments.
std::vector<WindowCase> ReadCases() {
  std::vector<WindowCase> cases;
  std::istringstream in(ReadFile(kCasesFile));
  bool expected = false;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("== ", 0) == 0) {
      cases.push_back({line.substr(3), {}, {}});
      expected = false;
    } else if (line.empty() || line[0] == '#' || cases.empty()) {
      continue;
    } else if (line == "--") {
      expected = true;
    } else if (expected) {
      cases.back().expected += line + "\n";
    } else {
      cases.back().steps.push_back(line);
    }
  }
  return cases;
}

bool IsExpectedLine(const std::string& line) {
  return !line.empty() && line[0] != '#';
}

// Replaces the expected lines of case NAME in the cases file by ACTUAL,
// keeping the comment and blank lines before and after them.
void UpdateCase(const std::string& name, const std::string& actual) {
  std::vector<std::string> lines;
  std::istringstream in(ReadFile(kCasesFile));
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  auto start = std::find(lines.begin(), lines.end(), "== " + name);
  ASSERT_NE(start, lines.end()) << name;
  auto dashes = std::find(start, lines.end(), "--");
  ASSERT_NE(dashes, lines.end()) << name;
  auto end = std::find_if(dashes, lines.end(), [](const std::string& line) {
    return line.rfind("== ", 0) == 0;
  });
  auto first = std::find_if(dashes + 1, end, IsExpectedLine);
  if (first == end) {
    first = dashes + 1;  // none yet: right after the "--"
  }
  auto last = first;
  for (auto it = first; it != end; ++it) {
    if (IsExpectedLine(*it)) {
      last = it + 1;
    }
  }
  std::vector<std::string> replacement;
  std::istringstream actual_lines(actual);
  for (std::string line; std::getline(actual_lines, line);) {
    replacement.push_back(line);
  }
  const auto at = lines.erase(first, last);
  lines.insert(at, replacement.begin(), replacement.end());
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\n";
  }
  WriteFile(kCasesFile, text);
}

class WindowCaseTest : public WizardTest,
                       public ::testing::WithParamInterface<WindowCase> {};

TEST_P(WindowCaseTest, ChangesTheWindowAsListed) {
  const WindowCase& c = GetParam();
#ifdef _WIN32
  for (const std::string& step : c.steps) {
    if (step.rfind("compiler ", 0) == 0) {
      GTEST_SKIP() << "the stand-in compiler is a POSIX shell script";
    }
  }
#endif
  Snapshot start = TakeSnapshot();
  if (c.steps.empty()) {  // the opened window itself, without the examples
    std::erase_if(start,
                  [](const auto& e) { return e.first.rfind("obj ", 0); });
  }
  for (const std::string& step : c.steps) {
    SCOPED_TRACE(step);
    if (step == "mark") {
      start = TakeSnapshot();
      continue;
    }
    ASSERT_NO_FATAL_FAILURE(Step(step));
  }
  const std::string actual = SnapshotDiff(start, TakeSnapshot());
  ExpectNoOverlap();
  if (std::getenv("ZUM_UPDATE_CASES") != nullptr && actual != c.expected) {
    UpdateCase(c.name, actual);
    return;
  }
  EXPECT_EQ(actual, c.expected) << "=== " << c.name << "\n" << actual << "===";
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowCaseTest,
                         ::testing::ValuesIn(ReadCases()),
                         [](const ::testing::TestParamInfo<WindowCase>& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             ch = std::isalnum(static_cast<unsigned char>(ch))
                                      ? ch
                                      : '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace zum::testing
