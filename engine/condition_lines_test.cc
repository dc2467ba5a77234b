#include "engine/condition_lines.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

using Fields = std::array<std::string, 7>;  // x, y, z extents, rotation

ConditionSpec Box(const Fields& f) {
  return {ConditionKind::kBoundingBox,
          "",
          "",
          "",
          f[0],
          f[1],
          f[2],
          f[3],
          f[4],
          f[5],
          f[6]};
}

constexpr ConditionRole kCondition = ConditionRole::kAnimationCondition;
constexpr ConditionRole kTrigger = ConditionRole::kTrigger;

// The extents of a box as written into the IFINBOXP line, or the error.
std::string Extents(const Fields& fields, ConditionRole role) {
  std::array<std::string, 6> extents;
  std::string err;
  if (!RotatedBoxExtents(Box(fields), role, &extents, &err)) {
    return err;
  }
  std::string text;
  for (const std::string& e : extents) {
    text += (text.empty() ? "" : "|") + e;
  }
  return text;
}

TEST(RotatedBoxExtentsTest, Cases) {
  const struct {
    Fields box;
    ConditionRole role;
    const char* result;
  } cases[] = {
      {{"-10", "10", "0", "5", "-5", "5", "30"},
       kCondition,
       "-11| 11|0|5|-9| 9"},
      // Blanks around numbers are allowed.
      {{" -10", "10 ", " 0 ", "5", "-5", "5", " 30 "},
       kTrigger,
       "-11| 11|0|5|-9| 9"},
      // 90 degrees swaps width and length; a positive rotation turns
      // clockwise seen from above, so x becomes -z.
      {{"-10", "10", "0", "5", "-5", "5", "90"},
       kCondition,
       "-5| 5|0|5|-10| 10"},
      {{"0", "10", "0", "0", "0", "0", "90"}, kCondition, " 0| 0|0|0|-10| 0"},
      // An empty rotation; halves round to even; a rounded -0 is 0.
      {{"2.5", "3.5", "0.5", "1.5", "-3.5", "-2.5", ""},
       kCondition,
       " 2| 4|0|2|-4|-2"},
      {{"-0.4", "0.4", "-0.5", "-0.4", "-0.5", "0", ""},
       kCondition,
       " 0| 0|0|0| 0| 0"},
      {{"-1e7", "12345678", "-99999999", "1e9", "0", "0", ""},
       kCondition,
       "-10000000| 12345678|-99999999|1000000000| 0| 0"},
      // The trigger reads y as 32-bit floats: 2.5000001 is 2.5 and 16777217
      // is 16777216; the animation condition may even exceed their range.
      {{"0", "0", "2.5000001", "16777217", "0", "0", ""},
       kCondition,
       " 0| 0|3|16777217| 0| 0"},
      {{"0", "0", "2.5000001", "16777217", "0", "0", ""},
       kTrigger,
       " 0| 0|2|16777216| 0| 0"},
      {{"0", "0", "-1e20", "1e20", "0", "0", ""},
       kCondition,
       " 0| 0|-100000000000000000000|100000000000000000000| 0| 0"},
      {{"0", "0", "0", "0", "0", "0", "abc"},
       kTrigger,
       "animation trigger: rotation 'abc' is not a number"},
      {{"0", "0", "0", "0", "0", "0", " "},
       kCondition,
       "animation condition: rotation ' ' is not a number"},
      {{"0", "0", "0", "0", "0", "0", "1e41"},
       kTrigger,
       "animation trigger: rotation '1e41' lies beyond the 32-bit float "
       "range"},
      {{"", "0", "0", "0", "0", "0", ""},
       kCondition,
       "animation condition: box x minimum '' is not a number"},
      {{"0", "1e39", "0", "0", "0", "0", ""},
       kTrigger,
       "animation trigger: box x maximum '1e39' lies beyond the 32-bit float "
       "range"},
      {{"0", "0", "5m", "0", "0", "0", ""},
       kCondition,
       "animation condition: box y minimum '5m' is not a number"},
      {{"0", "0", "0", "1e39", "0", "0", ""},
       kTrigger,
       "animation trigger: box y maximum '1e39' lies beyond the 32-bit float "
       "range"},
      {{"0", "0", "0", "0", "x", "0", ""},
       kTrigger,
       "animation trigger: box z minimum 'x' is not a number"},
      {{"0", "0", "0", "0", "0", "1,5", ""},
       kTrigger,
       "animation trigger: box z maximum '1,5' is not a number"},
      {{"-3e38", "3e38", "0", "0", "-3e38", "3e38", "45"},
       kTrigger,
       "animation trigger: the turned bounding box reaches beyond the 32-bit "
       "float range"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Extents(c.box, c.role), c.result) << c.result;
  }
}

TEST(WriteConditionTestTest, TextsArePastedAsTypedAndABadBoxWritesNothing) {
  testing::TempDir dir;
  LineWriter out;
  ASSERT_TRUE(out.Open(dir.File("out.asm")).ok());
  ConditionSpec between;
  between.Variable = " 0280h";
  between.Minimum = "1 ";
  between.Maximum = "0FFh";
  ConditionSpec mask;
  mask.Kind = ConditionKind::kMask;
  mask.Variable = "0330h";
  mask.Minimum = "0004h";
  mask.Maximum = "ignored";
  ConditionSpec box = Box({"-10", "10", "0", "5", "-5", "5", "30"});
  box.Variable = "0280h";
  ASSERT_TRUE(WriteConditionTest(out, "g_fail", between, kCondition).ok());
  ASSERT_TRUE(WriteConditionTest(out, "at_5", mask, kTrigger).ok());
  ASSERT_TRUE(WriteConditionTest(out, "at_9", box, kCondition).ok());
  EXPECT_EQ(WriteConditionTest(
                out, "at_5", Box({"0", "0", "0", "0", "0", "0", "?"}), kTrigger)
                .ToString(),
            "animation trigger: rotation '?' is not a number");
  ASSERT_TRUE(out.Close().ok());
  EXPECT_EQ(
      testing::ReadFile(dir.File("out.asm")),
      testing::CrLf({"VAR_BASE_OVERRIDE 0", "IFIN1 g_fail,  0280h, 1 , 0FFh",
                     "VAR_BASE_OVERRIDE 0", "IFMSK at_5, 0330h, 0004h",
                     "IFINBOXP at_9, -11,  11, 0, 5, -9,  9"}));
}

// Each row: the trigger on or off, what the gates apply to, the animation
// condition's kind, and the tests expected in the selection blocks and in
// the state machine, as "KIND ROLE" words ('-': none).
TEST(GatingTestsTest, WhereAndAsWhichKindTheGatesAreTested) {
  struct Row {
    bool trigger;
    AppliesTo applies;
    ConditionKind kind;
    std::string blocks;
    std::string machine;
  };
  const Row rows[] = {
      {true, AppliesTo::kAnimationTrigger, ConditionKind::kMask, "-",
       "mask condition, between condition"},
      {true, AppliesTo::kAnimation, ConditionKind::kMask,
       "mask condition, mask condition", "-"},
      {false, AppliesTo::kAnimationTrigger, ConditionKind::kMask,
       "mask condition, mask condition", "-"},
      {false, AppliesTo::kAnimation, ConditionKind::kBetween,
       "between condition, between condition", "-"},
      {true, AppliesTo::kAnimation, ConditionKind::kBoundingBox,
       "box condition, mask condition", "-"},
  };
  const auto words = [](const std::vector<GatingTest>& tests) {
    std::string text;
    for (const GatingTest& t : tests) {
      text += text.empty() ? "" : ", ";
      text += t.condition.Kind == ConditionKind::kBetween ? "between"
              : t.condition.Kind == ConditionKind::kMask  ? "mask"
                                                          : "box";
      text += t.role == kCondition ? " condition" : " trigger";
    }
    return text.empty() ? "-" : text;
  };
  for (const Row& row : rows) {
    JobSettings job;
    job.TriggerEnabled = row.trigger;
    job.AdditionalAppliesTo = row.applies;
    job.AnimationConditionEnabled = true;
    job.AnimationCondition.Kind = row.kind;
    job.AnimationCondition.Variable = "0282h";
    job.AdditionalConditionEnabled = true;
    job.AdditionalCondition.Kind = row.kind;
    job.AdditionalCondition.Variable = "0314h";
    const std::string name =
        std::string(row.trigger ? "trigger" : "no trigger") +
        (row.applies == AppliesTo::kAnimation ? ", animation" : ", trigger");
    EXPECT_EQ(words(GatingTests(job, GatePlace::kSelectionBlocks)), row.blocks)
        << name;
    EXPECT_EQ(words(GatingTests(job, GatePlace::kTriggerStateMachine)),
              row.machine)
        << name;
    // The additional condition keeps its variable and comes second.
    const std::vector<GatingTest> tests = GatingTests(job, GatePlaceOf(job));
    ASSERT_EQ(tests.size(), 2u) << name;
    EXPECT_EQ(tests[0].condition.Variable, "0282h");
    EXPECT_EQ(tests[1].condition.Variable, "0314h");
  }
  // Only the enabled conditions are tested.
  JobSettings job;
  job.TriggerEnabled = false;
  job.AdditionalConditionEnabled = true;
  EXPECT_EQ(words(GatingTests(job, GatePlace::kSelectionBlocks)),
            "between condition");
  job.AdditionalConditionEnabled = false;
  EXPECT_TRUE(GatingTests(job, GatePlace::kSelectionBlocks).empty());
}

}  // namespace
}  // namespace zum
