// The window in situations kept as data, in testdata/window_cases.txt: each
// case runs its steps (see WizardTest::Step) on a fresh window and lists
// how the window then differs from the window as it opened. A case without
// steps lists the opened window itself.

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "wizard/testing.h"

namespace zum::testing {
namespace {

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
  std::istringstream in(ReadFile(ZUM_WIZARD_TESTDATA "/window_cases.txt"));
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
    ASSERT_NO_FATAL_FAILURE(Step(step));
  }
  const std::string actual = SnapshotDiff(start, TakeSnapshot());
  ExpectNoOverlap();
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
