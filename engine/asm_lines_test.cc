#include "engine/asm_lines.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::TempDir;
using testing::WriteFile;

std::vector<std::string> Split(const std::string& line) {
  LineTokens tokens;
  std::string err;
  EXPECT_TRUE(SplitAsmLine(line, &tokens, &err)) << err;
  std::vector<std::string> words;
  for (int i = 1; i <= tokens.Count; ++i) {
    words.push_back(tokens.Token(i));
  }
  return words;
}

using Words = std::vector<std::string>;

TEST(SplitAsmLineTest, Examples) {
  EXPECT_EQ(Split("   real4 0.5, -1.0, 2.0 ; key 3"),
            (Words{"real4", "0.5", "-1.0", "2.0", "; key 3"}));
  EXPECT_EQ(Split("   dw    12"), (Words{"dw", "12", ""}));
  EXPECT_EQ(Split("     "), (Words{"", ""}));
  EXPECT_EQ(Split(""), (Words{"", ""}));
  EXPECT_EQ(Split("a,b"), (Words{"a", "b", ""}));
  EXPECT_EQ(Split(";x"), (Words{"", ";x"}));
  EXPECT_EQ(Split("a,"), (Words{"a", "", ""}));
  EXPECT_EQ(Split("x\ty z"), (Words{"x\ty", "z", ""}));
}

TEST(SplitAsmLineTest, TokensBeyondCountAreEmptyAndTenIsTheLimit) {
  LineTokens tokens;
  std::string err;
  ASSERT_TRUE(SplitAsmLine("real4 1, 2", &tokens, &err));
  EXPECT_EQ(tokens.Count, 4);
  EXPECT_EQ(tokens.Token(5), "");
  EXPECT_EQ(tokens.Token(10), "");
  ASSERT_TRUE(SplitAsmLine("1 2 3 4 5 6 7 8 9", &tokens, &err));
  EXPECT_EQ(tokens.Count, 10);
  EXPECT_FALSE(SplitAsmLine("1 2 3 4 5 6 7 8 9 10", &tokens, &err));
  EXPECT_NE(err.find("at most 10"), std::string::npos);
}

TEST(SplitAsmLineTest, PlainSplitterAgreesWithTheFullOne) {
  std::mt19937 random(10);
  const char alphabet[] = {' ', ' ', ',', ';', 'a', '1', '.', '-', '\t'};
  int plain_lines = 0;
  for (int i = 0; i < 50000; ++i) {
    std::string line;
    int length = static_cast<int>(random() % 24);
    for (int k = 0; k < length; ++k) {
      line += alphabet[random() % sizeof alphabet];
    }
    PlainTokens plain;
    if (!SplitPlainAsmLine(line, &plain)) {
      continue;
    }
    ++plain_lines;
    LineTokens full;
    std::string err;
    ASSERT_TRUE(SplitAsmLine(line, &full, &err)) << "'" << line << "'";
    ASSERT_EQ(plain.count, full.Count) << "'" << line << "'";
    for (int k = 1; k <= kMaxLineTokens; ++k) {
      ASSERT_EQ(plain.Token(k), full.Token(k)) << "'" << line << "' " << k;
    }
  }
  EXPECT_GT(plain_lines, 10000);
}

TEST(IncludedFileNameTest, ReplacesTheLastFourCharacters) {
  std::string name, err;
  ASSERT_TRUE(IncludedFileName("C:\\models\\gate.asm", &name, &err));
  EXPECT_EQ(name, "C:\\models\\gate_0.asm");
  ASSERT_TRUE(IncludedFileName("C:\\models\\gate.ASM", &name, &err));
  EXPECT_EQ(name, "C:\\models\\gate_0.asm");
  ASSERT_TRUE(IncludedFileName("abcd", &name, &err));
  EXPECT_EQ(name, "_0.asm");
  EXPECT_FALSE(IncludedFileName("abc", &name, &err));
  EXPECT_FALSE(err.empty());
}

class ReadKeyframeTableTest : public ::testing::Test {
 protected:
  // Writes LINES (after a label line) and reads one table of KIND.
  Status Read(const std::vector<std::string>& lines, int16_t kind) {
    std::vector<std::string> all = {"door_trans_1 label word"};
    all.insert(all.end(), lines.begin(), lines.end());
    path_ = dir_.File("door_0.asm");
    WriteFile(path_, CrLf(all));
    LineReader in;
    EXPECT_TRUE(in.Open(path_).ok());
    std::string label;
    EXPECT_TRUE(in.Next(&label));
    return ReadKeyframeTable(in, kind, table_.get());
  }

  TempDir dir_;
  std::string path_;
  std::unique_ptr<KeyframeTable> table_ = std::make_unique<KeyframeTable>();
};

TEST_F(ReadKeyframeTableTest, ReadsTranslationRows) {
  ASSERT_TRUE(Read({"   dw    1", "   real4 -1.0", "   real4 16 dup (0.0)",
                    "   dw    2", "   real4 0.0, 1.5, -2, 3e1, 99",
                    "   real4 10.0, x, 2"},
                   1)
                  .ok());
  EXPECT_EQ(table_->Kind, 1);
  EXPECT_EQ(table_->RowCount, 2);
  EXPECT_EQ(table_->Value1[1], 1.5f);
  EXPECT_EQ(table_->Value2[1], -2.0f);
  EXPECT_EQ(table_->Value3[1], 30.0f);
  EXPECT_EQ(table_->Value4[1], 0.0f);  // a fifth number is not read
  EXPECT_EQ(table_->Key[2], 10.0f);
  EXPECT_EQ(table_->Value1[2], 0.0f);  // not a number reads as 0
  EXPECT_EQ(table_->Value2[2], 2.0f);
  EXPECT_EQ(table_->Value3[2], 0.0f);  // a missing number reads as 0
}

TEST_F(ReadKeyframeTableTest, ReadsRotationRowsWithFiveNumbers) {
  ASSERT_TRUE(
      Read({"h", "h", "h", "dw 1", "real4 5, 0.1, 0.2, 0.3, 0.9"}, 3).ok());
  EXPECT_EQ(table_->Kind, 3);
  EXPECT_EQ(table_->Value4[1], 0.9f);
}

TEST_F(ReadKeyframeTableTest, LastKeyOnlyReadsEveryLineButOneNumber) {
  std::vector<std::string> lines = {
      "h",    "h", "h", "dw 3", "real4 1, 1e39", "real4 2, 2", "real4 17.5, 3",
      "after"};
  ASSERT_TRUE(Read(lines, 1).ok() == false);
  LineReader in;
  ASSERT_TRUE(in.Open(path_).ok());
  std::string label;
  in.Next(&label);
  ASSERT_TRUE(ReadKeyframeTable(in, 1, table_.get(), TableRead::kLastKey).ok());
  EXPECT_EQ(table_->RowCount, 3);
  EXPECT_EQ(table_->Key[3], 17.5f);
  std::string next;
  ASSERT_TRUE(in.Next(&next));
  EXPECT_EQ(next, "after");
}

TEST_F(ReadKeyframeTableTest, RowCountErrorsNameFileAndLine) {
  Status s = Read({"h", "h", "h", "   dw    1100"}, 1);
  EXPECT_EQ(s.message(),
            path_ + ":5: keyframe table has 1100 rows; at most 1025 fit");
  s = Read({"h", "h", "h", "   dw    0"}, 1);
  EXPECT_EQ(s.message(),
            path_ + ":5: keyframe table has 0 rows; at least 1 is needed");
  s = Read({"h", "h", "h", "   dw    lots"}, 1);
  EXPECT_EQ(s.message(), path_ +
                             ":5: keyframe table row count: expected a whole "
                             "number, found 'lots'");
}

TEST_F(ReadKeyframeTableTest, TruncatedTableAndHugeValuesAreErrors) {
  Status s = Read({"h", "h", "h", "dw 3", "real4 0, 0, 0, 0"}, 1);
  EXPECT_EQ(s.message(), path_ +
                             ":6: the file ends here, but a row of a keyframe "
                             "table was expected");
  s = Read({"h", "h"}, 1);
  EXPECT_EQ(s.message(), path_ +
                             ":3: the file ends here, but header line 3 of a "
                             "keyframe table was expected");
  s = Read({"h", "h", "h", "dw 1", "real4 0, 1e39, 0, 0"}, 1);
  EXPECT_EQ(s.message(), path_ +
                             ":6: keyframe table row: the number '1e39' is "
                             "beyond the range of a 32-bit float");
  s = Read({"h", "h", "h", "dw 1", "real4 1 2 3 4 5 6 7 8 9 10"}, 1);
  EXPECT_NE(s.message().find(path_ + ":6: the line splits"), std::string::npos)
      << s.message();
}

}  // namespace
}  // namespace zum
