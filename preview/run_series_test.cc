#include "preview/run_series.h"

#include <gtest/gtest.h>

#include <cmath>

#include "preview/preview_testing.h"
#include "preview/timeline.h"

namespace zum {
namespace {

using testing::StageOutput;
using testing::TempDir;

class RunSeriesTest : public ::testing::Test {
 protected:
  RunSeriesTest() { names_.AddBuiltInVariables(); }

  // Runs the scenario LINES over OUTPUT into run_ and series_.
  void Run(const std::string& output, const std::vector<std::string>& lines,
           ScenarioRunOptions options = {}) {
    Status status =
        LoadPreviewProgram(StageOutput(output, {}, dir_), &program_);
    ASSERT_TRUE(status.ok()) << status.message();
    int number = 0;
    for (const std::string& line : lines) {
      ASSERT_TRUE(ReadScenarioLine(line, "s", ++number, &scenario_).ok());
    }
    ASSERT_TRUE(RunScenario(program_, scenario_, &run_, options).ok());
    series_ = BuildRunSeries(program_, run_);
  }

  std::string Moment(int pass) {
    std::string text;
    for (const std::string& line :
         MomentLines(program_, scenario_, run_, series_, pass, &names_)) {
      text += line + "\n";
    }
    return text;
  }

  TempDir dir_;
  VariableTable names_;
  PreviewProgram program_;
  Scenario scenario_;
  PreviewRun run_;
  RunSeries series_;
};

TEST(SpansTest, EqualNeighboursMakeOneSpan) {
  EXPECT_EQ(SpansOf({}), std::vector<RunSpan>());
  EXPECT_EQ(SpansOf({0, 0, 1, 1, 1, 0}),
            (std::vector<RunSpan>{{0, 2, 0}, {2, 5, 1}, {5, 6, 0}}));
  EXPECT_EQ(SpansOf({-1}), (std::vector<RunSpan>{{0, 1, -1}}));
}

// The example gate, the beacon on at 1 s and off at 12 s.
TEST_F(RunSeriesTest, StatesAndPartsOfTheExampleGate) {
  Run("golden/example_gate", {"1 0282h 1", "12 0282h 0", "seconds 25"});
  EXPECT_EQ(series_.states, (std::vector<RunSpan>{{0, 18, 0},
                                                  {18, 101, 1},
                                                  {101, 198, 2},
                                                  {198, 216, 3},
                                                  {216, 303, 4},
                                                  {303, 400, 5},
                                                  {400, 451, 0}}));
  // Each span starts where the timeline tells a change.
  const std::vector<TimelineEvent> events = RunTimeline(program_, run_);
  ASSERT_EQ(events.size(), series_.states.size());
  for (size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].pass, series_.states[i].first) << events[i].text;
  }
  EXPECT_TRUE(series_.animations.empty());  // one animation, no condition
  EXPECT_EQ(series_.frame_high, 100);

  // Matrix 0 is a fixed transformation; part 1 moves and turns, part 2
  // turns.
  ASSERT_EQ(series_.parts.size(), 2u);
  const PartSeries& one = series_.parts[0];
  EXPECT_EQ(one.name, "part 1");
  EXPECT_EQ(one.blocks, (std::vector<int>{1, 2}));
  EXPECT_EQ(one.translation_block, 1);
  EXPECT_EQ(one.rotation_block, 2);
  EXPECT_FLOAT_EQ(one.low, -0.5f);
  EXPECT_FLOAT_EQ(one.high, 3.0f);
  EXPECT_FLOAT_EQ(one.angle_high, 90.0f);
  ASSERT_EQ(one.y.size(), 451u);
  EXPECT_FLOAT_EQ(one.y[150], run_.Pose(150, 1).y);
  EXPECT_FLOAT_EQ(one.angle[150],
                  static_cast<float>(run_.Pose(150, 2).AngleDegrees()));
  const PartSeries& two = series_.parts[1];
  EXPECT_EQ(two.name, "part 2");
  EXPECT_EQ(two.blocks, (std::vector<int>{3}));
  EXPECT_EQ(two.translation_block, -1);
  EXPECT_TRUE(std::isnan(two.x[150]));
  EXPECT_FLOAT_EQ(two.angle_high, 180.0f);

  EXPECT_EQ(Moment(0),
            "At 0.00 s (tick 0), the model gives:\n"
            "Trigger state 0: at rest at the start\n"
            "Frame of part 1: 0\n"
            "Beacon (0282h): 0\n"
            "Part 1: x 0.000, y 0.000, z 0.000 m (matrix 1); angle 0.0 "
            "degrees (matrix 2)\n"
            "Part 2: angle 0.0 degrees (matrix 3)\n"
            "Matrices drawn: 0 for 0, 1 for 1, 2 for 2, 3 for 3\n");
  EXPECT_EQ(Moment(150),
            "At 8.33 s (tick 150), the model gives:\n"
            "Trigger state 2: opening\n"
            "Frame of part 1: 49\n"
            "Beacon (0282h): 1\n"
            "Part 1: x 0.000, y 1.470, z 0.245 m (matrix 5); angle 44.1 "
            "degrees about 0.00, 1.00, 0.00 (matrix 6)\n"
            "Part 2: angle 88.2 degrees about 1.00, 0.00, 0.00 (matrix 7)\n"
            "Matrices drawn: 4 for 0, 5 for 1, 6 for 2, 7 for 3\n");
  EXPECT_EQ(Moment(-1), "");
  EXPECT_EQ(Moment(451), "");
}

TEST_F(RunSeriesTest, TheAnimationShownAndTheSecondaryVariable) {
  Run("golden/example_gate_secondary",
      {"0 0312h 1", "4 0312h 2", "9 0312h 7", "seconds 10"});
  EXPECT_EQ(series_.animations,
            (std::vector<RunSpan>{{0, 72, 1}, {72, 162, 2}, {162, 181, 0}}));
  const std::string at_five = Moment(90);
  EXPECT_NE(at_five.find("\nAnimation shown: 2\n"), std::string::npos)
      << at_five;
  EXPECT_NE(at_five.find("\nUser variable 1 (0312h): 2\n"), std::string::npos)
      << at_five;
  const std::string at_ten = Moment(180);
  EXPECT_NE(at_ten.find("\nAnimation shown: none, the first copy's matrix (no "
                        "condition holds)\n"),
            std::string::npos)
      << at_ten;
}

TEST_F(RunSeriesTest, TheViewerWhereABoxIsTested) {
  Run("golden/bounding_boxes",
      {"0 viewer 100 0 0", "1 viewer 15 0 0", "3 viewer 0 1.5 0", "seconds 5"});
  EXPECT_NE(Moment(0).find("\nViewer at x 100, y 0, z 0 m\n"),
            std::string::npos)
      << Moment(0);
  EXPECT_NE(Moment(60).find("\nViewer at x 0, y 1.5, z 0 m\n"),
            std::string::npos)
      << Moment(60);
}

TEST_F(RunSeriesTest, NoTriggerNoStatesAndARunWithoutPosesNoParts) {
  Run("golden/trigger_off", {"seconds 2"}, {.poses = false});
  EXPECT_TRUE(series_.states.empty());
  EXPECT_TRUE(series_.parts.empty());
  EXPECT_GT(series_.frame_high, 30);
  EXPECT_EQ(Moment(0).find("Trigger state"), std::string::npos) << Moment(0);
}

}  // namespace
}  // namespace zum
