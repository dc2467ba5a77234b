// The outputs in the compiler's 8-bit code page: names it cannot write in
// their short 8.3 form, or the run refused before anything is written.
// Run here with Windows-1252 and a volume whose short names the test sets.
#include "engine/output_code_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/generation_run.h"
#include "engine/testing.h"
#include "engine/text_encoding.h"
#include "engine/utf8_path.h"

namespace zum {
namespace {

const OutputCodePage kWindows1252 = {&Utf8ToWindows1252, "1252"};

// The disk, with the short names that the test gives it; every other
// name has none (ShortName gives it as it is).
class ShortNamesFileSystem : public DiskFileSystem {
 public:
  std::map<std::string, std::string> short_names;
  bool fails = false;

  bool ShortName(const std::string& name, std::string* short_name,
                 int* error) override {
    if (fails) {
      *error = EACCES;
      return false;
    }
    const auto found = short_names.find(name);
    *short_name = found == short_names.end() ? name : found->second;
    return true;
  }
};

class OutputCodePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = dir_.File("J\xC3\xB6rg M\xC3\xBCller/Szenerie \xCE\xA9");
    std::filesystem::create_directories(Utf8Path(folder_));
    short_folder_ = dir_.File("J\xC3\xB6rg M\xC3\xBCller/SZENER~1");
  }

  std::string Fit(const std::string& name) {
    std::string fitted;
    const Status status = FitNameToCodePage(name, kWindows1252, &fs_, &fitted);
    return status.ok() ? fitted : "refused: " + status.message();
  }

  testing::TempDir dir_;
  std::string folder_;
  std::string short_folder_;
  ShortNamesFileSystem fs_;
};

TEST_F(OutputCodePageTest, NamesTheCodePageHoldsStayAsTheyAre) {
  EXPECT_EQ(Fit(dir_.File("J\xC3\xB6rg M\xC3\xBCller/gate.asm")),
            dir_.File("J\xC3\xB6rg M\xC3\xBCller/gate.asm"));
  EXPECT_EQ(Fit("gate_zum_0.asm"), "gate_zum_0.asm");
}

TEST_F(OutputCodePageTest, AFolderOutsideTheCodePageGoesByItsShortName) {
  fs_.short_names[folder_] = short_folder_;
  EXPECT_EQ(Fit(folder_ + "/gate_zum_0.asm"),
            short_folder_ + "/gate_zum_0.asm");
  EXPECT_EQ(Fit(folder_), short_folder_);
}

TEST_F(OutputCodePageTest, AnExistingFileGoesByItsWholeShortName) {
  const std::string file = folder_ + "/\xCE\xA9.asm";
  std::ofstream(Utf8Path(file)) << "x";
  fs_.short_names[file] = short_folder_ + "/5C6D~1.ASM";
  EXPECT_EQ(Fit(file), short_folder_ + "/5C6D~1.ASM");
}

TEST_F(OutputCodePageTest, WithoutAShortNameTheNameIsRefusedWithItsFolder) {
  EXPECT_EQ(Fit(folder_ + "/gate_zum_0.asm"),
            "refused: " + folder_ +
                ": the folder's name holds characters that the ANSI code "
                "page 1252, in which bglc_9.exe reads it, lacks, and the "
                "volume keeps no short 8.3 name for it; use a folder whose "
                "name the code page can write");
  fs_.fails = true;
  EXPECT_EQ(Fit(folder_ + "/gate_zum_0.asm"),
            "refused: " + folder_ +
                ": the folder's name holds characters that the ANSI code "
                "page 1252, in which bglc_9.exe reads it, lacks, and its "
                "short 8.3 name cannot be had (" +
                ErrorText(EACCES) + ")");
}

TEST_F(OutputCodePageTest, ANewFileNameOutsideTheCodePageIsRefused) {
  fs_.short_names[folder_] = short_folder_;
  EXPECT_EQ(Fit(folder_ + "/\xCE\xA9_0.asm"),
            "refused: " + folder_ +
                "/\xCE\xA9_0.asm: the file name holds characters that the "
                "ANSI code page 1252, in which bglc_9.exe reads it, lacks; "
                "choose a name that the code page can write");
}

// A whole run: the include line names the companion in the code page, by
// the short name of a folder the code page cannot write.
class CodePageRunTest : public OutputCodePageTest {
 protected:
  void SetUp() override {
    OutputCodePageTest::SetUp();
    for (const char* name : {"gate.asm", "gate_0.asm"}) {
      std::filesystem::copy_file(
          std::filesystem::path(ZUM_SOURCE_DIR) / "examples" / name,
          Utf8Path(folder_ + "/" + name));
    }
    job_.Trigger.Variable = "0282h";
    job_.Trigger.Minimum = "1";
    job_.Trigger.Maximum = "1";
    job_.InputFile[1] = folder_ + "/gate.asm";
    job_.OutputFile = folder_ + "/gate_zum.asm";
  }

  Status Run() {
    RunOptions options;
    options.file_system = &fs_;
    options.code_page = kWindows1252;
    return RunGeneration(job_, options, nullptr);
  }

  std::string Output(const std::string& name) {
    std::ifstream in(Utf8Path(folder_ + "/" + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  JobSettings job_;
};

TEST_F(CodePageRunTest, TheIncludeLineIsWrittenInTheCodePage) {
  fs_.short_names[folder_] = short_folder_;
  job_.Trigger.Maximum = "1 ; \xC3\xBC";
  ASSERT_TRUE(Run().ok());
  std::string short_folder_bytes;
  ASSERT_TRUE(Utf8ToWindows1252(short_folder_, &short_folder_bytes));
  const std::string main = Output("gate_zum.asm");
  EXPECT_NE(main.find("include " + short_folder_bytes + "/gate_zum_0.asm\r\n"),
            std::string::npos)
      << main;
  // The typed texts too: "ü" is the one byte FC.
  EXPECT_NE(Output("gate_zum_0.asm").find("1 ; \xFC"), std::string::npos);
}

TEST_F(CodePageRunTest, ARelativeIncludeNameStaysWhenTheCodePageHoldsIt) {
  job_.IncludeName = "gate_zum_0.asm";
  ASSERT_TRUE(Run().ok());
  EXPECT_NE(Output("gate_zum.asm").find("include gate_zum_0.asm\r\n"),
            std::string::npos);
}

TEST_F(CodePageRunTest, WhatTheCodePageCannotWriteRefusesTheRunUntouched) {
  const auto names = [this] {
    std::vector<std::string> found;
    for (const auto& entry :
         std::filesystem::directory_iterator(Utf8Path(folder_))) {
      found.push_back(Utf8Text(entry.path().filename()));
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  const std::vector<std::string> before = names();
  EXPECT_EQ(Run().message(),
            folder_ +
                ": the folder's name holds characters that the ANSI code "
                "page 1252, in which bglc_9.exe reads it, lacks, and the "
                "volume keeps no short 8.3 name for it; use a folder whose "
                "name the code page can write");
  fs_.short_names[folder_] = short_folder_;
  job_.Trigger.Variable = "\xCE\xA9";
  EXPECT_EQ(Run().message(),
            "the text '\xCE\xA9' holds characters that the ANSI code page "
            "1252, in which bglc_9.exe reads it, lacks; type it in letters "
            "of that code page");
  EXPECT_EQ(names(), before);
}

}  // namespace
}  // namespace zum
