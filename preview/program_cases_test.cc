// The interpreter against transitions worked by hand and the loader against
// hand-broken outputs, both kept as cases in preview/testdata.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "preview/interpreter.h"
#include "preview/preview_testing.h"
#include "preview/program.h"
#include "preview/scenario.h"

namespace zum {
namespace {

using testing::CaseFile;
using testing::CaseSection;
using testing::PreviewTestData;
using testing::ReadCaseFile;
using testing::StageOutput;
using testing::TempDir;
using testing::TestCase;

std::vector<std::string> Lines(TestCase& c, std::string_view section) {
  CaseSection* found = c.Find(section);
  return found ? found->lines : std::vector<std::string>();
}

// Loads the case's output, edited, from a fresh folder.
Status LoadCase(TestCase& c, const TempDir& dir, PreviewProgram* program) {
  const std::vector<std::string> output = Lines(c, "output");
  EXPECT_EQ(output.size(), 1u) << "one output folder";
  const std::string main =
      StageOutput(output.empty() ? "" : output[0], Lines(c, "edits"), dir);
  return LoadPreviewProgram(main, program);
}

Scenario CaseScenario(TestCase& c) {
  Scenario scenario;
  int line = 0;
  for (const std::string& text : Lines(c, "scenario")) {
    Status status = ReadScenarioLine(text, "scenario", ++line, &scenario);
    EXPECT_TRUE(status.ok()) << status.message();
  }
  return scenario;
}

// "TICK VALUE" for every pass whose VALUE differs from the pass before
// (from INITIAL before the first pass).
std::string Changes(const PreviewRun& run, int PassValues::*value,
                    int initial) {
  std::ostringstream text;
  int last = initial;
  for (const PassValues& pass : run.passes) {
    if (pass.*value != last) {
      text << pass.tick << ' ' << pass.*value << '\n';
      last = pass.*value;
    }
  }
  return text.str();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + '\n';
  }
  return text;
}

TEST(TransitionCasesTest, StatesChangeAtTheTicksWorkedByHand) {
  CaseFile file = ReadCaseFile(PreviewTestData("transitions.cases"));
  ASSERT_GE(file.cases.size(), 10u);
  for (TestCase& c : file.cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    PreviewProgram program;
    Status status = LoadCase(c, dir, &program);
    ASSERT_TRUE(status.ok()) << status.message();
    PreviewRun run;
    status = RunScenario(program, CaseScenario(c), &run);
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(Changes(run, &PassValues::state, 0), Joined(Lines(c, "states")));
    if (c.Find("animations") != nullptr) {
      EXPECT_EQ(Changes(run, &PassValues::animation, -1),
                Joined(Lines(c, "animations")));
    }
    // The quick run that the default scenario and the findings use sees the
    // same states.
    PreviewRun quick;
    ASSERT_TRUE(
        RunScenario(program, CaseScenario(c), &quick, {.poses = false}).ok());
    EXPECT_EQ(Changes(quick, &PassValues::state, 0),
              Changes(run, &PassValues::state, 0));
    EXPECT_TRUE(quick.poses.empty());
  }
}

TEST(DefectCasesTest, EachDefectNamesItsLine) {
  CaseFile file = ReadCaseFile(PreviewTestData("defects.cases"));
  ASSERT_GE(file.cases.size(), 10u);
  for (TestCase& c : file.cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    PreviewProgram program;
    Status status = LoadCase(c, dir, &program);
    const std::vector<std::string> error = Lines(c, "error");
    if (!error.empty()) {
      EXPECT_EQ(status.message(), dir.File(error[0]));
      EXPECT_TRUE(program.code.empty()) << "a failed load keeps nothing";
      continue;
    }
    ASSERT_TRUE(status.ok()) << status.message();
    PreviewRun run;
    Scenario scenario;
    scenario.seconds = 1;
    status = RunScenario(program, scenario, &run);
    const std::vector<std::string> run_error = Lines(c, "run error");
    ASSERT_EQ(run_error.size(), 1u);
    EXPECT_NE(status.message().find(run_error[0]), std::string::npos)
        << status.message();
    EXPECT_TRUE(status.message().starts_with(program.companion_file + ":"))
        << status.message();
    EXPECT_TRUE(run.passes.empty()) << "a failed run keeps no pass";
  }
}

}  // namespace
}  // namespace zum
