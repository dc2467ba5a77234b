#include "settings/job_summary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "settings/job_builder.h"
#include "settings/testing.h"

namespace zum {
namespace {

namespace fs = std::filesystem;
using testing::WriteFile;

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\n";
  }
  return text;
}

// TEXT's lines; a final "\n" does not start another.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end;
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Each case of job_summary_cases.txt loads typical.cfg with the edits of
// its "settings" section (see TypicalSettingsWith) and expects the lines of
// its "summary" section. ZUM_UPDATE_GOLDEN=1 rewrites the summaries; review
// the difference before committing it.
TEST(JobSummaryTest, Cases) {
  const std::string path = ZUM_SETTINGS_TESTDATA "/job_summary_cases.txt";
  testing::CaseFile file = testing::ReadCaseFile(path);
  ASSERT_FALSE(file.cases.empty());
  VariableTable variables;
  variables.AddBuiltInVariables();
  testing::TempWorkFolder folder;
  for (testing::TestCase& c : file.cases) {
    testing::CaseSection* settings = c.Find("settings");
    testing::CaseSection* summary = c.Find("summary");
    ASSERT_TRUE(settings != nullptr && summary != nullptr) << c.name;
    std::string edits;
    for (const std::string& line : settings->lines) {
      edits += line + " ";
    }
    SettingsRecord record;
    ASSERT_TRUE(testing::LoadTypicalSettings(edits, &record).ok()) << c.name;
    const std::string actual = JobSummary(BuildJobSettings(record), variables);
    if (std::getenv("ZUM_UPDATE_GOLDEN") != nullptr) {
      summary->lines = SplitLines(actual);
    }
    EXPECT_EQ(actual, JoinLines(summary->lines)) << c.name;
  }
  if (std::getenv("ZUM_UPDATE_GOLDEN") != nullptr) {
    testing::WriteCaseFile(path, file);
  }
}

TEST(JobSummaryTest, WrittenFilesByFullPathAndSize) {
  testing::TempWorkFolder folder;
  const std::string here = fs::current_path().string();
  const char sep = fs::path::preferred_separator;
  WriteFile("gate_zum.asm", "12345");
  WriteFile("gate_zum_0.asm", "");
  EXPECT_EQ(WrittenFilesSummary("gate_zum.asm"),
            "Main file: " + here + sep + "gate_zum.asm (5 bytes)\n" +
                "Companion file: " + here + sep + "gate_zum_0.asm (0 bytes)\n");

  // A name too short to have a companion names the main file alone.
  WriteFile("abc", "x");
  EXPECT_EQ(WrittenFilesSummary("abc"),
            "Main file: " + here + sep + "abc (1 byte)\n");

  // The reason is the system's own text.
  fs::remove("gate_zum_0.asm");
  std::error_code gone;
  EXPECT_EQ(fs::file_size("gate_zum_0.asm", gone),
            static_cast<std::uintmax_t>(-1));
  JobSettings job;
  job.TriggerEnabled = false;
  job.OutputFile = here + sep + "." + sep + "gate_zum.asm";
  EXPECT_EQ(RunSummary(job, VariableTable(), ""),
            "Main file: " + here + sep + "gate_zum.asm (5 bytes)\n" +
                "Companion file: " + here + sep +
                "gate_zum_0.asm (size unknown: " + gone.message() + ")\n" +
                "Plays forward in a loop (no trigger).\n");
}

TEST(RunSummaryTest, ForwardRunFollowsTheTriggerLine) {
  testing::TempWorkFolder folder;
  WriteFile("gate_zum.asm", "");
  WriteFile("gate_zum_0.asm", "");
  SettingsRecord record;
  ASSERT_TRUE(testing::LoadTypicalSettings("", &record).ok());
  JobSettings job = BuildJobSettings(record);
  job.OutputFile = "gate_zum.asm";
  VariableTable variables;
  variables.AddBuiltInVariables();
  const std::string files = WrittenFilesSummary("gate_zum.asm");
  const std::string summary = JobSummary(job, variables);
  const size_t trigger_end = summary.find('\n') + 1;
  ASSERT_LT(trigger_end, summary.size());  // more lines follow
  EXPECT_EQ(RunSummary(job, variables, "Starts 1 s later."),
            files + summary.substr(0, trigger_end) + "Starts 1 s later.\n" +
                summary.substr(trigger_end));
  EXPECT_EQ(RunSummary(job, variables, ""), files + summary);
}

}  // namespace
}  // namespace zum
