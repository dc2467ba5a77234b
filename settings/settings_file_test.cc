#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/faults_testing.h"
#include "engine/line_io.h"
#include "settings/testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::TypicalSettingsWith;
using testing::WriteFile;

class SettingsFileTest : public ::testing::Test {
 protected:
  testing::TempWorkFolder folder_;
  const std::vector<std::string> typical_ = TypicalSettingsWith("");
};

TEST_F(SettingsFileTest, Cases) {
  for (const testing::CaseRow& c :
       testing::ReadCases("settings_file_cases.txt")) {
    SettingsRecord record;
    Status status = c.input == "missing"
                        ? LoadSettingsFile("zum3.cfg", &record)
                        : testing::LoadTypicalSettings(c.input, &record);
    EXPECT_EQ(
        status.ok() ? testing::ChangedTypicalLines(record) : status.ToString(),
        c.expected)
        << "settings_file_cases.txt:" << c.line << ": " << c.input;
    std::filesystem::remove("zum3.cfg");
  }
}

TEST_F(SettingsFileTest, RoundTripKeepsEveryByte) {
  SettingsRecord record;
  ASSERT_TRUE(testing::LoadTypicalSettings("", &record).ok());
  ASSERT_TRUE(WriteSettingsFile("copy.cfg", record).ok());
  EXPECT_EQ(ReadFile("copy.cfg"), CrLf(typical_));
  EXPECT_EQ(SettingsFileText(record), CrLf(typical_));

  // LF and CR line ends read the same, and so does a last line without one.
  std::string lf, cr;
  for (const std::string& line : typical_) {
    lf += line + "\n";
    cr += line + "\r";
  }
  std::string unended = CrLf(typical_);
  unended.resize(unended.size() - 2);
  for (const std::string& text : {lf, cr, unended}) {
    WriteFile("zum3.cfg", text);
    SettingsRecord loaded;
    ASSERT_TRUE(LoadSettingsFile("zum3.cfg", &loaded).ok());
    EXPECT_EQ(SettingsFileText(loaded), CrLf(typical_));
  }
}

// typical.cfg is a Windows-1252 file, as older tools wrote settings: it
// reads in UTF-8 and is written in UTF-8 without a byte order mark, every
// other byte as it was.
TEST_F(SettingsFileTest, AnAnsiFileReadsAndIsWrittenInUtf8) {
  const std::string ansi = ReadFile(ZUM_SETTINGS_TESTDATA "/typical.cfg");
  ASSERT_NE(ansi.find("D:\\objets \xE9t\xE9\\porte_zum.asm\r\n"),
            std::string::npos);
  SettingsRecord record;
  ASSERT_TRUE(
      LoadSettingsFile(ZUM_SETTINGS_TESTDATA "/typical.cfg", &record).ok());
  EXPECT_EQ(record.txt_file_out, "D:\\objets \xC3\xA9t\xC3\xA9\\porte_zum.asm");
  ASSERT_TRUE(WriteSettingsFile("copy.cfg", record).ok());
  std::string expected = ansi;
  expected.replace(expected.find("\xE9t\xE9"), 3, "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(ReadFile("copy.cfg"), expected);

  // Written as UTF-8, it reads back the same; a byte order mark before it
  // changes nothing.
  for (const std::string& prefix :
       {std::string(), std::string("\xEF\xBB\xBF")}) {
    WriteFile("zum3.cfg", prefix + expected);
    SettingsRecord again;
    ASSERT_TRUE(LoadSettingsFile("zum3.cfg", &again).ok());
    EXPECT_EQ(SettingsFileText(again), expected);
  }
  // One line in each encoding: the file is no UTF-8, so it is read whole in
  // Windows-1252.
  std::string mixed = expected;
  mixed.replace(mixed.find("0280h"), 5, "0280h \xFC");
  WriteFile("zum3.cfg", mixed);
  SettingsRecord mixed_record;
  ASSERT_TRUE(LoadSettingsFile("zum3.cfg", &mixed_record).ok());
  EXPECT_EQ(mixed_record.animation.txt_var, "  0280h \xC3\xBC ");
  EXPECT_EQ(mixed_record.txt_file_out,
            "D:\\objets \xC3\x83\xC2\xA9t\xC3\x83\xC2\xA9\\porte_zum.asm");
}

TEST_F(SettingsFileTest, AFileThatFailsToLoadChangesNothing) {
  SettingsRecord record;
  record.animation.txt_var = "kept";
  record.FileRowBase = 9;
  record.InputFile[1] = "kept";
  const std::string before = SettingsFileText(record);
  for (const char* edits : {"17=[row]", "183=[] cut=[182]", "1=[x]"}) {
    WriteFile("zum3.cfg", CrLf(TypicalSettingsWith(edits)));
    EXPECT_FALSE(LoadSettingsFile("zum3.cfg", &record).ok()) << edits;
    EXPECT_EQ(SettingsFileText(record), before) << edits;
  }
  // Read whole, the file replaces every value; without line 184 the choice
  // it holds is left open.
  WriteFile("zum3.cfg", CrLf(TypicalSettingsWith("cut=[183]")));
  ASSERT_TRUE(LoadSettingsFile("zum3.cfg", &record).ok());
  EXPECT_EQ(record.animation.txt_var, typical_[1]);
  EXPECT_FALSE(record.opt_condapply0.has_value());
}

TEST_F(SettingsFileTest, FailedSaveNamesTheFileAndKeepsTheEarlierOne) {
  EXPECT_EQ(
      WriteSettingsFile("no_such_folder/zum0.cfg", SettingsRecord()).ToString(),
      "no_such_folder/zum0.cfg: cannot create the file (No such file or "
      "directory)");
  ASSERT_TRUE(WriteSettingsFile("zum0.cfg", SettingsRecord()).ok());
  const std::string saved = ReadFile("zum0.cfg");
  // The temporary file cannot be created, so the save cannot start.
  testing::FaultyFileSystem disk;
  disk.FailCreate("zum0.cfg");
  SettingsRecord changed;
  changed.animation.txt_var = "second";
  Status status = WriteSettingsFile("zum0.cfg", changed, &disk);
  EXPECT_EQ(status.message().rfind("zum0.cfg: cannot create the file", 0), 0u)
      << status.message();
  EXPECT_EQ(ReadFile("zum0.cfg"), saved);
}

// Issue 19: a text with a line break would split its value over two lines
// and shift every later one, so that the file no longer loads. The writer
// refuses it, names the line and keeps the earlier file.
TEST_F(SettingsFileTest, Issue19ATextWithALineBreakIsNeverWritten) {
  ASSERT_TRUE(WriteSettingsFile("zum0.cfg", SettingsRecord()).ok());
  const std::string saved = ReadFile("zum0.cfg");
  struct Case {
    void (*change)(SettingsRecord*);
    std::string message;
  };
  const Case cases[] = {
      {[](SettingsRecord* r) { r->InputFile[2] = "x\ny.asm"; },
       "zum0.cfg, line 21, the input file of animation 2: the text holds a "
       "line break, which a settings file cannot keep; nothing was written"},
      {[](SettingsRecord* r) { r->txt_file_out = "out\r.asm"; },
       "zum0.cfg, line 16, the output file: the text holds a line break, "
       "which a settings file cannot keep; nothing was written"},
      {[](SettingsRecord* r) { r->trigger.txt_box[kZMax] = "\r\n"; },
       "zum0.cfg, line 182, the animation trigger's box length maximum: the "
       "text holds a line break, which a settings file cannot keep; nothing "
       "was written"},
  };
  for (const Case& c : cases) {
    SettingsRecord record;
    c.change(&record);
    EXPECT_EQ(WriteSettingsFile("zum0.cfg", record).ToString(), c.message);
    EXPECT_EQ(ReadFile("zum0.cfg"), saved);
  }
}

// Issue 19: a text box holds 32767 characters; a longer line would come back
// cut after Open and Save, so it is refused with its line.
TEST_F(SettingsFileTest, Issue19ALineLongerThanATextBoxIsRefused) {
  const std::string longest(32767, 'x');
  SettingsRecord record;
  ASSERT_TRUE(
      testing::LoadTypicalSettings("16=[" + longest + "]", &record).ok());
  EXPECT_EQ(record.txt_file_out, longest);
  // Two bytes a character: 65534 bytes, 32767 characters.
  std::string accents;
  for (int i = 0; i < 32767; ++i) {
    accents += "\xc3\xa9";
  }
  ASSERT_TRUE(
      testing::LoadTypicalSettings("21=[" + accents + "]", &record).ok());
  EXPECT_EQ(record.InputFile[2], accents);

  SettingsRecord kept = record;
  EXPECT_EQ(
      testing::LoadTypicalSettings("16=[" + longest + "y]", &record).ToString(),
      "zum3.cfg, line 16, the output file: the line holds 32768 characters, "
      "more than the 32767 that a text box holds");
  EXPECT_EQ(
      testing::LoadTypicalSettings("170=[" + accents + "\xc3\xa9]", &record)
          .ToString(),
      "zum3.cfg, line 170, the animation condition's box width "
      "maximum: the line holds 32768 characters, more than the 32767 "
      "that a text box holds");
  EXPECT_EQ(SettingsFileText(record), SettingsFileText(kept));
}

// Settings files outside the program's folder follow the slots' rules: the
// examples open, and saved anywhere they keep every byte.
TEST_F(SettingsFileTest, ExampleSettingsOpenAndSaveAnywhere) {
  int examples = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(ZUM_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".cfg") {
      continue;
    }
    ++examples;
    const std::string name = entry.path().filename().string();
    SettingsRecord record;
    ASSERT_TRUE(LoadSettingsFile(entry.path().string(), &record).ok()) << name;
    EXPECT_TRUE(record.opt_condapply0.has_value()) << name;
    std::filesystem::create_directories("my project");
    const std::string copy = "my project/copy of " + name;
    ASSERT_TRUE(WriteSettingsFile(copy, record).ok()) << name;
    EXPECT_EQ(ReadFile(copy), ReadFile(entry.path().string())) << name;
  }
  EXPECT_GE(examples, 2);
  // A folder is neither read nor replaced.
  SettingsRecord untouched;
  EXPECT_EQ(LoadSettingsFile("my project", &untouched).ToString(),
            "my project: is a directory");
  Status status = WriteSettingsFile("my project", SettingsRecord());
  EXPECT_EQ(status.message().rfind("my project: ", 0), 0u) << status.message();
  EXPECT_TRUE(std::filesystem::is_directory("my project"));
}

}  // namespace
}  // namespace zum
