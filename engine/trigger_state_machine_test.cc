#include <string>
#include <vector>

#include "engine/drawing_code_testing.h"
#include "gtest/gtest.h"

namespace zum::testing {
namespace {

// The drawing code chunk of a model whose drawing code is only its label
// line, with the state machine of GATING tests, TRIGGER test lines and
// frame count FRAMES.
std::string ExpectedChunk(const std::vector<std::string>& gating,
                          const std::vector<std::string>& trigger, int frames) {
  const std::string end_window =
      std::to_string(frames - 3) + ", " + std::to_string(frames);
  std::vector<std::string> lines = {"    dd bgl_riff_end - $ - 4",
                                    "gate_MasterScale_1 label BGLCODE", "",
                                    "LOCAL_BASE_32 gate_local_varbase_1"};
  lines.insert(lines.end(), gating.begin(), gating.end());
  lines.insert(
      lines.end(),
      {"IFIN1 at_1, 6h, 1, 1", "  IFIN1 at_1, 0h, 0, 3", "    SETWRD 6h, 2",
       "at_1 label word", "IFIN1 at_2, 6h, 4, 4", "  IFIN1 at_2, 0h, 0, 3",
       "    SETWRD 6h, 5", "at_2 label word", "IFIN1 at_3, 6h, 2, 2",
       "  IFIN1 at_3, 0h, " + end_window, "    SETWRD 6h, 3", "at_3 label word",
       "IFIN1 at_4, 6h, 5, 5", "  IFIN1 at_4, 0h, " + end_window,
       "    SETWRD 6h, 0", "at_4 label word", ""});
  lines.insert(lines.end(), trigger.begin(), trigger.end());
  lines.insert(
      lines.end(),
      {"  IFIN1 at_6, 6h, 0, 0", "    SETWRD 6h, 1", "  at_6 label word",
       "  BGL_JUMP_32 at_8", "at_5 label word", "  IFIN1 at_7, 6h, 3, 3",
       "    SETWRD 6h, 4", "  at_7 label word", "at_8 label word",
       "BGL_JUMP_32 at_10", "at_9 label word", "SETWRD 6h, 0",
       "at_10 label word", "", "bgl_riff_end label byte"});
  return CrLf(lines);
}

class TriggerStateMachineTest : public DrawingCodeTest {
 protected:
  TriggerStateMachineTest() {
    job_.TriggerEnabled = true;
    job_.Trigger.Kind = ConditionKind::kBetween;
    job_.Trigger.Variable = "0282h";
    job_.Trigger.Minimum = "1";
    job_.Trigger.Maximum = "1";
  }

  // Runs over a model of FRAMES frames whose drawing code is its label line
  // and expects success.
  void RunLabelOnly(int frames = 100) {
    ModelShape shape;
    shape.frames = frames;
    shape.drawing_code = {"gate_MasterScale_1 label BGLCODE"};
    WriteAnimation(1, shape);
    const Status status = Run();
    ASSERT_TRUE(status.ok()) << status.ToString();
  }

  const std::vector<std::string> between_trigger_ = {"VAR_BASE_OVERRIDE 0",
                                                     "IFIN1 at_5, 0282h, 1, 1"};
};

TEST_F(TriggerStateMachineTest, WrittenAfterTheModelLabelLine) {
  RunLabelOnly();
  EXPECT_EQ(DrawingCode(), ExpectedChunk({}, between_trigger_, 100));
}

TEST_F(TriggerStateMachineTest, ShortAnimationEndWindowOverlapsStartWindow) {
  RunLabelOnly(2);
  EXPECT_EQ(DrawingCode(), ExpectedChunk({}, between_trigger_, 2));
}

TEST_F(TriggerStateMachineTest, GatingConditionsHoldTheStateAtRest) {
  job_.AdditionalAppliesTo = AppliesTo::kAnimationTrigger;
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition.Kind = ConditionKind::kMask;
  job_.AnimationCondition.Variable = "0280h";
  job_.AnimationCondition.Minimum = "0001h";
  job_.AdditionalConditionEnabled = true;
  job_.AdditionalCondition.Kind = ConditionKind::kMask;
  job_.AdditionalCondition.Variable = "0290h";
  job_.AdditionalCondition.Minimum = "1";
  job_.AdditionalCondition.Maximum = "5";
  RunLabelOnly();
  // The additional condition is a between test here, whatever the kind.
  EXPECT_EQ(DrawingCode(),
            ExpectedChunk({"VAR_BASE_OVERRIDE 0", "IFMSK at_9, 0280h, 0001h",
                           "VAR_BASE_OVERRIDE 0", "IFIN1 at_9, 0290h, 1, 5"},
                          between_trigger_, 100));
}

TEST_F(TriggerStateMachineTest, ConditionsAppliedToTheAnimationAreNotGating) {
  job_.AdditionalAppliesTo = AppliesTo::kAnimation;
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition.Variable = "0280h";
  job_.AdditionalConditionEnabled = true;
  job_.AdditionalCondition.Variable = "0290h";
  RunLabelOnly();
  EXPECT_EQ(DrawingCode(), ExpectedChunk({}, between_trigger_, 100));
}

TEST_F(TriggerStateMachineTest, MaskTrigger) {
  job_.Trigger.Kind = ConditionKind::kMask;
  job_.Trigger.Minimum = "0004h";
  RunLabelOnly();
  EXPECT_EQ(DrawingCode(),
            ExpectedChunk(
                {}, {"VAR_BASE_OVERRIDE 0", "IFMSK at_5, 0282h, 0004h"}, 100));
}

TEST_F(TriggerStateMachineTest, BoundingBoxTriggerReadsYAs32BitFloats) {
  job_.Trigger.Kind = ConditionKind::kBoundingBox;
  job_.Trigger.BoxXMin = "-10";
  job_.Trigger.BoxXMax = "10";
  job_.Trigger.BoxYMin = "2.5000001";
  job_.Trigger.BoxYMax = "16777217";
  job_.Trigger.BoxZMin = "-5";
  job_.Trigger.BoxZMax = "5";
  job_.Trigger.Rotation = "90";
  RunLabelOnly();
  EXPECT_EQ(
      DrawingCode(),
      ExpectedChunk({}, {"IFINBOXP at_5, -5,  5, 2, 16777216, -10,  10"}, 100));
}

TEST_F(TriggerStateMachineTest, SecondLabelLineIsRefused) {
  ModelShape shape;
  shape.drawing_code = {"gate_MasterScale_1 label BGLCODE",
                        "BGL_SET_MATRIX_INDIRECT 1",
                        "gate_RotateAroundX_1 label BGLCODE"};
  WriteAnimation(1, shape);
  EXPECT_EQ(Run().ToString(),
            At("RotateAroundX_1 label") +
                "a second model label line; the trigger state machine was "
                "already written after line " +
                std::to_string(LineOf("MasterScale_1 label")) +
                ", and its labels at_1 to at_10 can appear only once in the "
                "model. Keep one label line (MasterScale_1 or "
                "RotateAroundX_1) in the drawing code");
}

TEST_F(TriggerStateMachineTest, MissingLabelLineIsRefusedAtTheChunkEnd) {
  ModelShape shape;
  shape.drawing_code = {"    BGL_SET_MATRIX_INDIRECT 0"};
  WriteAnimation(1, shape);
  EXPECT_EQ(Run().ToString(),
            At("bgl_riff_end label") +
                "the drawing code chunk ends here without a model label line "
                "(MasterScale_1 label or RotateAroundX_1 label), so the "
                "trigger state machine has no place in the model and the "
                "trigger would never start the animation. Add the label "
                "line, or disable the trigger");
}

TEST_F(TriggerStateMachineTest, TwoLabelLinesAreFineWithoutTheTrigger) {
  job_.TriggerEnabled = false;
  ModelShape shape;
  shape.drawing_code = {"gate_MasterScale_1 label BGLCODE",
                        "gate_RotateAroundX_1 label BGLCODE"};
  WriteAnimation(1, shape);
  const Status status = Run();
  EXPECT_TRUE(status.ok()) << status.ToString();
}

TEST_F(TriggerStateMachineTest, MissingTickBlockOfPartOneIsRefused) {
  ModelShape shape;
  shape.interpolated_command = false;
  shape.drawing_code = {"gate_RotateAroundX_1 label BGLCODE",
                        "BGL_SET_MATRIX_INDIRECT 1"};
  WriteAnimation(1, shape);
  EXPECT_EQ(Run().ToString(),
            At("RotateAroundX_1 label") +
                "the trigger needs the frame number of part 1, but the "
                "animation commands chunk has no interpolated keyframe "
                "animation (BGL_INTERPOLATE with BGL_ANIMATE_INDIRECT) for "
                "part 1, so no tick block computes that frame number and the "
                "trigger would never start the animation. Number the model's "
                "first interpolated animated part 1, or disable the trigger");
}

TEST_F(TriggerStateMachineTest, BadTriggerBoxNamesTheField) {
  job_.Trigger.Kind = ConditionKind::kBoundingBox;
  job_.Trigger.BoxXMin = "-1";
  job_.Trigger.BoxXMax = "1";
  job_.Trigger.BoxYMin = "0";
  job_.Trigger.BoxYMax = "1";
  job_.Trigger.BoxZMin = "-1";
  job_.Trigger.BoxZMax = "1";
  job_.Trigger.Rotation = "abc";
  ModelShape shape;
  shape.drawing_code = {"gate_MasterScale_1 label BGLCODE"};
  WriteAnimation(1, shape);
  EXPECT_EQ(Run().ToString(),
            At("MasterScale_1 label") +
                "animation trigger: rotation 'abc' is not a number");
}

TEST_F(TriggerStateMachineTest, BadGatingBoxNamesTheField) {
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition.Kind = ConditionKind::kBoundingBox;
  job_.AnimationCondition.BoxXMin = "-1";
  job_.AnimationCondition.BoxXMax = "1e39";
  ModelShape shape;
  shape.drawing_code = {"gate_MasterScale_1 label BGLCODE"};
  WriteAnimation(1, shape);
  EXPECT_EQ(Run().ToString(),
            At("MasterScale_1 label") +
                "animation condition: box x maximum '1e39' lies beyond the "
                "32-bit float range");
}

}  // namespace
}  // namespace zum::testing
