#include "preview/findings.h"

#include <gtest/gtest.h>

#include "preview/default_scenario.h"
#include "preview/preview_testing.h"
#include "preview/timeline.h"

namespace zum {
namespace {

using testing::StageOutput;
using testing::TempDir;

class FindingsTest : public ::testing::Test {
 protected:
  FindingsTest() { names_.AddBuiltInVariables(); }

  // The findings of OUTPUT (edited by EDITS) over the scenario LINES.
  std::vector<std::string> Findings(
      const std::string& output, const std::vector<std::string>& lines,
      const std::vector<std::string>& edits = {}) {
    PreviewProgram program;
    Status status =
        LoadPreviewProgram(StageOutput(output, edits, dir_), &program);
    EXPECT_TRUE(status.ok()) << status.message();
    Scenario scenario;
    int number = 0;
    for (const std::string& line : lines) {
      EXPECT_TRUE(ReadScenarioLine(line, "s", ++number, &scenario).ok());
    }
    PreviewRun run;
    EXPECT_TRUE(RunScenario(program, scenario, &run).ok());
    return PreviewFindings(program, scenario, run, &names_);
  }

  TempDir dir_;
  VariableTable names_;
};

const char kExampleStart[] =
    "After the trigger starts holding, the forward run starts within 0.06 to "
    "5.44 s (it waits for frames 0..3 of a 101-frame cycle) and lasts about "
    "5.4 s.";

TEST_F(FindingsTest, TriggerThatNeverHolds) {
  EXPECT_EQ(Findings("golden/example_gate", {"1 0282h 2", "seconds 5"}),
            (std::vector<std::string>{
                kExampleStart, "The trigger never holds in this scenario."}));
}

TEST_F(FindingsTest, TriggerHeldAgainDuringTheReverseRun) {
  EXPECT_EQ(Findings("golden/example_gate",
                     {"1 0282h 1", "12 0282h 0", "18 0282h 1", "seconds 30"}),
            (std::vector<std::string>{
                kExampleStart,
                "At 18.0 s the trigger held again during the reverse run; the "
                "object first returns to its start pose (22.2 s), then opens "
                "again."}));
}

TEST_F(FindingsTest, TriggerReleasedBeforeTheForwardRunStarts) {
  EXPECT_EQ(
      Findings("golden/example_gate", {"1 0282h 1", "2 0282h 0", "seconds 20"}),
      (std::vector<std::string>{
          kExampleStart,
          "At 2.0 s the trigger stopped holding while the forward run "
          "waited for its frames; the object first reaches its end pose "
          "(11.0 s), then closes."}));
}

TEST_F(FindingsTest, BoxesAndTheAnimationShown) {
  EXPECT_EQ(
      Findings("golden/bounding_boxes", {"0 viewer 100 0 0", "1 viewer 15 0 0",
                                         "3 viewer 0 1 0", "seconds 5"}),
      (std::vector<std::string>{
          kExampleStart,
          "While the viewer is outside the box x -11..11, y 0..5, z -9..9 m "
          "the parts are drawn in their start pose.",
          "From 0.0 s to 3.0 s the parts are drawn in their start pose: a "
          "condition fails.",
          "Animation 1 is shown from 3.0 s to 5.0 s."}));
}

TEST_F(FindingsTest, GateFailingThroughoutLeavesTheTriggerUntested) {
  const std::vector<std::string> findings =
      Findings("golden/conditions_on_trigger",
               {"0 033Bh 100", "0 028Ch 0", "1 0282h 1", "seconds 5"});
  ASSERT_EQ(findings.size(), 4u);
  EXPECT_EQ(findings[3],
            "A gating condition fails throughout this scenario, so the trigger "
            "is never tested.");
}

TEST_F(FindingsTest, SecondaryVariableSwitchesTheAnimation) {
  EXPECT_EQ(
      Findings("golden/example_gate_secondary",
               {"0 0312h 1", "4 0312h 2", "9 0312h 7", "seconds 10"}),
      (std::vector<std::string>{
          kExampleStart, "The trigger never holds in this scenario.",
          "Animation 1 is shown from 0.0 s to 4.0 s (User variable 1 = 1).",
          "Animation 2 is shown from 4.0 s to 9.0 s (User variable 1 = 2).",
          "From 9.0 s to 10.0 s the parts are drawn in their start pose: no "
          "animation's range holds (User variable 1 = 7)."}));
}

TEST_F(FindingsTest, EmptyRangeAndMask) {
  const std::vector<std::string> findings =
      Findings("golden/conditions_on_trigger", {"seconds 1"},
               {"IFIN1 at_9, 033Bh, 0, 1500 => IFIN1 at_9, 033Bh, 1500, 0",
                "VAR_BASE_OVERRIDE 0\r\nIFIN1 at_9, 028Ch, 1, 3 => "
                "VAR_BASE_OVERRIDE 0\r\nIFMSK at_9, 028Ch, 0004h"});
  ASSERT_EQ(findings.size(), 4u);
  EXPECT_EQ(findings[1],
            "While Distance to RefPoint is outside 1500..0 (always: that range "
            "is empty) the object rests at its start pose.");
  EXPECT_EQ(findings[2],
            "While Time of day AND 0004h is 0 the object rests at its start "
            "pose.");
}

TEST_F(FindingsTest, WithoutATriggerTheCycleRepeats) {
  EXPECT_EQ(Findings("golden/trigger_off", {"seconds 1"}),
            (std::vector<std::string>{
                "Without a trigger the object plays its forward animation over "
                "and over: a 101-frame cycle of 5.61 s."}));
}

TEST_F(FindingsTest, VariableNamesComeFromTheTable) {
  EXPECT_EQ(VariableName("0282h", &names_), "Beacon");
  EXPECT_EQ(VariableName("282h ", &names_), "Beacon");
  EXPECT_EQ(VariableName("0282h", nullptr), "0282h");
  EXPECT_EQ(VariableName(" USERVAR1 ", &names_), "USERVAR1");
}

TEST(TimelineTest, LinesNameTheTimeAndTheState) {
  EXPECT_EQ(TimelineLine({101, "forward run starts"}),
            "5.61 s forward run starts");
}

}  // namespace
}  // namespace zum
