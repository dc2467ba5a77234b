#include "engine/condition_lines.h"

#include <array>
#include <string>

#include "engine/testing.h"
#include "gtest/gtest.h"

namespace zum {
namespace {

using Extents = std::array<std::string, 6>;

ConditionSpec Box(std::string x_min, std::string x_max, std::string y_min,
                  std::string y_max, std::string z_min, std::string z_max,
                  std::string rotation) {
  ConditionSpec box;
  box.Kind = ConditionKind::kBoundingBox;
  box.BoxXMin = std::move(x_min);
  box.BoxXMax = std::move(x_max);
  box.BoxYMin = std::move(y_min);
  box.BoxYMax = std::move(y_max);
  box.BoxZMin = std::move(z_min);
  box.BoxZMax = std::move(z_max);
  box.Rotation = std::move(rotation);
  return box;
}

Extents ExtentsOf(const ConditionSpec& box,
                  ConditionRole role = ConditionRole::kAnimationCondition) {
  Extents extents;
  std::string err;
  EXPECT_TRUE(RotatedBoxExtents(box, role, &extents, &err)) << err;
  return extents;
}

std::string ErrorOf(const ConditionSpec& box, ConditionRole role) {
  Extents extents;
  std::string err;
  EXPECT_FALSE(RotatedBoxExtents(box, role, &extents, &err));
  return err;
}

TEST(RotatedBoxExtentsTest, ThirtyDegrees) {
  EXPECT_EQ(ExtentsOf(Box("-10", "10", "0", "5", "-5", "5", "30")),
            (Extents{"-11", " 11", "0", "5", "-9", " 9"}));
}

TEST(RotatedBoxExtentsTest, NinetyDegreesSwapsWidthAndLength) {
  EXPECT_EQ(ExtentsOf(Box("-10", "10", "0", "5", "-5", "5", "90")),
            (Extents{"-5", " 5", "0", "5", "-10", " 10"}));
}

TEST(RotatedBoxExtentsTest, PositiveRotationTurnsClockwiseSeenFromAbove) {
  // A rotation of +90 is an angle of -pi/2: x becomes -z.
  EXPECT_EQ(ExtentsOf(Box("0", "10", "0", "0", "0", "0", "90")),
            (Extents{" 0", " 0", "0", "0", "-10", " 0"}));
}

TEST(RotatedBoxExtentsTest, EmptyRotationRoundsHalfToEven) {
  EXPECT_EQ(ExtentsOf(Box("2.5", "3.5", "0.5", "1.5", "-3.5", "-2.5", "")),
            (Extents{" 2", " 4", "0", "2", "-4", "-2"}));
}

TEST(RotatedBoxExtentsTest, RoundedNegativeZeroIsWrittenAsZero) {
  EXPECT_EQ(ExtentsOf(Box("-0.4", "0.4", "-0.5", "-0.4", "-0.5", "0", "")),
            (Extents{" 0", " 0", "0", "0", " 0", " 0"}));
}

TEST(RotatedBoxExtentsTest, BlanksAroundNumbersAreAllowed) {
  EXPECT_EQ(ExtentsOf(Box(" -10", "10 ", " 0 ", "5", "-5", "5", " 30 ")),
            (Extents{"-11", " 11", "0", "5", "-9", " 9"}));
}

TEST(RotatedBoxExtentsTest, LargeExtentsKeepAllDigits) {
  EXPECT_EQ(
      ExtentsOf(Box("-1e7", "12345678", "-99999999", "1e9", "0", "0", "")),
      (Extents{"-10000000", " 12345678", "-99999999", "1000000000", " 0",
               " 0"}));
}

TEST(RotatedBoxExtentsTest, TriggerYExtentsAreRoundedFrom32BitFloats) {
  // 2.5000001 is 2.5 as a 32-bit float, and 16777217 is 16777216.
  const ConditionSpec box =
      Box("0", "0", "2.5000001", "16777217", "0", "0", "");
  const Extents condition = ExtentsOf(box, ConditionRole::kAnimationCondition);
  EXPECT_EQ(condition[2], "3");
  EXPECT_EQ(condition[3], "16777217");
  const Extents trigger = ExtentsOf(box, ConditionRole::kTrigger);
  EXPECT_EQ(trigger[2], "2");
  EXPECT_EQ(trigger[3], "16777216");
}

TEST(RotatedBoxExtentsTest, ErrorsNameTheConditionAndTheField) {
  const struct {
    ConditionSpec box;
    ConditionRole role;
    const char* message;
  } cases[] = {
      {Box("0", "0", "0", "0", "0", "0", "abc"), ConditionRole::kTrigger,
       "animation trigger: rotation 'abc' is not a number"},
      {Box("0", "0", "0", "0", "0", "0", " "),
       ConditionRole::kAnimationCondition,
       "animation condition: rotation ' ' is not a number"},
      {Box("0", "0", "0", "0", "0", "0", "1e41"), ConditionRole::kTrigger,
       "animation trigger: rotation '1e41' lies beyond the 32-bit float "
       "range"},
      {Box("", "0", "0", "0", "0", "0", ""), ConditionRole::kAnimationCondition,
       "animation condition: box x minimum '' is not a number"},
      {Box("0", "1e39", "0", "0", "0", "0", ""), ConditionRole::kTrigger,
       "animation trigger: box x maximum '1e39' lies beyond the 32-bit float "
       "range"},
      {Box("0", "0", "5m", "0", "0", "0", ""),
       ConditionRole::kAnimationCondition,
       "animation condition: box y minimum '5m' is not a number"},
      {Box("0", "0", "0", "1e39", "0", "0", ""), ConditionRole::kTrigger,
       "animation trigger: box y maximum '1e39' lies beyond the 32-bit float "
       "range"},
      {Box("0", "0", "0", "0", "x", "0", ""), ConditionRole::kTrigger,
       "animation trigger: box z minimum 'x' is not a number"},
      {Box("0", "0", "0", "0", "0", "1,5", ""), ConditionRole::kTrigger,
       "animation trigger: box z maximum '1,5' is not a number"},
      {Box("-3e38", "3e38", "0", "0", "-3e38", "3e38", "45"),
       ConditionRole::kTrigger,
       "animation trigger: the turned bounding box reaches beyond the 32-bit "
       "float range"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf(c.box, c.role), c.message) << c.message;
  }
}

TEST(RotatedBoxExtentsTest, AnimationConditionYExtentsMayExceedFloatRange) {
  EXPECT_EQ(ExtentsOf(Box("0", "0", "-1e20", "1e20", "0", "0", ""))[3],
            "100000000000000000000");
}

// Writes condition tests into a file of a temporary folder and reads back
// the bytes.
class WriteConditionTestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.File("out.asm");
    ASSERT_TRUE(out_.Open(path_).ok());
  }

  std::string Written() {
    EXPECT_TRUE(out_.Close().ok());
    return testing::ReadFile(path_);
  }

  testing::TempDir dir_;
  std::string path_;
  LineWriter out_;
};

TEST_F(WriteConditionTestTest, BetweenPastesTheTextsAsTyped) {
  ConditionSpec between;
  between.Kind = ConditionKind::kBetween;
  between.Variable = " 0280h";
  between.Minimum = "1 ";
  between.Maximum = "0FFh";
  between.Rotation = "not used";
  ASSERT_TRUE(WriteConditionTest(out_, "gate_3_fail", between,
                                 ConditionRole::kAnimationCondition)
                  .ok());
  EXPECT_EQ(Written(),
            "VAR_BASE_OVERRIDE 0\r\n"
            "IFIN1 gate_3_fail,  0280h, 1 , 0FFh\r\n");
}

TEST_F(WriteConditionTestTest, MaskUsesTheMinimumAsMask) {
  ConditionSpec mask;
  mask.Kind = ConditionKind::kMask;
  mask.Variable = "0330h";
  mask.Minimum = "0004h";
  mask.Maximum = "ignored";
  ASSERT_TRUE(
      WriteConditionTest(out_, "at_5", mask, ConditionRole::kTrigger).ok());
  EXPECT_EQ(Written(),
            "VAR_BASE_OVERRIDE 0\r\n"
            "IFMSK at_5, 0330h, 0004h\r\n");
}

TEST_F(WriteConditionTestTest, BoundingBoxIsOneLineWithoutOverride) {
  ConditionSpec box = Box("-10", "10", "0", "5", "-5", "5", "30");
  box.Variable = "0280h";
  ASSERT_TRUE(
      WriteConditionTest(out_, "at_9", box, ConditionRole::kAnimationCondition)
          .ok());
  EXPECT_EQ(Written(), "IFINBOXP at_9, -11,  11, 0, 5, -9,  9\r\n");
}

TEST_F(WriteConditionTestTest, BadBoxWritesNothing) {
  const Status status =
      WriteConditionTest(out_, "at_5", Box("0", "0", "0", "0", "0", "0", "?"),
                         ConditionRole::kTrigger);
  EXPECT_EQ(status.ToString(),
            "animation trigger: rotation '?' is not a number");
  EXPECT_EQ(Written(), "");
}

}  // namespace
}  // namespace zum
