#include "engine/keyframe_writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

using testing::CrLf;

// The variants of TABLE as the writer writes them for part 2 of animation 1
// under the label base "g".
std::vector<std::string> Written(const KeyframeTable& table) {
  testing::TempDir dir;
  LineWriter out;
  EXPECT_TRUE(out.Open(dir.File("out.asm")).ok());
  const std::string label_base = "g";
  WriteKeyframeTableSet(out, {label_base, 2, 1, &table, nullptr});
  EXPECT_TRUE(out.Close().ok());
  return testing::SplitCrLf(testing::ReadFile(dir.File("out.asm")));
}

std::vector<std::string> Variant(const std::string& suffix,
                                 std::vector<std::string> rows) {
  std::vector<std::string> lines = {
      "g_trans_2_1_" + suffix + " label word", "   dw    1", "   real4 -1.0",
      "   real4 16 dup (0.0)", "   dw    " + std::to_string(rows.size())};
  lines.insert(lines.end(), rows.begin(), rows.end());
  return lines;
}

TEST(KeyframeWriterTest, WorkedExampleAllFourVariants) {
  auto t = std::make_unique<KeyframeTable>();
  t->RowCount = 3;
  const float rows[3][4] = {
      {0, 0, 0, 0}, {10, 1, 0.25f, -0.5f}, {20, 2, 0.5f, -1}};
  for (int r = 1; r <= 3; ++r) {
    t->Key[r] = rows[r - 1][0];
    t->Value1[r] = rows[r - 1][1];
    t->Value2[r] = rows[r - 1][2];
    t->Value3[r] = rows[r - 1][3];
    t->Value4[r] = 7;  // never written for a translation table
  }
  std::vector<std::string> expected;
  for (const auto& v : {
           Variant("a", {"   real4  0.0,  0.0,  0.0,  0.0",
                         "   real4  20.0,  0.0,  0.0,  0.0"}),
           Variant("b", {"   real4  0.0,  0.0,  0.0,  0.0",
                         "   real4  10.0,  1.0, 0.25, -0.5",
                         "   real4  20.0,  2.0, 0.5, -1.0"}),
           Variant("c", {"   real4  0.0,  2.0, 0.5, -1.0",
                         "   real4  10.0,  1.0, 0.25, -0.5",
                         "   real4  20.0,  0.0,  0.0,  0.0"}),
           Variant("d", {"   real4  0.0,  2.0, 0.5, -1.0",
                         "   real4  20.0,  2.0, 0.5, -1.0"}),
       }) {
    expected.insert(expected.end(), v.begin(), v.end());
  }
  EXPECT_EQ(Written(*t), expected);
}

TEST(KeyframeWriterTest, ReverseKeysAreFloatDifferences) {
  auto t = std::make_unique<KeyframeTable>();
  t->RowCount = 2;
  t->Key[1] = 0.1f;
  t->Key[2] = 30.35f;
  const std::vector<std::string> lines = Written(*t);
  ASSERT_EQ(lines.size(), 28u);
  // Variant c: in float arithmetic 30.35f - 0.1f is exactly 30.25, a tie
  // that rounds to 30.2; the same difference taken in double gives 30.3.
  EXPECT_EQ(lines[14], "g_trans_2_1_c label word");
  EXPECT_EQ(lines[19], "   real4  0.0,  0.0,  0.0,  0.0");
  EXPECT_EQ(lines[20], "   real4  30.2,  0.0,  0.0,  0.0");
}

}  // namespace
}  // namespace zum
