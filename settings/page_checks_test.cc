#include "settings/page_checks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

#include "settings/job_builder.h"
#include "settings/pre_scan.h"
#include "settings/testing.h"

namespace zum {
namespace {

using testing::CompanionText;
using testing::ReadFile;
using testing::WriteFile;

class PageCheckTest : public ::testing::Test {
 protected:
  PageCheckTest() {
    for (const char* name : {"gate1", "gate2", "gate3"}) {
      WriteFile(name + std::string("_0.asm"),
                CompanionText(2, 3, {50, 50, 50}));
    }
    WriteFile("frames60_0.asm", CompanionText(2, 3, {60, 50, 50}));
    WriteFile("tran1_0.asm", CompanionText(1, 3, {50, 50, 50}));
    WriteFile("anim2_0.asm", CompanionText(2, 2, {50, 50, 50}));
    WriteFile("twotables_0.asm", CompanionText(2, 3, {50, 70}));
    WriteFile("bad_0.asm", CompanionText(2, 3, {50}) +
                               "gate_trans_2 label word\r\n dw 1\r\n dw 0\r\n"
                               " dw 0\r\n dw x\r\n");
  }
  // The job of typical.cfg with EDITS, as the window builds it.
  JobSettings Job(std::string_view edits) {
    SettingsRecord record;
    EXPECT_TRUE(testing::LoadTypicalSettings(edits, &record).ok()) << edits;
    return BuildJobSettings(record);
  }

  // The code, and why an input could not be scanned.
  // The code, the box it names ("at txt_var(0)") and why an input could
  // not be scanned.
  static std::string Outcome(const PageCheckResult& check) {
    std::string box;
    if (check.box.has_value()) {
      box = " at " + SettingsFieldName(check.box->field, check.box->index);
    }
    return std::to_string(static_cast<int>(check.code)) + box +
           (check.scan_error.ok() ? "" : " " + check.scan_error.message());
  }

  testing::TempWorkFolder folder_;
};

TEST_F(PageCheckTest, Cases) {
  std::map<int, std::string> updates;  // by line number
  for (const testing::CaseRow& c : testing::ReadCases("page_check_cases.txt")) {
    std::string outcome;
    if (c.input.rfind("message ", 0) == 0) {
      CheckMessage box = CheckCodeMessage(
          static_cast<PageCheck>(std::stoi(c.input.substr(8))));
      outcome = box.message.empty()
                    ? "none"
                    : std::string(box.title) + ": " + std::string(box.message);
    } else if (c.input.rfind("all:", 0) == 0) {
      PageCheckResult check = CheckAllPages(Job(c.input.substr(4)));
      outcome = "page " + std::to_string(static_cast<int>(check.page)) + " " +
                Outcome(check);
    } else if (c.input[1] == '-') {
      const auto first = static_cast<PageId>(c.input[0] - '0');
      const auto last = static_cast<PageId>(c.input[2] - '0');
      PageCheckResult check =
          CheckAllPages(Job(c.input.substr(4)), first, last);
      outcome = "page " + std::to_string(static_cast<int>(check.page)) + " " +
                Outcome(check);
    } else {
      const auto page = static_cast<PageId>(c.input[0] - '0');
      outcome = Outcome(CheckAllPages(Job(c.input.substr(2)), page, page));
    }
    EXPECT_EQ(outcome, c.expected)
        << "page_check_cases.txt:" << c.line << ": " << c.input;
    if (outcome != c.expected) {
      updates[c.line] = c.input + " => " + outcome;
    }
  }
  // ZUM_UPDATE_CASES=1 rewrites the rows that differ; review the diff.
  if (std::getenv("ZUM_UPDATE_CASES") != nullptr && !updates.empty()) {
    const std::string path = ZUM_SETTINGS_TESTDATA "/page_check_cases.txt";
    std::istringstream in(ReadFile(path));
    std::string text;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
      auto update = updates.find(++number);
      text += (update == updates.end() ? line : update->second) + "\n";
    }
    WriteFile(path, text);
  }
}

TEST_F(PageCheckTest, SourceFilePageScansEveryInputForItsTooltip) {
  PageCheckResult check = CheckSourceFiles(Job("InputFile(2)=[bad.asm]"));
  EXPECT_EQ(check.scanned, 3);
  EXPECT_EQ(check.failed_animation, 2);
  EXPECT_EQ(ScanTooltipText(check.pre_scan[3]),
            "TRAN tables: 2||ANIM tables: 3||Num frames: 50 50 50 ");
  EXPECT_EQ(check.pre_scan[3].LabelBase, "gate");
  // A failed scan leaves nothing half-filled.
  EXPECT_EQ(ScanTooltipText(check.pre_scan[2]),
            "TRAN tables: 0||ANIM tables: 0||Num frames: ");
  EXPECT_EQ(CheckSourceFiles(Job("chk_cond(2)=[ 0 ]")).scanned, 1);
  EXPECT_EQ(CheckSourceFiles(Job("txt_file_out=[]")).scanned, 0);

  // A scan holds the frames of at most kMaxTablesPerFile tables.
  SourceScan many;
  many.AnimateCount = kMaxTablesPerFile + 10;
  std::string frames;
  for (int j = 0; j < kMaxTablesPerFile; ++j) {
    frames += "0 ";
  }
  EXPECT_EQ(ScanTooltipText(many),
            "TRAN tables: 0||ANIM tables: 60||Num frames: " + frames);
}

}  // namespace
}  // namespace zum
