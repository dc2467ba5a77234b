#include "engine/keyframe_writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::TempDir;

class KeyframeWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(out_.Open(dir_.File("out.asm")).ok()); }

  std::string Written() {
    EXPECT_TRUE(out_.Close().ok());
    return ReadFile(dir_.File("out.asm"));
  }

  // The translation table of the worked example: keys 0, 10, 20.
  std::unique_ptr<KeyframeTable> GateTable() {
    auto t = std::make_unique<KeyframeTable>();
    t->Kind = 1;
    t->RowCount = 3;
    float rows[3][4] = {{0, 0, 0, 0}, {10, 1, 0.25f, -0.5f}, {20, 2, 0.5f, -1}};
    for (int r = 1; r <= 3; ++r) {
      t->Key[r] = rows[r - 1][0];
      t->Value1[r] = rows[r - 1][1];
      t->Value2[r] = rows[r - 1][2];
      t->Value3[r] = rows[r - 1][3];
      t->Value4[r] = 7;  // never written for a translation table
    }
    return t;
  }

  TempDir dir_;
  LineWriter out_;
};

const std::vector<std::string> kHeader1 = {"   dw    1", "   real4 -1.0",
                                           "   real4 16 dup (0.0)"};

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (auto& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

TEST_F(KeyframeWriterTest, WorkedExampleAllFourVariants) {
  auto table = GateTable();
  auto rotation = std::make_unique<KeyframeTable>();
  WriteKeyframeTableSet(out_, 1, *table, true, *rotation, false, "gate", 2);
  std::string expected = CrLf(Concat({
      {"gate_trans_2_1_a label word"},
      kHeader1,
      {"   dw    2", "   real4  0.0,  0.0,  0.0,  0.0",
       "   real4  20.0,  0.0,  0.0,  0.0"},
      {"gate_trans_2_1_b label word"},
      kHeader1,
      {"   dw    3", "   real4  0.0,  0.0,  0.0,  0.0",
       "   real4  10.0,  1.0, 0.25, -0.5", "   real4  20.0,  2.0, 0.5, -1.0"},
      {"gate_trans_2_1_c label word"},
      kHeader1,
      {"   dw    3", "   real4  0.0,  2.0, 0.5, -1.0",
       "   real4  10.0,  1.0, 0.25, -0.5", "   real4  20.0,  0.0,  0.0,  0.0"},
      {"gate_trans_2_1_d label word"},
      kHeader1,
      {"   dw    2", "   real4  0.0,  2.0, 0.5, -1.0",
       "   real4  20.0,  2.0, 0.5, -1.0"},
  }));
  EXPECT_EQ(Written(), expected);
}

TEST_F(KeyframeWriterTest, RotationRowsCarryFiveNumbersAfterTranslation) {
  auto translation = GateTable();
  auto rotation = std::make_unique<KeyframeTable>();
  rotation->Kind = 3;
  rotation->RowCount = 1;
  rotation->Key[1] = 5;
  rotation->Value1[1] = 0.0625f;
  rotation->Value4[1] = 1.23456f;
  WriteKeyframeTableSet(out_, 7, *translation, true, *rotation, true, "", 12);
  std::vector<std::string> lines = testing::SplitCrLf(Written());
  // Per variant a label, three header lines and a count line, then the rows.
  ASSERT_EQ(lines.size(), (20u + 2 + 3 + 3 + 2) + (20u + 2 + 1 + 1 + 2));
  // Translation variants come first, then the rotation variants.
  EXPECT_EQ(lines[0], "_trans_12_7_a label word");
  size_t rotation_start = 30;
  EXPECT_EQ(lines[rotation_start], "_quat_12_7_a label word");
  EXPECT_EQ(lines[rotation_start + 1], "   dw    3");
  // A one-row table: a and d hold two identical rows, b and c one row each,
  // and c's key is 0.
  std::vector<std::string> rest(lines.begin() + rotation_start, lines.end());
  EXPECT_EQ(rest, (std::vector<std::string>{
                      "_quat_12_7_a label word",
                      "   dw    3",
                      "   real4 -1.0",
                      "   real4 16 dup (0.0)",
                      "   dw    2",
                      "   real4  5.0, 0.062,  0.0,  0.0,  1.235",
                      "   real4  5.0, 0.062,  0.0,  0.0,  1.235",
                      "_quat_12_7_b label word",
                      "   dw    3",
                      "   real4 -1.0",
                      "   real4 16 dup (0.0)",
                      "   dw    1",
                      "   real4  5.0, 0.062,  0.0,  0.0,  1.235",
                      "_quat_12_7_c label word",
                      "   dw    3",
                      "   real4 -1.0",
                      "   real4 16 dup (0.0)",
                      "   dw    1",
                      "   real4  0.0, 0.062,  0.0,  0.0,  1.235",
                      "_quat_12_7_d label word",
                      "   dw    3",
                      "   real4 -1.0",
                      "   real4 16 dup (0.0)",
                      "   dw    2",
                      "   real4  5.0, 0.062,  0.0,  0.0,  1.235",
                      "   real4  5.0, 0.062,  0.0,  0.0,  1.235"}));
}

TEST_F(KeyframeWriterTest, NothingPendingWritesNothing) {
  auto table = GateTable();
  WriteKeyframeTableSet(out_, 1, *table, false, *table, false, "gate", 1);
  EXPECT_EQ(Written(), "");
}

TEST_F(KeyframeWriterTest, ReverseKeysAreFloatDifferences) {
  auto t = std::make_unique<KeyframeTable>();
  t->Kind = 1;
  t->RowCount = 2;
  t->Key[1] = 0.1f;
  t->Key[2] = 30.35f;
  WriteKeyframeTableSet(out_, 1, *t, true, *t, false, "g", 1);
  std::vector<std::string> lines = testing::SplitCrLf(Written());
  // Variant c follows a and b, seven lines each: its label, three header
  // lines, its row count and its two rows.
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[14], "g_trans_1_1_c label word");
  EXPECT_EQ(lines[19], "   real4  0.0,  0.0,  0.0,  0.0");
  // In float arithmetic 30.35f - 0.1f is exactly 30.25, a tie that rounds
  // to 30.2; the same difference taken in double would round to 30.3.
  EXPECT_EQ(lines[20], "   real4  30.2,  0.0,  0.0,  0.0");
}

}  // namespace
}  // namespace zum
