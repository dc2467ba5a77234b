// Every compared job's written output (golden jobs, reference jobs) previews
// without a defect, over the default scenario made from its code.
#include <gtest/gtest.h>

#include <map>

#include "preview/default_scenario.h"
#include "preview/findings.h"
#include "preview/interpreter.h"
#include "preview/preview_testing.h"
#include "preview/program.h"

namespace zum {
namespace {

using testing::ComparedOutputs;
using testing::PreviewTestData;
using testing::ReadCaseRows;
using testing::StageOutput;
using testing::TempDir;

std::map<std::string, std::string> KnownDefects() {
  std::map<std::string, std::string> known;
  for (const testing::CaseRow& row :
       ReadCaseRows(PreviewTestData("known_defects.txt"))) {
    known[row.input] = row.expected;
  }
  return known;
}

class ComparedOutputTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ComparedOutputTest, PreviewsWithoutADefect) {
  TempDir dir;
  const std::string main = StageOutput(GetParam(), {}, dir);
  PreviewProgram program;
  Status status = LoadPreviewProgram(main, &program);
  const auto known = KnownDefects();
  if (auto it = known.find(GetParam()); it != known.end()) {
    EXPECT_EQ(status.message(), dir.File(it->second));
    return;
  }
  ASSERT_TRUE(status.ok()) << status.message();
  EXPECT_FALSE(program.blocks.empty());
  const Scenario scenario = DefaultScenario(program);
  PreviewRun run;
  ASSERT_TRUE(RunScenario(program, scenario, &run).ok());
  EXPECT_EQ(run.PassCount(), scenario.PassCount());
  EXPECT_FALSE(PreviewFindings(program, scenario, run, nullptr).empty());
}

INSTANTIATE_TEST_SUITE_P(Jobs, ComparedOutputTest,
                         ::testing::ValuesIn(ComparedOutputs()),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (!isalnum(static_cast<unsigned char>(c))) {
                               c = '_';
                             }
                           }
                           return name;
                         });

TEST(ComparedOutputsTest, CoverTheGoldenAndTheComparedReferenceJobs) {
  EXPECT_GE(ComparedOutputs().size(), 12u + 54u);
}

}  // namespace
}  // namespace zum
