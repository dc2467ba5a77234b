#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::SplitCrLf;
using testing::TempDir;
using testing::WriteFile;

// The 184 lines of a typical file, written by hand in the file's order.
std::vector<std::string> TypicalLines() {
  std::vector<std::string> lines = {
      " 1 ",          // 1 chk_cond(0)
      "0280h",        // 2 txt_var(0)
      "0",            // 3 txt_var_min(0)
      "500",          // 4 txt_var_max(0)
      " 1 ",          // 5 chk_cond(1)
      "0312h",        // 6 txt_var(1)
      "1",            // 7 txt_var_min(1)
      "1",            // 8 txt_var_max(1)
      " 0 ",          // 9 chk_cond(2)
      "0314h",        // 10 txt_var(2)
      "3",            // 11 txt_var_min(2)
      "9",            // 12 txt_var_max(2)
      " 0 ",          // 13 chk_cond(3)
      "0316h",        // 14 txt_var(3)
      "3",            // 15 txt_num_secondanim
      "C:\\out.asm",  // 16 txt_file_out
      " 2 ",          // 17 FileRowBase
  };
  for (int a = 1; a <= 50; ++a) {
    lines.push_back(a <= 3 ? "C:\\gate" + std::to_string(a) + ".asm" : "");
    lines.push_back(a <= 3 ? std::to_string(a) : "");
    lines.push_back(a <= 3 ? std::to_string(a + 10) : "");
  }
  for (const char* line : {"1", "-1", "1", "-2", "2", "-3", "3", "45"}) {
    lines.push_back(line);  // 168 kind(0), 169..175
  }
  for (const char* line : {"2", "-4", "4", "-5", "5", "-6", "6", "90"}) {
    lines.push_back(line);  // 176 kind(1), 177..183
  }
  lines.push_back(" 0 ");  // 184
  return lines;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::vector<std::string>& lines) {
    WriteFile(path_, CrLf(lines));
    return path_;
  }
  // Loads LINES with one line replaced, expecting the error MESSAGE.
  void ExpectError(int line, const std::string& text,
                   const std::string& message) {
    std::vector<std::string> lines = TypicalLines();
    lines[line - 1] = text;
    Write(lines);
    std::vector<SettingsValue> values;
    Status status = ReadSettingsFile(path_, &values);
    EXPECT_EQ(status.ToString(), path_ + ":" + message) << "line " << line;
    EXPECT_EQ(values.size(), static_cast<size_t>(line - 1))
        << "values before line " << line;
  }

  TempDir dir_;
  std::string path_ = dir_.File("zum3.cfg");
};

TEST_F(SettingsFileTest, NumberLinesHaveSignPositionAndTrailingBlank) {
  EXPECT_EQ(NumberLineText(0), " 0 ");
  EXPECT_EQ(NumberLineText(1), " 1 ");
  EXPECT_EQ(NumberLineText(2), " 2 ");
  EXPECT_EQ(NumberLineText(-1), "-1 ");
  EXPECT_EQ(NumberLineText(32767), " 32767 ");
  EXPECT_EQ(NumberLineText(-32768), "-32768 ");
}

TEST_F(SettingsFileTest, ReadsTheTypicalFileIntoEveryField) {
  Write(TypicalLines());
  SettingsRecord record;
  ASSERT_TRUE(LoadSettingsFile(path_, &record).ok());
  EXPECT_EQ(record.chk_cond[0], 1);
  EXPECT_EQ(record.chk_cond[1], 1);
  EXPECT_EQ(record.chk_cond[2], 0);
  EXPECT_EQ(record.chk_cond[3], 0);
  EXPECT_EQ(record.txt_var[0], "0280h");
  EXPECT_EQ(record.txt_var_max[0], "500");
  EXPECT_EQ(record.txt_var[1], "0312h");
  EXPECT_EQ(record.txt_var[2], "0314h");
  EXPECT_EQ(record.txt_var_min[2], "3");
  EXPECT_EQ(record.txt_var_max[2], "9");
  EXPECT_EQ(record.txt_var[3], "0316h");
  EXPECT_EQ(record.txt_num_secondanim, "3");
  EXPECT_EQ(record.txt_file_out, "C:\\out.asm");
  EXPECT_EQ(record.FileRowBase, 2);
  EXPECT_EQ(record.InputFile[1], "C:\\gate1.asm");
  EXPECT_EQ(record.SecondaryMin[2], "2");
  EXPECT_EQ(record.SecondaryMax[3], "13");
  EXPECT_EQ(record.InputFile[4], "");
  EXPECT_EQ(record.opt_kind[0], ConditionKind::kBetween);
  EXPECT_EQ(record.txt_box_xmin[0], "-1");
  EXPECT_EQ(record.txt_box_zmax[0], "3");
  EXPECT_EQ(record.txt_rot[0], "45");
  EXPECT_EQ(record.opt_kind[1], ConditionKind::kMask);
  EXPECT_EQ(record.txt_box_xmin[1], "-4");
  EXPECT_EQ(record.txt_box_ymax[1], "5");
  EXPECT_EQ(record.txt_rot[1], "90");
  EXPECT_EQ(record.opt_condapply0, false);
}

TEST_F(SettingsFileTest, HandsBackTheValuesInFileOrder) {
  Write(TypicalLines());
  std::vector<SettingsValue> values;
  ASSERT_TRUE(ReadSettingsFile(path_, &values).ok());
  ASSERT_EQ(values.size(), 184u);
  for (int i = 0; i < 184; ++i) {
    EXPECT_EQ(values[i].line, i + 1);
  }
  EXPECT_EQ(values[0].slot.field, SettingsField::kChkCond);
  EXPECT_EQ(values[0].number, 1);
  EXPECT_EQ(values[16].slot.field, SettingsField::kFileRowBase);
  EXPECT_EQ(values[16].number, 2);
  EXPECT_EQ(values[20].slot.field, SettingsField::kInputFile);
  EXPECT_EQ(values[20].slot.index, 2);
  EXPECT_EQ(values[20].text, "C:\\gate2.asm");
  EXPECT_EQ(values[175].kind, ConditionKind::kMask);
  EXPECT_EQ(values[183].slot.field, SettingsField::kOptCondapply);
  EXPECT_EQ(values[183].number, 1);  // selects opt_condapply(1)
}

TEST_F(SettingsFileTest, WritesTheTypicalFileByteForByte) {
  Write(TypicalLines());
  SettingsRecord record;
  ASSERT_TRUE(LoadSettingsFile(path_, &record).ok());
  std::string copy = dir_.File("copy.cfg");
  ASSERT_TRUE(WriteSettingsFile(copy, record).ok());
  EXPECT_EQ(ReadFile(copy), CrLf(TypicalLines()));
  EXPECT_EQ(SettingsFileText(record), CrLf(TypicalLines()));
}

TEST_F(SettingsFileTest, WritesEachValueOnItsOwnLine) {
  SettingsRecord record;
  record.chk_cond = {0, 1, 2, 1};
  record.txt_var = {"v0", "v1", "v2", "v3"};
  record.txt_var_min = {"n0", "n1", "n2"};
  record.txt_var_max = {"x0", "x1", "x2"};
  record.txt_num_secondanim = "count";
  record.txt_file_out = "out";
  record.FileRowBase = -7;
  record.InputFile[50] = "in50";
  record.SecondaryMin[50] = "min50";
  record.SecondaryMax[50] = "max50";
  record.opt_kind = {ConditionKind::kBoundingBox, ConditionKind::kMask};
  record.txt_box_xmin = {"a0", "a1"};
  record.txt_box_zmax = {"f0", "f1"};
  record.txt_rot = {"r0", "r1"};
  record.opt_condapply0 = false;
  std::vector<std::string> lines = SplitCrLf(SettingsFileText(record));
  ASSERT_EQ(lines.size(), 184u);
  const std::vector<std::string> head = {
      " 0 ", "v0", "n0", "x0",  " 1 ", "v1",    "n1",  "x1", " 2 ",
      "v2",  "n2", "x2", " 1 ", "v3",  "count", "out", "-7 "};
  for (size_t i = 0; i < head.size(); ++i) {
    EXPECT_EQ(lines[i], head[i]) << "line " << i + 1;
  }
  EXPECT_EQ(lines[17], "");  // InputFile(1)
  EXPECT_EQ(lines[164], "in50");
  EXPECT_EQ(lines[165], "min50");
  EXPECT_EQ(lines[166], "max50");
  EXPECT_EQ(lines[167], "0");
  EXPECT_EQ(lines[168], "a0");
  EXPECT_EQ(lines[173], "f0");
  EXPECT_EQ(lines[174], "r0");
  EXPECT_EQ(lines[175], "2");
  EXPECT_EQ(lines[176], "a1");
  EXPECT_EQ(lines[181], "f1");
  EXPECT_EQ(lines[182], "r1");
  EXPECT_EQ(lines[183], " 0 ");
}

TEST_F(SettingsFileTest, WritesTheDefaultChoiceWhenLine184WasAbsent) {
  SettingsRecord record;
  std::vector<std::string> lines = SplitCrLf(SettingsFileText(record));
  ASSERT_EQ(lines.size(), 184u);
  EXPECT_EQ(lines[183], " 1 ");
  EXPECT_EQ(lines[167], "1");  // "Condition (between)"
}

TEST_F(SettingsFileTest, TextLinesKeepTheirBlanksAndBytes) {
  std::vector<std::string> lines = TypicalLines();
  lines[1] = "  0280h ";
  lines[15] = "D:\\objets \xe9t\xe9\\porte.asm";
  Write(lines);
  SettingsRecord record;
  ASSERT_TRUE(LoadSettingsFile(path_, &record).ok());
  EXPECT_EQ(record.txt_var[0], "  0280h ");
  EXPECT_EQ(record.txt_file_out, "D:\\objets \xe9t\xe9\\porte.asm");
  EXPECT_EQ(SettingsFileText(record), CrLf(lines));
}

TEST_F(SettingsFileTest, NumberLinesAreConvertedToWholeNumbers) {
  std::vector<std::string> lines = TypicalLines();
  lines[0] = "   1";
  lines[4] = "0.5";   // rounds half to even: 0
  lines[16] = "2.5";  // 2
  lines[8] = "1.5";   // 2: greyed
  Write(lines);
  SettingsRecord record;
  ASSERT_TRUE(LoadSettingsFile(path_, &record).ok());
  EXPECT_EQ(record.chk_cond[0], 1);
  EXPECT_EQ(record.chk_cond[1], 0);
  EXPECT_EQ(record.chk_cond[2], 2);
  EXPECT_EQ(record.FileRowBase, 2);
}

TEST_F(SettingsFileTest, KindLinesUseTheLeadingNumber) {
  struct Row {
    const char* text;
    ConditionKind kind;
  };
  const Row rows[] = {
      {"1", ConditionKind::kBetween},      {"2", ConditionKind::kMask},
      {"0", ConditionKind::kBoundingBox},  {" 2 ", ConditionKind::kMask},
      {"2.0", ConditionKind::kMask},       {"1x", ConditionKind::kBetween},
      {"12", ConditionKind::kBoundingBox}, {"x", ConditionKind::kBoundingBox},
      {"", ConditionKind::kBoundingBox},   {"3", ConditionKind::kBoundingBox},
  };
  for (const Row& row : rows) {
    std::vector<std::string> lines = TypicalLines();
    lines[175] = row.text;
    Write(lines);
    SettingsRecord record;
    ASSERT_TRUE(LoadSettingsFile(path_, &record).ok()) << row.text;
    EXPECT_EQ(record.opt_kind[1], row.kind) << "'" << row.text << "'";
  }
}

TEST_F(SettingsFileTest, Line184ChoosesWhereTheConditionsApply) {
  struct Row {
    const char* text;
    bool to_trigger;
  };
  const Row rows[] = {{" 1 ", true},  {"1", true},    {"1.0", true},
                      {"1abc", true}, {" 0 ", false}, {"2", false},
                      {"-1", false},  {"", false},    {"x", false}};
  for (const Row& row : rows) {
    std::vector<std::string> lines = TypicalLines();
    lines[183] = row.text;
    Write(lines);
    SettingsRecord record;
    ASSERT_TRUE(LoadSettingsFile(path_, &record).ok()) << row.text;
    EXPECT_EQ(record.opt_condapply0, row.to_trigger) << "'" << row.text << "'";
  }
}

TEST_F(SettingsFileTest, FileWithoutLine184KeepsTheCurrentChoice) {
  std::vector<std::string> lines = TypicalLines();
  lines.pop_back();
  Write(lines);
  std::vector<SettingsValue> values;
  ASSERT_TRUE(ReadSettingsFile(path_, &values).ok());
  EXPECT_EQ(values.size(), 183u);
  SettingsRecord record;
  record.opt_condapply0 = false;
  ASSERT_TRUE(LoadSettingsFile(path_, &record).ok());
  EXPECT_EQ(record.opt_condapply0, false);
  SettingsRecord fresh;
  ASSERT_TRUE(LoadSettingsFile(path_, &fresh).ok());
  EXPECT_FALSE(fresh.opt_condapply0.has_value());
}

TEST_F(SettingsFileTest, LastLineWithoutLineEndStillCounts) {
  std::string text = CrLf(TypicalLines());
  text.resize(text.size() - 2);  // line 184 " 0 " without CR LF
  WriteFile(path_, text);
  SettingsRecord record;
  ASSERT_TRUE(LoadSettingsFile(path_, &record).ok());
  EXPECT_EQ(record.opt_condapply0, false);
}

TEST_F(SettingsFileTest, LinesAfter184AreIgnored) {
  std::vector<std::string> lines = TypicalLines();
  lines.push_back("not a number");
  Write(lines);
  std::vector<SettingsValue> values;
  ASSERT_TRUE(ReadSettingsFile(path_, &values).ok());
  EXPECT_EQ(values.size(), 184u);
}

TEST_F(SettingsFileTest, AcceptsLfAndCrLineEnds) {
  for (const char* end : {"\n", "\r"}) {
    std::string text;
    for (const std::string& line : TypicalLines()) {
      text += line + end;
    }
    WriteFile(path_, text);
    SettingsRecord record;
    ASSERT_TRUE(LoadSettingsFile(path_, &record).ok());
    EXPECT_EQ(SettingsFileText(record), CrLf(TypicalLines()));
  }
}

TEST_F(SettingsFileTest, MissingFileIsAnError) {
  std::vector<SettingsValue> values;
  Status status = ReadSettingsFile(dir_.File("zuma.cfg"), &values);
  EXPECT_EQ(status.ToString(),
            dir_.File("zuma.cfg") +
                ": cannot open for reading (No such file or directory)");
  EXPECT_TRUE(values.empty());
}

TEST_F(SettingsFileTest, FileShorterThan183LinesIsAnError) {
  std::vector<std::string> lines = TypicalLines();
  lines.resize(182);
  Write(lines);
  std::vector<SettingsValue> values;
  Status status = ReadSettingsFile(path_, &values);
  EXPECT_EQ(status.ToString(),
            path_ +
                ":182: the file ends here, but line 183 of 183 "
                "(txt_rot(1)) was expected");
  EXPECT_EQ(values.size(), 182u);

  WriteFile(path_, "");
  values.clear();
  EXPECT_EQ(ReadSettingsFile(path_, &values).ToString(),
            path_ +
                ":0: the file ends here, but line 1 of 183 "
                "(chk_cond(0)) was expected");
}

TEST_F(SettingsFileTest, NumberLineThatIsNoNumberIsAnError) {
  ExpectError(17, "abc",
              "17: FileRowBase: expected a whole number, found 'abc'");
  ExpectError(17, "",
              "17: FileRowBase: expected a whole number, found nothing");
  ExpectError(17, "40000",
              "17: FileRowBase: number '40000' is outside the 16-bit range "
              "-32768..32767");
  ExpectError(1, "1 1", "1: chk_cond(0): expected a whole number, found '1 1'");
  ExpectError(13, "yes",
              "13: chk_cond(3): expected a whole number, found 'yes'");
}

TEST_F(SettingsFileTest, CheckBoxValueOtherThan012IsAnError) {
  ExpectError(5, " 3 ",
              "5: chk_cond(1): expected a check-box value 0, 1 or 2, found 3");
  ExpectError(9, "-1 ",
              "9: chk_cond(2): expected a check-box value 0, 1 or 2, found -1");
  ExpectError(13, "2.6",
              "13: chk_cond(3): expected a check-box value 0, 1 or 2, found 3");
}

TEST_F(SettingsFileTest, GreyedCheckBoxLoadsWithoutError) {
  std::vector<std::string> lines = TypicalLines();
  lines[12] = " 2 ";
  Write(lines);
  SettingsRecord record;
  ASSERT_TRUE(LoadSettingsFile(path_, &record).ok());
  EXPECT_EQ(record.chk_cond[3], 2);
}

TEST_F(SettingsFileTest, LoadKeepsTheValuesBeforeTheBadLine) {
  std::vector<std::string> lines = TypicalLines();
  lines[16] = "row";
  Write(lines);
  SettingsRecord record;
  record.FileRowBase = 9;
  record.InputFile[1] = "kept";
  Status status = LoadSettingsFile(path_, &record);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(record.txt_file_out, "C:\\out.asm");  // line 16
  EXPECT_EQ(record.FileRowBase, 9);
  EXPECT_EQ(record.InputFile[1], "kept");
}

TEST_F(SettingsFileTest, WriteIntoMissingFolderNamesTheFile) {
  std::string path = dir_.File("no_such_folder/zum0.cfg");
  Status status = WriteSettingsFile(path, SettingsRecord());
  EXPECT_EQ(status.ToString(),
            path + ": cannot create the file (No such file or directory)");
}

}  // namespace
}  // namespace zum
