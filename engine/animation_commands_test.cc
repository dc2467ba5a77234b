#include "engine/animation_commands.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/generation_run.h"
#include "engine/job.h"
#include "engine/status.h"
#include "engine/testing.h"
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

// Whole runs over a companion file holding a keyframe table (which sets the
// label base "g" and the frame count) followed by an animation commands
// chunk; the tests compare the output from the chunk's first line on.

using ::zum::testing::CrLf;
using ::zum::testing::ReadFile;
using ::zum::testing::SplitCrLf;
using ::zum::testing::WriteFile;

std::vector<std::string> TableLines(int frames) {
  return {"g_trans_1 label word",
          "   dw    1",
          "   real4 -1.0",
          "   real4 16 dup (0.0)",
          "   dw    2",
          "   real4 0.0, 0.0, 0.0, 0.0",
          "   real4 " + std::to_string(frames) + ".0, 1.0, 0.0, 0.0"};
}

std::vector<std::string> Chunk(std::initializer_list<std::string> body) {
  std::vector<std::string> lines = {
      "animation_commands_riff_start label byte",
      "    db 'A','N','I','C'",
      "    dd animation_commands_riff_end - $ - 4",
  };
  lines.insert(lines.end(), body);
  lines.push_back("animation_commands_riff_end label byte");
  return lines;
}

class AnimationCommandsRunTest : public ::testing::Test {
 protected:
  // Runs a job of ANIMATIONS animations whose companion files all hold the
  // table and CHUNK.
  Status Run(const std::vector<std::string>& chunk, int frames = 100,
             bool trigger = false, int animations = 1) {
    const std::string companion = CrLf(TableLines(frames)) + CrLf(chunk);
    for (int a = 1; a <= animations; ++a) {
      const std::string name = "obj" + std::to_string(a);
      WriteFile(dir_.File(name + ".asm"), CrLf({"include " + name + "_0.asm"}));
      WriteFile(dir_.File(name + "_0.asm"), companion);
      job_.InputFile[a] = dir_.File(name + ".asm");
    }
    job_.TriggerEnabled = trigger;
    job_.SecondaryEnabled = animations > 1;
    job_.AnimationCount = std::to_string(animations);
    job_.OutputFile = dir_.File("out.asm");
    progress_ = 0;
    std::filesystem::remove(dir_.File("out_0.asm"));
    return RunGeneration(job_, [this](double share) { progress_ += share; });
  }

  // The output's companion file from the chunk's first line on, as text.
  std::string Output() {
    std::string text = ReadFile(dir_.File("out_0.asm"));
    size_t chunk = text.find("animation_commands_riff_start");
    return chunk == std::string::npos ? "" : text.substr(chunk);
  }
  std::vector<std::string> OutputLines() { return SplitCrLf(Output()); }

  // The position of LINE in the output lines, -1 when absent.
  int IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] == line) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }

  std::string InputName() const { return dir_.File("obj1_0.asm"); }

  ::zum::testing::TempDir dir_;
  JobSettings job_;
  double progress_ = 0;
};

TEST_F(AnimationCommandsRunTest, TriggerOffWritesTwoCopiesOfEachCommand) {
  ASSERT_TRUE(
      Run(Chunk({
              "; frame",
              "bgl_animation_command_start_0 label word",
              "    BGL_TRANSFORM_INDIRECT 2, 0",
              "bgl_animation_command_end_0 label word",
              "",
              "bgl_animation_command_start_1 label word",
              "    BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\\",
              "    VAR_BASE_LOCAL,0h,\\",
              "    VAR_BASE_LOCAL, (offset g_1_tick18_mod_1 - offset g_anim)",
              "    BGL_ANIMATE_INDIRECT "
              "VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset "
              "g_trans_1 - offset g_anim), 1",
              "bgl_animation_command_end_1 label word",
          }))
          .ok());
  const std::string tick_block = CrLf({
      "",
      "LOCAL_BASE_32 g_local_varbase_1",
      "BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\\",
      "VAR_BASE_LOCAL,0h,\\",
      "VAR_BASE_LOCAL, (offset g_1_tick18_mod_1 - offset g_local_varbase_1)",
      "BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\\",
      "VAR_BASE_LOCAL,0h,\\",
      "VAR_BASE_LOCAL, (offset g_1_tick18_mod_2 - offset g_local_varbase_1)",
      "BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\\",
      "VAR_BASE_LOCAL,4h,\\",
      "VAR_BASE_LOCAL, (offset g_1_float_convert_hi - offset "
      "g_local_varbase_1)",
      "SETWRD 2h, 0",
  });
  const std::string expected =
      CrLf({
          "animation_commands_riff_start label byte",
          "    db 'A','N','I','C'",
          "    dd animation_commands_riff_end - $ - 4",
          "",
          "bgl_animation_command_start_0 label word",
          "",
          "BGL_TRANSFORM_INDIRECT 2, 0",
          "",
          "bgl_animation_command_end_0 label word",
          "",
          "bgl_animation_command_start_2 label word",
          "",
          "BGL_TRANSFORM_INDIRECT 2, 2",
          "",
          "bgl_animation_command_end_2 label word",
          "",
          "bgl_animation_command_start_1 label word",
      }) +
      tick_block +
      CrLf({
          "",
          "LOCAL_BASE_32 g_local_varbase_1",
          "BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset "
          "g_trans_1_1_a - offset g_local_varbase_1),1",
          "",
          "bgl_animation_command_end_1 label word",
          "",
          "bgl_animation_command_start_3 label word",
      }) +
      tick_block +
      CrLf({
          "",
          "LOCAL_BASE_32 g_local_varbase_1",
          "BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset "
          "g_trans_1_1_b - offset g_local_varbase_1),3",
          "",
          "bgl_animation_command_end_3 label word",
          "",
          "animation_commands_riff_end label byte",
      });
  EXPECT_EQ(Output(), expected);
  // The scan's 20 and 20 for the one keyframe command.
  EXPECT_DOUBLE_EQ(progress_, 40);
}

TEST_F(AnimationCommandsRunTest, TriggerOnNumbersTwelveCopiesPerCommand) {
  ASSERT_TRUE(Run(Chunk({
                      "    BGL_TRANSFORM_INDIRECT 2, 0",
                      "bgl_animation_command_end_0 label word",
                      "    BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_"
                      "LOCAL,(offset g_trans_5 - offset g_anim), 1",
                      "bgl_animation_command_end_1 label word",
                  }),
                  100, /*trigger=*/true, /*animations=*/3)
                  .ok());
  std::vector<std::string> lines = OutputLines();
  // All copies of command 0 come first, then all copies of command 1.
  std::vector<std::string> starts;
  for (const std::string& line : lines) {
    if (line.starts_with("bgl_animation_command_start_")) {
      starts.push_back(line.substr(28, line.size() - 28 - 11));
    }
  }
  EXPECT_EQ(starts, (std::vector<std::string>{
                        "0",  "2",  "4",  "6",  "8",  "10", "12", "14",
                        "16", "18", "20", "22", "1",  "3",  "5",  "7",
                        "9",  "11", "13", "15", "17", "19", "21", "23"}));
  // Animation 2, variant 3: ((2 - 1) x 4 + 2) x 2 + 1 = 13, the reverse
  // table of animation 2.
  const int start = IndexOf(lines, "bgl_animation_command_start_13 label word");
  ASSERT_GE(start, 0);
  ASSERT_LT(start + 5, static_cast<int>(lines.size()));
  EXPECT_EQ(lines[start + 2], "LOCAL_BASE_32 g_local_varbase_5");
  EXPECT_EQ(lines[start + 3],
            "BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset "
            "g_trans_5_2_c - offset g_local_varbase_5),13");
  EXPECT_EQ(lines[start + 5], "bgl_animation_command_end_13 label word");
  EXPECT_GE(IndexOf(lines, "BGL_TRANSFORM_INDIRECT 2, 22"), 0);
  EXPECT_GE(IndexOf(lines,
                    "BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,("
                    "offset g_trans_5_3_d - offset g_local_varbase_5),23"),
            0);
}

class FrameBlockTest : public AnimationCommandsRunTest {
 protected:
  // The lines of copy 1 (variant b) between "SETWRD 2h, 0" and the
  // animate block, for a table of FRAMES frames.
  std::vector<std::string> BlocksAfterTick(int frames) {
    Status status =
        Run(Chunk({
                "    BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\\",
                "    BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,("
                "offset g_quat_2 - offset g_anim), 0",
                "bgl_animation_command_end_0 label word",
            }),
            frames);
    EXPECT_TRUE(status.ok()) << status.message();
    std::vector<std::string> lines = OutputLines();
    int from = IndexOf(lines, "bgl_animation_command_start_1 label word");
    std::vector<std::string> blocks;
    if (from < 0) {
      return blocks;
    }
    for (size_t i = from + 13; i < lines.size() && !lines[i].empty(); ++i) {
      blocks.push_back(lines[i]);
    }
    EXPECT_EQ(lines[from + 12], "SETWRD 2h, 0");
    return blocks;
  }
};

const std::vector<std::string> k512Block = {
    "IFIN1 g_1_fc_512, 0h, 257, 512",
    "IFMSK g_1_fc_512, 0h, 0001h",
    "SETWRD 2h, 08000h",
    "g_1_fc_512 label word",
};
const std::vector<std::string> k1024Block = {
    "IFIN1 g_1_fc_1024, 0h, 513, 1024",
    "IFMSK g_1_fc_1024, 0h, 0003h",
    "SETWRD 2h, 04000h",
    "IFMSK g_1_fc_1024, 0h, 0002h",
    "SETWRD 2h, 08000h",
    "IFMSK g_1_fc_1024, 0h, 0001h",
    "SETWRD 2h, 0C000h",
    "g_1_fc_1024 label word",
};

TEST_F(FrameBlockTest, NoBlockUpTo256Frames) {
  EXPECT_EQ(BlocksAfterTick(256), std::vector<std::string>{});
}

TEST_F(FrameBlockTest, The512BlockFrom257Frames) {
  EXPECT_EQ(BlocksAfterTick(257), k512Block);
  EXPECT_EQ(BlocksAfterTick(512), k512Block);
}

TEST_F(FrameBlockTest, Both512And1024BlocksFrom513Frames) {
  std::vector<std::string> both = k512Block;
  both.insert(both.end(), k1024Block.begin(), k1024Block.end());
  EXPECT_EQ(BlocksAfterTick(513), both);
  EXPECT_EQ(BlocksAfterTick(1100), both);
}

TEST_F(AnimationCommandsRunTest, TransformWithInterpolationIsATransformOnly) {
  ASSERT_TRUE(Run(Chunk({
                      "    BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\\",
                      "    BGL_TRANSFORM_INDIRECT 7, 0",
                      "bgl_animation_command_end_0 label word",
                  }))
                  .ok());
  EXPECT_EQ(Output(), CrLf({
                          "animation_commands_riff_start label byte",
                          "    db 'A','N','I','C'",
                          "    dd animation_commands_riff_end - $ - 4",
                          "",
                          "bgl_animation_command_start_0 label word",
                          "",
                          "BGL_TRANSFORM_INDIRECT 7, 0",
                          "",
                          "bgl_animation_command_end_0 label word",
                          "",
                          "bgl_animation_command_start_1 label word",
                          "",
                          "BGL_TRANSFORM_INDIRECT 7, 1",
                          "",
                          "bgl_animation_command_end_1 label word",
                          "",
                          "animation_commands_riff_end label byte",
                      }));
}

TEST_F(AnimationCommandsRunTest, RotationWithoutInterpolationKeepsItsTail) {
  // P = 12 and K = 4 from the line; a single comma as the rotation tail. A
  // command without any flag keeps only its labels.
  ASSERT_TRUE(Run(Chunk({
                      "    BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_"
                      "LOCAL,(offset x_quat_12 - offset x_anim), 4",
                      "bgl_animation_command_end_4 label word",
                      "; a label without any command",
                      "bgl_animation_command_end_5 label word",
                  }))
                  .ok());
  EXPECT_EQ(Output(), CrLf({
                          "animation_commands_riff_start label byte",
                          "    db 'A','N','I','C'",
                          "    dd animation_commands_riff_end - $ - 4",
                          "",
                          "bgl_animation_command_start_4 label word",
                          "",
                          "LOCAL_BASE_32 g_local_varbase_12",
                          "BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_"
                          "LOCAL,(offset g_quat_12_1_a - offset "
                          "g_local_varbase_12),4",
                          "",
                          "bgl_animation_command_end_4 label word",
                          "",
                          "bgl_animation_command_start_5 label word",
                          "",
                          "LOCAL_BASE_32 g_local_varbase_12",
                          "BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_"
                          "LOCAL,(offset g_quat_12_1_b - offset "
                          "g_local_varbase_12),5",
                          "",
                          "bgl_animation_command_end_5 label word",
                          "",
                          "bgl_animation_command_start_4 label word",
                          "bgl_animation_command_end_4 label word",
                          "",
                          "bgl_animation_command_start_5 label word",
                          "bgl_animation_command_end_5 label word",
                          "",
                          "animation_commands_riff_end label byte",
                      }));
}

TEST_F(AnimationCommandsRunTest, TranslationWinsAndTailsAreKeptPerKind) {
  // The second command sees a rotation line, then a translation line: the
  // translation is written, with the translation tail.
  ASSERT_TRUE(Run(Chunk({
                      "    BGL_ANIMATE_INDIRECT a,(offset g_quat_3 - y), 0, 0",
                      "    BGL_ANIMATE_INDIRECT a,(offset g_trans_3 - y), 0",
                      "bgl_animation_command_end_0 label word",
                  }))
                  .ok());
  std::vector<std::string> lines = OutputLines();
  EXPECT_GE(IndexOf(lines,
                    "BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,("
                    "offset g_trans_3_1_b - offset g_local_varbase_3),2"),
            0);
  EXPECT_EQ(Output().find("_quat_"), std::string::npos);
}

// Errors name the companion input and the line; the table takes lines 1 to
// 7, the chunk's header lines 8 to 10.
TEST_F(AnimationCommandsRunTest, ErrorsNameFileAndLine) {
  struct Case {
    std::string line;
    std::string message;
  } cases[] = {
      {"  BGL_TRANSFORM_INDIRECT 2, 0, 1",
       ":11: expected the transform's matrix number after the first comma (a "
       "whole number from -32768 to 32767), found \" 0, 1\""},
      {"BGL_TRANSFORM_INDIRECT\t2, 0",
       ":11: expected \"BGL_TRANSFORM_INDIRECT\", a blank and two numbers "
       "separated by a comma, found \"BGL_TRANSFORM_INDIRECT\t2, 0\""},
      {"BGL_ANIMATE_INDIRECT a,(offset g_trans_q - y), 1",
       ":11: expected a part number at the end of the label after \"offset\" "
       "(a whole number from -32768 to 32767), found \"q\""},
      {"BGL_ANIMATE_INDIRECT a,(offset g_trans_1 - y) 1",
       ":11: expected \")\" closing the table offset and a comma before the "
       "matrix number, found \"BGL_ANIMATE_INDIRECT a,(offset g_trans_1 - y) "
       "1\""},
      {"BGL_ANIMATE_INDIRECT a,(g_trans_1 - y), 1",
       ":11: expected \"offset\" and the keyframe table's label, found "
       "\"BGL_ANIMATE_INDIRECT a,(g_trans_1 - y), 1\""},
      {"BGL_TRANSFORM_INDIRECT 2, 32767",
       ":12: matrix 32767 in animation 1, variant 2 would be number 32768; "
       "matrix numbers end at 32767 (too many animations, variants or "
       "commands)"},
  };
  for (const Case& c : cases) {
    Status status =
        Run(Chunk({c.line, "bgl_animation_command_end_0 label word"}));
    EXPECT_EQ(status.message(), InputName() + c.message) << c.line;
    // No half-written companion output is left behind.
    EXPECT_FALSE(std::filesystem::exists(dir_.File("out_0.asm"))) << c.line;
  }
}

TEST_F(AnimationCommandsRunTest, MissingEndLineIsAnError) {
  std::vector<std::string> chunk = Chunk({"BGL_TRANSFORM_INDIRECT 2, 0"});
  chunk.pop_back();
  Status status = Run(chunk);
  EXPECT_EQ(status.message(),
            InputName() +
                ":11: the file ends here, but the end line of the animation "
                "commands chunk (\"animation_commands_riff_end\") was "
                "expected");
}

}  // namespace
}  // namespace zum
