#include "preview/code_lines.h"

#include <gtest/gtest.h>

#include <sstream>

#include "preview/preview_testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::PreviewTestData;
using testing::ReadCaseFile;
using testing::TempDir;
using testing::TestCase;
using testing::WriteFile;

TEST(CodeLinesTest, WordsAndArguments) {
  std::string_view rest;
  EXPECT_EQ(FirstWord("IFIN1\tat_1, 6h, 1, 1", &rest), "IFIN1");
  EXPECT_EQ(rest, "at_1, 6h, 1, 1");
  EXPECT_EQ(FirstWord("BGL_RETURN", &rest), "BGL_RETURN");
  EXPECT_EQ(rest, "");
  EXPECT_EQ(TrimSpace(" \t x y\t "), "x y");
  EXPECT_EQ(TrimSpace(" \t "), "");

  std::string_view name;
  EXPECT_TRUE(IsLabelLine("_1_tick18_mod_1\tlabel word", &name));
  EXPECT_EQ(name, "_1_tick18_mod_1");
  EXPECT_TRUE(IsLabelLine("gate_MasterScale_1 label BGLCODE", &name));
  EXPECT_FALSE(IsLabelLine("dw 0", &name));
  EXPECT_FALSE(IsLabelLine("label word", &name));

  EXPECT_EQ(SplitArguments(" a ,b,, c "),
            (std::vector<std::string_view>{"a", "b", "", "c"}));
  EXPECT_EQ(SplitArguments(""), (std::vector<std::string_view>{""}));

  std::string_view table, area;
  EXPECT_TRUE(ReadOffsetDifference(
      " (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)", &table,
      &area));
  EXPECT_EQ(table, "gate_1_tick18_mod_1");
  EXPECT_EQ(area, "gate_local_varbase_1");
  for (const char* bad :
       {"offset a - offset b", "(offset a + offset b)", "(a - offset b)",
        "(offset a - b)", "(offset  - offset b)", "()"}) {
    EXPECT_FALSE(ReadOffsetDifference(bad, &table, &area)) << bad;
  }

  double value;
  EXPECT_TRUE(ReadTableNumber(" 0FFFFh", &value));
  EXPECT_EQ(value, 65535);
  EXPECT_TRUE(ReadTableNumber("-2.5", &value));
  EXPECT_EQ(value, -2.5);
  EXPECT_FALSE(ReadTableNumber("x", &value));
}

std::string Describe(const InterpolationTable& table) {
  static const char* kKinds[] = {"wrapping", "float high", "plain"};
  std::ostringstream text;
  text << kKinds[table.kind] << '\n';
  for (size_t row = 0; row < table.keys.size(); ++row) {
    text << table.keys[row] << ' ' << table.values[row] << '\n';
  }
  return text.str();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + '\n';
  }
  return text;
}

TEST(InterpolationTableTest, ReadsBothLayoutsAsTheCasesSay) {
  auto file = ReadCaseFile(PreviewTestData("interpolation_tables.cases"));
  ASSERT_GE(file.cases.size(), 10u);
  for (TestCase& c : file.cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.File("t_0.asm");
    WriteFile(path, CrLf(c.Find("lines")->lines));
    LineReader reader;
    ASSERT_TRUE(reader.Open(path).ok());
    PeekReader in(&reader);
    InterpolationTable table;
    bool found = true;
    Status status = ReadInterpolationTable(c.Find("label")->lines.at(0), in,
                                           &table, &found);
    if (c.Find("error") != nullptr) {
      EXPECT_EQ(status.message(), path + ":" + c.Find("error")->lines.at(0));
      continue;
    }
    ASSERT_TRUE(status.ok()) << status.message();
    if (c.Find("none") != nullptr) {
      EXPECT_FALSE(found);
      std::string line;
      const std::vector<std::string>& lines = c.Find("lines")->lines;
      EXPECT_EQ(in.Next(&line), !lines.empty()) << "the line is given back";
      if (!lines.empty()) {
        EXPECT_EQ(line, lines[0]);
        EXPECT_EQ(in.line_number(), 1);
      }
      continue;
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(Describe(table), Joined(c.Find("table")->lines));
    EXPECT_EQ(table.label, c.Find("label")->lines.at(0));
  }
}

}  // namespace
}  // namespace zum
