#include "engine/keyframe_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/number_rules.h"
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

// The four variants of T under LABEL, made line by line from the texts of
// KeyframeNumber.
std::string ReferenceVariants(const KeyframeTable& t,
                              const std::string& label) {
  const bool rotation = t.Kind == KeyframeKind::kRotation;
  const int n = t.RowCount;
  std::string text;
  const auto start = [&](const char* suffix, int rows) {
    text += label + suffix + " label word\r\n" +
            (rotation ? "   dw    3\r\n" : "   dw    1\r\n") +
            "   real4 -1.0\r\n   real4 16 dup (0.0)\r\n   dw    " +
            std::to_string(rows) + "\r\n";
  };
  const auto row = [&](float key, int r) {
    text += "   real4 " + KeyframeNumber(key, 1);
    for (float value : {t.Value1[r], t.Value2[r], t.Value3[r]}) {
      text += ", " + KeyframeNumber(value, 3);
    }
    if (rotation) {
      text += ", " + KeyframeNumber(t.Value4[r], 3);
    }
    text += "\r\n";
  };
  start("_a", 2);
  row(t.Key[1], 1);
  row(t.Key[n], 1);
  start("_b", n);
  for (int r = 1; r <= n; ++r) {
    row(t.Key[r], r);
  }
  start("_c", n);
  for (int r = n; r >= 1; --r) {
    row(t.Key[n] - t.Key[r], r);
  }
  start("_d", 2);
  row(t.Key[1], n);
  row(t.Key[n], n);
  return text;
}

// Random tables of every size, with whole keys, keys with a fraction and
// numbers of every length, appended after earlier text under a long label
// base: the text the writer makes in reserved room is the line by line one.
TEST(KeyframeWriterTest, AgreesWithLineByLineReferenceOnRandomTables) {
  std::mt19937 random(2058);
  const auto number = [&random](int kind) -> float {
    const double n = static_cast<double>(random() % 2000001) - 1000000;
    switch (kind) {
      case 0:
        return static_cast<float>(n);  // whole
      case 1:
        return static_cast<float>(n / 10);
      case 2:
        return static_cast<float>(n / 1e6);  // an exporter's six decimals
      default:
        return static_cast<float>(n * std::pow(10.0, random() % 30 - 15));
    }
  };
  auto translation = std::make_unique<KeyframeTable>();
  auto rotation = std::make_unique<KeyframeTable>();
  translation->Kind = KeyframeKind::kTranslation;
  rotation->Kind = KeyframeKind::kRotation;
  const std::string label_base(300, 'x');
  for (int i = 0; i < 40; ++i) {
    const int kind = i % 4;
    for (KeyframeTable* t : {translation.get(), rotation.get()}) {
      t->RowCount = i < 4   ? kMaxKeyframeRows
                    : i < 8 ? 1 + i % 2
                            : 1 + static_cast<int>(random() % kMaxKeyframeRows);
      for (int r = 1; r <= t->RowCount; ++r) {
        t->Key[r] = number(kind);
        t->Value1[r] = number(2);
        t->Value2[r] = number(kind);
        t->Value3[r] = number(3);
        t->Value4[r] = number(2);
      }
    }
    GrowingText text;
    text.Append("earlier\r\n");
    AppendKeyframeTableSet({label_base, 7, 12, translation.get(),
                            i % 3 == 0 ? nullptr : rotation.get()},
                           &text);
    std::string expected =
        "earlier\r\n" +
        ReferenceVariants(*translation, label_base + "_trans_7_12");
    if (i % 3 != 0) {
      expected += ReferenceVariants(*rotation, label_base + "_quat_7_12");
    }
    ASSERT_EQ(text.view(), expected) << "table " << i;
  }
}

}  // namespace
}  // namespace zum
