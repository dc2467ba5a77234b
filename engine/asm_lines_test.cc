#include "engine/asm_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

using Words = std::vector<std::string>;

Words Split(const std::string& line) {
  LineTokens tokens;
  std::string err;
  EXPECT_TRUE(SplitAsmLine(line, &tokens, &err)) << err;
  Words words;
  for (int i = 1; i <= tokens.Count; ++i) {
    words.push_back(tokens.Token(i));
  }
  return words;
}

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
  // Tokens beyond the count are empty; ten tokens are the limit.
  LineTokens tokens;
  std::string err;
  ASSERT_TRUE(SplitAsmLine("real4 1, 2", &tokens, &err));
  EXPECT_EQ(tokens.Token(10), "");
  ASSERT_TRUE(SplitAsmLine("1 2 3 4 5 6 7 8 9", &tokens, &err));
  EXPECT_EQ(tokens.Count, 10);
  EXPECT_FALSE(SplitAsmLine("1 2 3 4 5 6 7 8 9 10", &tokens, &err));
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
  ASSERT_TRUE(IncludedFileName("C:\\models\\gate.ASM", &name, &err));
  EXPECT_EQ(name, "C:\\models\\gate_0.asm");
  ASSERT_TRUE(IncludedFileName("abcd", &name, &err));
  EXPECT_EQ(name, "_0.asm");
  EXPECT_FALSE(IncludedFileName("abc", &name, &err));
}

// Reads the table of KIND after the label line of LINES. The errors are in
// the case files.
class ReadKeyframeTableTest : public ::testing::Test {
 protected:
  void Read(const std::vector<std::string>& lines, KeyframeKind kind,
            TableRead read = TableRead::kAllRows) {
    testing::WriteFile(dir_.File("t_0.asm"), testing::CrLf(lines));
    ASSERT_TRUE(in_.Open(dir_.File("t_0.asm")).ok());
    std::string label;
    in_.Next(&label);
    ASSERT_TRUE(ReadKeyframeTable(in_, kind, table_.get(), read).ok());
  }

  testing::TempDir dir_;
  LineReader in_;
  std::unique_ptr<KeyframeTable> table_ = std::make_unique<KeyframeTable>();
};

TEST_F(ReadKeyframeTableTest, TranslationRowsReadFourNumbers) {
  Read({"door_trans_1 label word", "h", "h", "h", "   dw    2",
        "   real4 0.0, 1.5, -2, 3e1, 99", "   real4 10.0, x, 2"},
       KeyframeKind::kTranslation);
  EXPECT_EQ(table_->Kind, KeyframeKind::kTranslation);
  EXPECT_EQ(table_->RowCount, 2);
  EXPECT_EQ(table_->Value1[1], 1.5f);
  EXPECT_EQ(table_->Value3[1], 30.0f);
  EXPECT_EQ(table_->Value4[1], 0.0f);  // a fifth number is not read
  EXPECT_EQ(table_->Key[2], 10.0f);
  EXPECT_EQ(table_->Value1[2], 0.0f);  // not a number reads as 0
  EXPECT_EQ(table_->Value3[2], 0.0f);  // a missing number reads as 0
}

TEST_F(ReadKeyframeTableTest, RotationRowsReadFiveNumbers) {
  Read({"door_quat_1 label word", "h", "h", "h", "dw 1",
        "real4 5, 0.1, 0.2, 0.3, 0.9"},
       KeyframeKind::kRotation);
  EXPECT_EQ(table_->Kind, KeyframeKind::kRotation);
  EXPECT_EQ(table_->Value4[1], 0.9f);
}

TEST_F(ReadKeyframeTableTest, LastKeyOnlyReadsEveryLineButOneNumber) {
  // The huge number of the first row is not read.
  Read({"door_trans_1 label word", "h", "h", "h", "dw 3", "real4 1, 1e39",
        "real4 2, 2", "real4 17.5, 3", "after"},
       KeyframeKind::kTranslation, TableRead::kLastKey);
  EXPECT_EQ(table_->RowCount, 3);
  EXPECT_EQ(table_->Key[3], 17.5f);
  std::string next;
  ASSERT_TRUE(in_.Next(&next));
  EXPECT_EQ(next, "after");
}

// Rows as exporters write them, with blanks and commas of every width and
// numbers of every form they use, read as static_cast<float>(strtod) of
// each number's own text: what the one-pass row reader reads must be what
// the splitter reads.
TEST_F(ReadKeyframeTableTest, ExporterRowsReadAsStrtodOfEachNumber) {
  std::mt19937 random(4);
  const char* const formats[] = {"%.6f", "%.9g", "%.0f.0", "%.3f", "%.1f"};
  std::vector<std::string> lines = {"door_quat_1 label word", "h", "h", "h",
                                    "   dw    1025"};
  std::vector<std::vector<std::string>> numbers;
  for (int r = 0; r < kMaxKeyframeRows; ++r) {
    std::string row = std::string(random() % 5, ' ') + "real4 ";
    numbers.emplace_back();
    for (int c = 0; c < 5; ++c) {
      char text[64];
      const double magnitude =
          std::pow(10.0, static_cast<int>(random() % 9) - 4);
      std::snprintf(
          text, sizeof text, formats[random() % std::size(formats)],
          (static_cast<double>(random()) / 4294967296.0 - 0.5) * magnitude);
      numbers.back().push_back(text);
      row += text;
      if (c < 4) {
        row += std::string(random() % 2, ' ') + "," +
               std::string(random() % 3, ' ');
      }
    }
    lines.push_back(row + std::string(random() % 3, ' '));
  }
  Read(lines, KeyframeKind::kRotation);
  ASSERT_EQ(table_->RowCount, kMaxKeyframeRows);
  for (int r = 1; r <= kMaxKeyframeRows; ++r) {
    const float read[] = {table_->Key[r], table_->Value1[r], table_->Value2[r],
                          table_->Value3[r], table_->Value4[r]};
    for (int c = 0; c < 5; ++c) {
      const std::string& text = numbers[r - 1][c];
      ASSERT_EQ(read[c], static_cast<float>(std::strtod(text.c_str(), nullptr)))
          << "row " << r << ": " << lines[r + 4];
    }
  }
}

}  // namespace
}  // namespace zum
