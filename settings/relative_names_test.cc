#include "settings/relative_names.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "engine/testing.h"
#include "settings/testing.h"

namespace zum {
namespace {

// "FOLDER | NAME" split in two.
void Split(const std::string& text, std::string* folder, std::string* name) {
  const size_t bar = text.find(" | ");
  ASSERT_NE(bar, std::string::npos) << text;
  *folder = text.substr(0, bar);
  *name = text.substr(bar + 3);
}

// Windows names match in either case.
std::string Folded(std::string name, PathStyle style) {
  if (style == PathStyle::kWindows) {
    for (char& c : name) {
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return name;
}

TEST(RelativeNamesTest, CaseTable) {
  const auto rows = testing::ReadCaseRows(std::string(ZUM_SETTINGS_TESTDATA) +
                                          "/relative_name_cases.txt");
  ASSERT_GT(rows.size(), 30u);
  for (const testing::CaseRow& row : rows) {
    SCOPED_TRACE("relative_name_cases.txt:" + std::to_string(row.line));
    const size_t space = row.input.find(' ');
    const size_t second = row.input.find(' ', space + 1);
    const PathStyle style = row.input.starts_with("windows")
                                ? PathStyle::kWindows
                                : PathStyle::kPosix;
    const std::string op = row.input.substr(space + 1, second - space - 1);
    const std::string rest = row.input.substr(second + 1);
    std::string folder;
    std::string name;
    if (op == "native") {
      EXPECT_EQ(NativeSeparators(rest, style), row.expected);
      continue;
    }
    Split(rest, &folder, &name);
    if (op == "resolve") {
      EXPECT_EQ(ResolveRelativeName(folder, name, style), row.expected);
    } else {
      ASSERT_EQ(op, "relative");
      const std::string stored = NameRelativeToFolder(folder, name, style);
      EXPECT_EQ(stored, row.expected);
      // What is stored reads back as the same file.
      if (!name.empty()) {
        EXPECT_EQ(Folded(ResolveRelativeName(folder, stored, style), style),
                  Folded(ResolveRelativeName(folder, name, style), style));
      }
    }
  }
}

TEST(RelativeNamesTest, SettingsFolderIsFull) {
  testing::TempDir dir;
  const std::string folder = SettingsFolder(dir.File("job.cfg"));
  EXPECT_TRUE(IsFullName(folder));
  EXPECT_EQ(ResolveRelativeName(folder, "gate.asm"),
            NativeSeparators(dir.File("gate.asm")));
}

TEST(RelativeNamesTest, OnlyTheFileNamesOfASettingsFileAreResolved) {
  SettingsRecord record;
  record.txt_file_out = "out/gate_zum.asm";
  record.InputFile[1] = "gate.asm";
  record.InputFile[50] = "/srv/gate3.asm";
  record.SecondaryMin[1] = "sub/1";
  record.trigger.txt_var = "x/0282h";
  testing::TempDir dir;
  ASSERT_TRUE(WriteSettingsFile(dir.File("job.cfg"), record).ok());
  SettingsRecord read;
  ASSERT_TRUE(LoadSettingsFile(dir.File("job.cfg"), &read).ok());
  ResolveRecordNames("/proj", &read);
  const std::string sep = kNativePathStyle == PathStyle::kWindows ? "\\" : "/";
  EXPECT_EQ(read.txt_file_out, NativeSeparators("/proj/out/gate_zum.asm"));
  EXPECT_EQ(read.InputFile[1], NativeSeparators("/proj/gate.asm"));
  EXPECT_EQ(read.InputFile[50], NativeSeparators("/srv/gate3.asm"));
  EXPECT_EQ(read.InputFile[2], "");
  EXPECT_EQ(read.SecondaryMin[1], "sub/1");
  EXPECT_EQ(read.trigger.txt_var, "x/0282h");

  // Saved into /proj again, the names inside it are relative.
  const SettingsRecord stored =
      RecordForFolder(NativeSeparators("/proj"), read);
  EXPECT_EQ(stored.txt_file_out, "out" + sep + "gate_zum.asm");
  EXPECT_EQ(stored.InputFile[1], "gate.asm");
  EXPECT_EQ(stored.InputFile[50], NativeSeparators("/srv/gate3.asm"));
}

TEST(RelativeNamesTest, AJobKeepsTheOutputNameAsWrittenForItsIncludeLine) {
  JobSettings job;
  job.InputFile[1] = "gate.asm";
  job.OutputFile = "out/gate_zum.asm";
  ResolveJobNames("/proj", &job);
  EXPECT_EQ(job.InputFile[1], NativeSeparators("/proj/gate.asm"));
  EXPECT_EQ(job.OutputFile, NativeSeparators("/proj/out/gate_zum.asm"));
  EXPECT_EQ(job.IncludeName, NativeSeparators("out/gate_zum_0.asm"));

  JobSettings full;
  full.OutputFile = "/srv/gate_zum.asm";
  ResolveJobNames("/proj", &full);
  EXPECT_EQ(full.IncludeName, "");
}

}  // namespace
}  // namespace zum
