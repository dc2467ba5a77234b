#include "engine/animation_commands.h"

#include <string>

#include "gtest/gtest.h"

namespace zum {
namespace {

TEST(CopyNumberTest, NumbersCopiesByAnimationThenVariant) {
  int16_t x = -1;
  ASSERT_TRUE(CopyNumber(1, 1, 2, 2, 1, &x));
  EXPECT_EQ(x, 1);
  ASSERT_TRUE(CopyNumber(1, 2, 2, 2, 1, &x));
  EXPECT_EQ(x, 3);
  // Animation 2, variant 3 of four: ((2 - 1) x 4 + 2) x C + K.
  ASSERT_TRUE(CopyNumber(2, 3, 4, 5, 4, &x));
  EXPECT_EQ(x, 34);
}

TEST(CopyNumberTest, FailsBeyondSixteenBits) {
  int16_t x = -1;
  ASSERT_TRUE(CopyNumber(50, 4, 4, 163, 162, &x));
  EXPECT_EQ(x, 32599);
  EXPECT_FALSE(CopyNumber(50, 4, 4, 164, 163, &x));
  // The last step alone overflows.
  EXPECT_FALSE(CopyNumber(1, 2, 2, 32767, 1, &x));
}

TEST(ParseTransformLineTest, ReadsFirstArgumentAndMatrix) {
  int16_t t = 0;
  int16_t k = 0;
  std::string err;
  ASSERT_TRUE(
      ParseTransformLine("    BGL_TRANSFORM_INDIRECT 3, 7  ", &t, &k, &err))
      << err;
  EXPECT_EQ(t, 3);
  EXPECT_EQ(k, 7);
  ASSERT_TRUE(
      ParseTransformLine("BGL_TRANSFORM_INDIRECT -2,12.5", &t, &k, &err))
      << err;
  EXPECT_EQ(t, -2);
  EXPECT_EQ(k, 12);  // halves round to even
}

TEST(ParseTransformLineTest, Errors) {
  int16_t t = 0;
  int16_t k = 0;
  std::string err;
  EXPECT_FALSE(
      ParseTransformLine("BGL_TRANSFORM_INDIRECT 3, 7, 8", &t, &k, &err));
  EXPECT_EQ(err,
            "expected the transform's matrix number after the first comma (a "
            "whole number from -32768 to 32767), found \" 7, 8\"");
  EXPECT_FALSE(ParseTransformLine("BGL_TRANSFORM_INDIRECT 3 7", &t, &k, &err));
  EXPECT_EQ(err,
            "expected \"BGL_TRANSFORM_INDIRECT\", a blank and two numbers "
            "separated by a comma, found \"BGL_TRANSFORM_INDIRECT 3 7\"");
  // A tab is no blank: the first blank then lies behind the comma.
  EXPECT_FALSE(
      ParseTransformLine("BGL_TRANSFORM_INDIRECT\t3, 7", &t, &k, &err));
  EXPECT_NE(err.find("a blank and two numbers"), std::string::npos) << err;
  EXPECT_FALSE(
      ParseTransformLine("BGL_TRANSFORM_INDIRECT x3, 7", &t, &k, &err));
  EXPECT_EQ(err,
            "expected the transform's first argument before the comma (a "
            "whole number from -32768 to 32767), found \" x3\"");
  EXPECT_FALSE(
      ParseTransformLine("BGL_TRANSFORM_INDIRECT 3, 40000", &t, &k, &err));
  EXPECT_NE(err.find("found \" 40000\""), std::string::npos) << err;
}

TEST(OffsetLabelNumberTest, TakesTheNumberAtTheEndOfTheFirstLabel) {
  int16_t p = 0;
  std::string err;
  ASSERT_TRUE(OffsetLabelNumber(
      "(offset part_trans_3 - offset part_local_varbase_3)", &p, &err))
      << err;
  EXPECT_EQ(p, 3);
  ASSERT_TRUE(OffsetLabelNumber(
      "  BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset "
      "x_quat_007 - offset x_local_varbase_7), 4",
      &p, &err))
      << err;
  EXPECT_EQ(p, 7);
  // Without "_" the whole label is the number.
  ASSERT_TRUE(OffsetLabelNumber("(offset 12 - 4)", &p, &err)) << err;
  EXPECT_EQ(p, 12);
}

TEST(OffsetLabelNumberTest, Errors) {
  int16_t p = 0;
  std::string err;
  EXPECT_FALSE(OffsetLabelNumber("  (part_trans_3 - x), 5", &p, &err));
  EXPECT_EQ(err,
            "expected \"offset\" and the keyframe table's label, found "
            "\"(part_trans_3 - x), 5\"");
  EXPECT_FALSE(OffsetLabelNumber("(offset part_trans_3), 5", &p, &err));
  EXPECT_EQ(err,
            "expected \"offset\", the keyframe table's label and \" - \" "
            "behind it, found \"(offset part_trans_3), 5\"");
  // A "-" in front of "offset" is the first one.
  EXPECT_FALSE(OffsetLabelNumber("a-b (offset part_trans_3 - y)", &p, &err));
  EXPECT_NE(err.find("\" - \" behind it"), std::string::npos) << err;
  EXPECT_FALSE(OffsetLabelNumber("(offset part_trans_x - y)", &p, &err));
  EXPECT_EQ(err,
            "expected a part number at the end of the label after \"offset\" "
            "(a whole number from -32768 to 32767), found \"x\"");
  // "offset" directly followed by " -": an empty label.
  EXPECT_FALSE(OffsetLabelNumber("(offset - y)", &p, &err));
  EXPECT_NE(err.find("found \"\""), std::string::npos) << err;
}

TEST(ParseAnimateLineTest, RotationLineOfTheExample) {
  AnimateArgs args;
  std::string err;
  ASSERT_TRUE(ParseAnimateLine(
      "\tBGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset "
      "x_quat_12 - offset x_local_varbase_12), 4   ",
      &args, &err))
      << err;
  EXPECT_EQ(args.part, 12);
  EXPECT_EQ(args.matrix, 4);
  EXPECT_EQ(args.tail, ",");
}

TEST(ParseAnimateLineTest, TailKeepsTheArgumentsBeforeTheMatrix) {
  AnimateArgs args;
  std::string err;
  ASSERT_TRUE(ParseAnimateLine(
      "BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset "
      "g_trans_2 - offset g_local_varbase_2), 0, 5",
      &args, &err))
      << err;
  EXPECT_EQ(args.part, 2);
  EXPECT_EQ(args.matrix, 5);
  EXPECT_EQ(args.tail, ", 0,");
}

TEST(ParseAnimateLineTest, Errors) {
  AnimateArgs args;
  std::string err;
  EXPECT_FALSE(ParseAnimateLine("BGL_ANIMATE_INDIRECT (offset g_trans_2 - y",
                                &args, &err));
  EXPECT_EQ(err,
            "expected \")\" closing the table offset and a comma before the "
            "matrix number, found \"BGL_ANIMATE_INDIRECT (offset g_trans_2 - "
            "y\"");
  // The only comma stands in front of the ")".
  EXPECT_FALSE(ParseAnimateLine(
      "BGL_ANIMATE_INDIRECT a,(offset g_trans_2 - y) 5", &args, &err));
  EXPECT_NE(err.find("closing the table offset"), std::string::npos) << err;
  EXPECT_FALSE(ParseAnimateLine(
      "BGL_ANIMATE_INDIRECT a,(offset g_trans_2 - y), five", &args, &err));
  EXPECT_EQ(err,
            "expected the matrix number after the last comma (a whole number "
            "from -32768 to 32767), found \" five\"");
  EXPECT_FALSE(ParseAnimateLine("BGL_ANIMATE_INDIRECT a,(g_trans_2 - y), 5",
                                &args, &err));
  EXPECT_NE(err.find("expected \"offset\""), std::string::npos) << err;
}

}  // namespace
}  // namespace zum
