#include <algorithm>
#include <string>
#include <vector>

#include "engine/drawing_code_testing.h"
#include "gtest/gtest.h"

namespace zum::testing {
namespace {

// The four variant tests of animation I for matrix M (label base "gate",
// five matrices a copy, so copy (i, j) is ((i - 1) * 4 + j - 1) * 5 + m).
std::vector<std::string> VariantTests(int m, int i) {
  static const char* kRanges[] = {"0, 1", "2, 2", "5, 5", "3, 4"};
  std::vector<std::string> lines;
  for (int j = 1; j <= 4; ++j) {
    const std::string label = "gate_" + std::to_string(m) + "_" +
                              std::to_string(i) + "_" + std::to_string(j);
    const int x = ((i - 1) * 4 + j - 1) * 5 + m;
    lines.insert(lines.end(),
                 {"IFIN1 " + label + ", 6, " + kRanges[j - 1],
                  "BGL_SET_MATRIX_INDIRECT " + std::to_string(x),
                  "BGL_JUMP_32 gate_" + std::to_string(m) + "_cont",
                  label + " label word"});
  }
  return lines;
}

// The drawing code chunk whose body is BODY.
std::string Chunk(const std::vector<std::string>& body) {
  std::vector<std::string> lines = {"    dd bgl_riff_end - $ - 4"};
  lines.insert(lines.end(), body.begin(), body.end());
  lines.push_back("bgl_riff_end label byte");
  return CrLf(lines);
}

// With the trigger on, the model label line after the selections: the
// state machine follows it, after everything these tests look at.
constexpr const char* kLabelLine = "gate_MasterScale_1 label BGLCODE";

// The chunk whose body is BODY, up to the model label line and the empty
// line after it.
std::string ChunkUpToLabel(const std::vector<std::string>& body) {
  std::vector<std::string> lines = {"    dd bgl_riff_end - $ - 4"};
  lines.insert(lines.end(), body.begin(), body.end());
  lines.insert(lines.end(), {kLabelLine, ""});
  return CrLf(lines);
}

std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> lines;
  for (const auto& part : parts) {
    lines.insert(lines.end(), part.begin(), part.end());
  }
  return lines;
}

class BglCodeTest : public DrawingCodeTest {
 protected:
  // Runs over one animation whose drawing code is DRAWING_CODE and expects
  // success.
  void RunOne(std::vector<std::string> drawing_code) {
    ModelShape shape;
    shape.drawing_code = std::move(drawing_code);
    WriteAnimation(1, shape);
    const Status status = Run();
    ASSERT_TRUE(status.ok()) << status.ToString();
  }
};

TEST_F(BglCodeTest, TriggerOffSelectsTheForwardCopy) {
  RunOne({"gate_MasterScale_1 label BGLCODE", "    BGL_BEGIN 0800h",
          "    BGL_SET_MATRIX_INDIRECT 3", "    BGL_END"});
  EXPECT_EQ(DrawingCode(),
            Chunk({"gate_MasterScale_1 label BGLCODE", "",
                   "    BGL_BEGIN 0800h", "LOCAL_BASE_32 gate_local_varbase_1",
                   "BGL_SET_MATRIX_INDIRECT 8", "BGL_JUMP_32 gate_3_cont",
                   "gate_3_cont label word", "", "    BGL_END"}));
}

TEST_F(BglCodeTest, LinesAroundTheSelectionsAreCopiedUnchanged) {
  RunOne({"; a comment naming 'A','N','I','C'", "\tBGL_CALL\tsub_1 ",
          "gate_RotateAroundX_1 label BGLCODE", "", "    BGL_RETURN"});
  EXPECT_EQ(
      DrawingCode(),
      Chunk({"; a comment naming 'A','N','I','C'", "\tBGL_CALL\tsub_1 ",
             "gate_RotateAroundX_1 label BGLCODE", "", "", "    BGL_RETURN"}));
}

TEST_F(BglCodeTest, MatrixNumberIsTheTextAfterIndirect) {
  // Blanks around the number are allowed and a fraction rounds half to
  // even; a negative matrix number is kept in the labels.
  RunOne({"   BGL_SET_MATRIX_INDIRECT   2.5  ", "BGL_SET_MATRIX_INDIRECT -2"});
  EXPECT_EQ(
      DrawingCode(),
      Chunk({"LOCAL_BASE_32 gate_local_varbase_1", "BGL_SET_MATRIX_INDIRECT 7",
             "BGL_JUMP_32 gate_2_cont", "gate_2_cont label word", "",
             "LOCAL_BASE_32 gate_local_varbase_1", "BGL_SET_MATRIX_INDIRECT 3",
             "BGL_JUMP_32 gate_-2_cont", "gate_-2_cont label word", ""}));
}

TEST_F(BglCodeTest, ProgressAddsTwentyOverCPerMatrixSelection) {
  RunOne({"BGL_SET_MATRIX_INDIRECT 0", "BGL_SET_MATRIX_INDIRECT 1",
          "BGL_SET_MATRIX_INDIRECT 2"});
  EXPECT_EQ(std::count(progress_.begin(), progress_.end(), 4.0), 3);
}

TEST_F(BglCodeTest, TriggerOnTestsTheStateWordForEachVariant) {
  job_.TriggerEnabled = true;
  RunOne({"BGL_SET_MATRIX_INDIRECT 3", kLabelLine});
  const std::string expected =
      ChunkUpToLabel(Join({{"LOCAL_BASE_32 gate_local_varbase_1"},
                           VariantTests(3, 1),
                           {"gate_3_cont label word", ""}}));
  EXPECT_EQ(DrawingCode().substr(0, expected.size()), expected);
}

TEST_F(BglCodeTest, ConditionsAppliedToTheTriggerAreNotTestedHere) {
  job_.TriggerEnabled = true;
  job_.AdditionalAppliesTo = AppliesTo::kAnimationTrigger;
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition.Variable = "0280h";
  job_.AdditionalConditionEnabled = true;
  job_.AdditionalCondition.Variable = "0290h";
  RunOne({"BGL_SET_MATRIX_INDIRECT 3", kLabelLine});
  const std::string expected =
      ChunkUpToLabel(Join({{"LOCAL_BASE_32 gate_local_varbase_1"},
                           VariantTests(3, 1),
                           {"gate_3_cont label word", ""}}));
  EXPECT_EQ(DrawingCode().substr(0, expected.size()), expected);
}

TEST_F(BglCodeTest, ConditionsAppliedToTheAnimationGateEveryCopy) {
  job_.TriggerEnabled = true;
  job_.AdditionalAppliesTo = AppliesTo::kAnimation;
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition.Kind = ConditionKind::kBetween;
  job_.AnimationCondition.Variable = "0280h";
  job_.AnimationCondition.Minimum = "10";
  job_.AnimationCondition.Maximum = "20";
  job_.AdditionalConditionEnabled = true;
  job_.AdditionalCondition.Variable = "0290h";
  job_.AdditionalCondition.Minimum = "1";
  job_.AdditionalCondition.Maximum = "2";
  RunOne({"BGL_SET_MATRIX_INDIRECT 3", kLabelLine});
  const std::string expected = ChunkUpToLabel(
      Join({{"LOCAL_BASE_32 gate_local_varbase_1", "VAR_BASE_OVERRIDE 0",
             "IFIN1 gate_3_fail, 0280h, 10, 20", "VAR_BASE_OVERRIDE 0",
             "IFIN1 gate_3_fail, 0290h, 1, 2"},
            VariantTests(3, 1),
            {"gate_3_fail label word", "BGL_SET_MATRIX_INDIRECT 3",
             "gate_3_cont label word", ""}}));
  EXPECT_EQ(DrawingCode().substr(0, expected.size()), expected);
}

TEST_F(BglCodeTest, AdditionalConditionAloneGatesAsMaskBesideAMaskKind) {
  job_.AnimationCondition.Kind = ConditionKind::kMask;
  job_.AdditionalConditionEnabled = true;
  job_.AdditionalCondition.Variable = "0290h";
  job_.AdditionalCondition.Minimum = "0004h";
  job_.AdditionalCondition.Maximum = "not written";
  RunOne({"BGL_SET_MATRIX_INDIRECT 3"});
  EXPECT_EQ(
      DrawingCode(),
      Chunk({"LOCAL_BASE_32 gate_local_varbase_1", "VAR_BASE_OVERRIDE 0",
             "IFMSK gate_3_fail, 0290h, 0004h", "BGL_SET_MATRIX_INDIRECT 8",
             "BGL_JUMP_32 gate_3_cont", "gate_3_fail label word",
             "BGL_SET_MATRIX_INDIRECT 3", "gate_3_cont label word", ""}));
}

TEST_F(BglCodeTest, BoundingBoxConditionAndAdditionalMaskTest) {
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition.Kind = ConditionKind::kBoundingBox;
  job_.AnimationCondition.BoxXMin = "-10";
  job_.AnimationCondition.BoxXMax = "10";
  job_.AnimationCondition.BoxYMin = "0";
  job_.AnimationCondition.BoxYMax = "5";
  job_.AnimationCondition.BoxZMin = "-5";
  job_.AnimationCondition.BoxZMax = "5";
  job_.AnimationCondition.Rotation = "30";
  job_.AdditionalConditionEnabled = true;  // the editors would uncheck it
  job_.AdditionalCondition.Variable = "0290h";
  job_.AdditionalCondition.Minimum = "1";
  RunOne({"BGL_SET_MATRIX_INDIRECT 0"});
  EXPECT_EQ(DrawingCode(),
            Chunk({"LOCAL_BASE_32 gate_local_varbase_1",
                   "IFINBOXP gate_0_fail, -11,  11, 0, 5, -9,  9",
                   "VAR_BASE_OVERRIDE 0", "IFMSK gate_0_fail, 0290h, 1",
                   "BGL_SET_MATRIX_INDIRECT 5", "BGL_JUMP_32 gate_0_cont",
                   "gate_0_fail label word", "BGL_SET_MATRIX_INDIRECT 0",
                   "gate_0_cont label word", ""}));
}

TEST_F(BglCodeTest, SecondaryConditionPicksTheAnimationByRange) {
  job_.TriggerEnabled = true;
  job_.SecondaryEnabled = true;
  job_.SecondaryVariable = "0312h";
  job_.AnimationCount = "2";
  job_.SecondaryMin[1] = "1";
  job_.SecondaryMax[1] = "1";
  job_.SecondaryMin[2] = "2";
  job_.SecondaryMax[2] = " 3";
  ModelShape shape;
  shape.drawing_code = {"BGL_SET_MATRIX_INDIRECT 3", kLabelLine};
  WriteAnimation(1, shape);
  WriteAnimation(2, shape);
  const Status status = Run();
  ASSERT_TRUE(status.ok()) << status.ToString();
  const std::string expected = ChunkUpToLabel(
      Join({{"LOCAL_BASE_32 gate_local_varbase_1", "VAR_BASE_OVERRIDE 0",
             "IFIN1 gate_3_1, 0312h, 1, 1"},
            VariantTests(3, 1),
            {"gate_3_1 label word", "VAR_BASE_OVERRIDE 0",
             "IFIN1 gate_3_2, 0312h, 2,  3"},
            VariantTests(3, 2),
            {"gate_3_2 label word", "gate_3_fail label word",
             "BGL_SET_MATRIX_INDIRECT 3", "gate_3_cont label word", ""}}));
  EXPECT_EQ(DrawingCode().substr(0, expected.size()), expected);
}

// Failures: each names the line of animation 1's companion file to blame.
TEST_F(BglCodeTest, SameMatrixSetTwiceIsRefused) {
  ModelShape shape;
  shape.drawing_code = {"BGL_SET_MATRIX_INDIRECT 3",
                        "BGL_SET_MATRIX_INDIRECT 1",
                        "BGL_SET_MATRIX_INDIRECT 3.0"};
  WriteAnimation(1, shape);
  EXPECT_EQ(Run().ToString(),
            At("BGL_SET_MATRIX_INDIRECT 3", 2) +
                "matrix 3 is set a second time (first at line " +
                std::to_string(LineOf("BGL_SET_MATRIX_INDIRECT 3")) +
                "); its selection block's labels are named after the matrix "
                "number and would be written twice, which the compiler "
                "rejects. Each animated part's matrix may be set only once");
}

TEST_F(BglCodeTest, SelectionWithoutPartOneIsRefusedAtTheFirstSelection) {
  ModelShape shape;
  shape.part = 2;
  shape.drawing_code = {"gate_MasterScale_1 label BGLCODE",
                        "BGL_SET_MATRIX_INDIRECT 1",
                        "BGL_SET_MATRIX_INDIRECT 2"};
  WriteAnimation(1, shape);
  EXPECT_EQ(Run().ToString(),
            At("BGL_SET_MATRIX_INDIRECT 1") +
                "the drawing code selects a matrix here, but the animation "
                "parameters chunk has no part numbered 1, so there is no "
                "local variable area gate_local_varbase_1, which every matrix "
                "selection block refers to, and the model would not compile. "
                "Number the model's first animated part 1");
}

TEST_F(BglCodeTest, SelectionWithoutAnimatedPartsIsRefused) {
  ModelShape shape;
  shape.interpolated_command = false;
  shape.transforms = 0;
  shape.drawing_code = {"BGL_SET_MATRIX_INDIRECT 0"};
  WriteAnimation(1, shape);
  EXPECT_EQ(Run().ToString(),
            At("BGL_SET_MATRIX_INDIRECT 0") +
                "the drawing code selects a matrix here, but the companion "
                "file has no BGL_TRANSFORM_INDIRECT or BGL_ANIMATE_INDIRECT "
                "command, so there is no animated part whose matrix copies "
                "could be selected");
}

TEST_F(BglCodeTest, BadMatrixNumbersAreRefused) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"BGL_SET_MATRIX_INDIRECT x3",
       "expected a matrix number after BGL_SET_MATRIX_INDIRECT, found 'x3'"},
      {"BGL_SET_MATRIX_INDIRECT 3 ; part 3",
       "expected a matrix number after BGL_SET_MATRIX_INDIRECT, found "
       "'3 ; part 3'"},
      {"  BGL_SET_MATRIX_INDIRECT  ",
       "expected a matrix number after BGL_SET_MATRIX_INDIRECT, found ''"},
      {"BGL_SET_MATRIX_INDIRECT 40000",
       "matrix number '40000' lies outside -32768..32767"},
      {"BGL_SET_MATRIX_INDIRECT 32767",
       "matrix 32767 of animation 1, variant 2 would be matrix 32772, outside "
       "the matrix numbers -32768..32767; the model has too many animated "
       "parts or animations"},
  };
  for (const auto& c : cases) {
    ModelShape shape;
    shape.drawing_code = {"BGL_SET_MATRIX_INDIRECT 1", c.line};
    WriteAnimation(1, shape);
    EXPECT_EQ(Run().ToString(), At(c.line) + c.message) << c.line;
  }
}

TEST_F(BglCodeTest, BadBoxOfTheAnimationConditionNamesTheField) {
  job_.AnimationConditionEnabled = true;
  job_.AnimationCondition.Kind = ConditionKind::kBoundingBox;
  job_.AnimationCondition.BoxXMin = "-1";
  job_.AnimationCondition.BoxXMax = "1";
  job_.AnimationCondition.BoxYMin = "low";
  job_.AnimationCondition.BoxYMax = "1";
  job_.AnimationCondition.BoxZMin = "-1";
  job_.AnimationCondition.BoxZMax = "1";
  ModelShape shape;
  shape.drawing_code = {"BGL_SET_MATRIX_INDIRECT 1"};
  WriteAnimation(1, shape);
  EXPECT_EQ(Run().ToString(),
            At("BGL_SET_MATRIX_INDIRECT 1") +
                "animation condition: box y minimum 'low' is not a number");
}

TEST_F(BglCodeTest, ChunkWithoutEndLineIsRefusedAtTheFileEnd) {
  ModelShape shape;
  shape.drawing_code = {"BGL_SET_MATRIX_INDIRECT 1"};
  std::string companion = Companion(shape);
  companion.replace(companion.find("bgl_riff_end label"), 12, "bgl_end");
  WriteAnimation(1, shape);
  WriteFile(dir_.File("anim1_0.asm"), companion);
  companion_ = companion;
  EXPECT_EQ(Run().ToString(),
            At("; end") +
                "the file ends here, but a line containing \"bgl_riff_end\" "
                "(the end of the drawing code chunk) was expected");
}

}  // namespace
}  // namespace zum::testing
