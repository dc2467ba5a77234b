#include "engine/animation_parameters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/generation_run.h"
#include "engine/testing.h"

namespace zum {
namespace {

using testing::Append;
using testing::CrLf;
using testing::KeyframeTableLines;
using testing::ReadFile;
using testing::SplitCrLf;
using testing::TempDir;
using testing::WriteFile;
using Lines = std::vector<std::string>;

const Lines kVarbase1 = {"",     "gate_local_varbase_1 label word",
                         "dw 0", "dw 0",
                         "dw 0", "dw 0",
                         "dw 0", ""};

// Lines of a one-row table as the writer writes its four variants.
Lines Variants(const std::string& label, int kind, const std::string& row) {
  std::string header = kind == 3 ? "   dw    3" : "   dw    1";
  Lines lines;
  for (const char* v : {"_a", "_b", "_c", "_d"}) {
    Append(&lines, {label + v + " label word", header, "   real4 -1.0",
                    "   real4 16 dup (0.0)"});
    bool hold = v[1] == 'a' || v[1] == 'd';
    lines.push_back(hold ? "   dw    2" : "   dw    1");
    lines.push_back(v[1] == 'c' ? "   real4  0.0" + row.substr(row.find(','))
                                : "   real4  5.0" + row.substr(row.find(',')));
    if (hold) {
      lines.push_back(lines.back());
    }
  }
  return lines;
}

class AnimationParametersTest : public ::testing::Test {
 protected:
  // Writes animation A's main and companion files.
  void WriteAnimation(int a, const Lines& chunk_body) {
    std::string name = "anim" + std::to_string(a);
    job_.InputFile[a] = dir_.File(name + ".asm");
    WriteFile(job_.InputFile[a], CrLf({"include " + name + "_0.asm"}));
    Lines lines = {"head", "    db 'A','N','I','P'", "    dd size"};
    Append(&lines, chunk_body);
    Append(&lines, {"animation_parameters_riff_end label byte", "tail"});
    WriteFile(dir_.File(name + "_0.asm"), CrLf(lines));
  }

  Status Run() {
    job_.OutputFile = dir_.File("out.asm");
    progress_.clear();
    return RunGeneration(job_, [this](double s) { progress_.push_back(s); });
  }

  // The output companion's lines between the chunk's size line and its end.
  Lines ChunkBody() {
    Lines lines = SplitCrLf(ReadFile(dir_.File("out_0.asm")));
    EXPECT_GE(lines.size(), 6u);
    EXPECT_EQ(lines.back(), "tail");
    return Lines(lines.begin() + 3, lines.end() - 2);
  }

  static Lines Part(int part, const std::string& trans_row,
                    const std::string& quat_row) {
    std::string p = std::to_string(part);
    Lines lines = {"  gate_" + p + "_tick18_mod_1 label word  ", "   dw 7",
                   "gate_" + p + "_tick18_mod_2 label word"};
    if (!trans_row.empty()) {
      Append(&lines, KeyframeTableLines("gate_trans_" + p, 1, {{trans_row}}));
    }
    if (!quat_row.empty()) {
      Append(&lines, KeyframeTableLines("gate_quat_" + p, 3, {{quat_row}}));
    }
    return lines;
  }

  TempDir dir_;
  JobSettings job_;
  std::vector<double> progress_;
};

TEST_F(AnimationParametersTest, OneAnimationTwoParts) {
  Lines body = Part(1, "5, 1, 2, 3", "5, 0, 0, 0, 1");
  Append(&body, Part(2, "", "5, 0.5, 0, 0, 0.5"));
  WriteAnimation(1, body);
  ASSERT_TRUE(Run().ok());

  Lines expected = kVarbase1;
  Append(&expected, {"gate_1_tick18_mod_1 label word", "   dw 7",
                     "gate_1_tick18_mod_2 label word"});
  Append(&expected, Variants("gate_trans_1_1", 1, ",  1.0,  2.0,  3.0"));
  Append(&expected, Variants("gate_quat_1_1", 3, ",  0.0,  0.0,  0.0,  1.0"));
  Append(&expected,
         {"", "gate_local_varbase_2 label word", "dw 0", "dw 0", "dw 0", "dw 0",
          "dw 0", "", "gate_2_tick18_mod_1 label word", "   dw 7",
          "gate_2_tick18_mod_2 label word"});
  Append(&expected, Variants("gate_quat_2_1", 3, ", 0.5,  0.0,  0.0, 0.5"));
  EXPECT_EQ(ChunkBody(), expected);
  EXPECT_EQ(progress_, (std::vector<double>{20, 20}));
}

TEST_F(AnimationParametersTest, ThreeAnimationsReadTheirOwnTables) {
  job_.SecondaryEnabled = true;
  job_.AnimationCount = "3";
  for (int a = 1; a <= 3; ++a) {
    std::string v = std::to_string(a);
    // Animation 2's part 1 has a translation table too; animation 1 has
    // none, so only rotation sets are written for every animation.
    Lines body = Part(1, a == 2 ? "5, 9, 9, 9" : "", "5, " + v + ", 0, 0, 1");
    Append(&body, Part(2, "5, " + v + ", " + v + ", " + v, ""));
    WriteAnimation(a, body);
    WriteFile(job_.InputFile[a], CrLf({"main " + v}));
  }
  // Animation 3's last part needs a later "_tick18_" line to end it.
  WriteFile(dir_.File("anim3_0.asm"),
            ReadFile(dir_.File("anim3_0.asm")) + CrLf({"x_1_tick18_mod_1"}));
  WriteFile(dir_.File("anim2_0.asm"),
            ReadFile(dir_.File("anim2_0.asm")) + CrLf({"x_1_tick18_mod_1"}));
  ASSERT_TRUE(Run().ok()) << Run().message();

  Lines expected = kVarbase1;
  Append(&expected, {"gate_1_tick18_mod_1 label word", "   dw 7",
                     "gate_1_tick18_mod_2 label word"});
  for (int a = 1; a <= 3; ++a) {
    std::string v = std::to_string(a);
    Append(&expected,
           Variants("gate_quat_1_" + v, 3, ",  " + v + ".0,  0.0,  0.0,  1.0"));
  }
  Append(&expected,
         {"", "gate_local_varbase_2 label word", "dw 0", "dw 0", "dw 0", "dw 0",
          "dw 0", "", "gate_2_tick18_mod_1 label word", "   dw 7",
          "gate_2_tick18_mod_2 label word"});
  for (int a = 1; a <= 3; ++a) {
    std::string v = std::to_string(a);
    std::string n = ",  " + v + ".0";
    Append(&expected, Variants("gate_trans_2_" + v, 1, n + n + n));
  }
  EXPECT_EQ(ChunkBody(), expected);
  // Only animation 1's main file is copied.
  EXPECT_EQ(ReadFile(job_.OutputFile), CrLf({"main 1"}));
}

TEST_F(AnimationParametersTest,
       ChunkWithoutPartLabelsWritesLastTablesAsPartZero) {
  Lines body = KeyframeTableLines("gate_trans_4", 1, {{"5, 1, 1, 1"}});
  Append(&body, KeyframeTableLines("gate_trans_5", 1, {{"5, 2, 2, 2"}}));
  Append(&body, {"kept line"});
  Append(&body, KeyframeTableLines("gate_quat_5", 3, {{"5, 0, 0, 0, 1"}}));
  // A "_mod_1" line without "label" is dropped, even with a table tag.
  Append(&body, {"dw gate_trans_9_tick18_mod_1"});
  WriteAnimation(1, body);
  ASSERT_TRUE(Run().ok());
  Lines expected = {"kept line"};
  Append(&expected, Variants("gate_trans_0_1", 1, ",  2.0,  2.0,  2.0"));
  Append(&expected, Variants("gate_quat_0_1", 3, ",  0.0,  0.0,  0.0,  1.0"));
  EXPECT_EQ(ChunkBody(), expected);
}

TEST_F(AnimationParametersTest, MissingTableOfAnotherAnimationIsAnError) {
  job_.SecondaryEnabled = true;
  job_.AnimationCount = "2";
  WriteAnimation(1, Part(1, "5, 1, 1, 1", ""));
  Lines other = Part(1, "", "5, 0, 0, 0, 1");
  Append(&other, {"end_1_tick18_mod_1"});
  WriteAnimation(2, other);
  Status s = Run();
  EXPECT_EQ(s.message(),
            dir_.File("anim2_0.asm") +
                ":13: animation 2 has no translation keyframe table for part "
                "1 (nor one of an earlier part to reuse), but animation 1 has "
                "one");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("out_0.asm")));
}

TEST_F(AnimationParametersTest, AnimationFileWithoutChunkIsAnError) {
  job_.SecondaryEnabled = true;
  job_.AnimationCount = "2";
  WriteAnimation(1, Part(1, "5, 1, 1, 1", ""));
  job_.InputFile[2] = dir_.File("anim2.asm");
  WriteFile(dir_.File("anim2_0.asm"), CrLf({"no chunk here"}));
  Status s = Run();
  EXPECT_EQ(s.message(), dir_.File("anim2_0.asm") +
                             ":1: the file ends here, but the animation "
                             "parameters chunk tag 'A','N','I','P' was "
                             "expected");
}

TEST_F(AnimationParametersTest, BadPartLabelIsAnError) {
  WriteAnimation(1, {"gate_x_tick18_mod_1 label word"});
  Status s = Run();
  EXPECT_EQ(s.message(),
            dir_.File("anim1_0.asm") +
                ":4: part number of the label 'gate_x_tick18_mod_1 label "
                "word': expected a whole number, found 'x'");
}

TEST(PartNumberOfLabelTest, NumberInFrontOfTick18) {
  std::string line = "  gate_12_tick18_mod_1 label word ";
  int16_t part = 0;
  std::string err;
  ASSERT_TRUE(PartNumberOfLabel(&line, &part, &err));
  EXPECT_EQ(part, 12);
  EXPECT_EQ(line, "gate_12_tick18_mod_1 label word");
  line = "a_b_007_tick18_x";
  ASSERT_TRUE(PartNumberOfLabel(&line, &part, &err));
  EXPECT_EQ(part, 7);
  for (const char* bad : {"gate_mod_1 label", "gate12_tick18_mod_1",
                          "_tick18_mod_1", "gate__tick18_mod_1"}) {
    line = bad;
    EXPECT_FALSE(PartNumberOfLabel(&line, &part, &err)) << bad;
  }
}

}  // namespace
}  // namespace zum
