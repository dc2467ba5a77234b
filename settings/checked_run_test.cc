#include "settings/checked_run.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <utility>

#include "engine/faults_testing.h"
#include "settings/job_builder.h"
#include "settings/job_summary.h"
#include "settings/settings_file.h"
#include "settings/testing.h"

namespace zum {
namespace {

namespace fs = std::filesystem;

// The example job in a folder of its own, as zum-batch and the window run
// it.
class CheckedRunTest : public ::testing::Test {
 protected:
  CheckedRunTest() {
    for (const auto& entry : fs::directory_iterator(ZUM_EXAMPLES_DIR)) {
      fs::copy_file(entry.path(), entry.path().filename());
    }
    SettingsRecord record;
    EXPECT_TRUE(LoadSettingsFile("gate.cfg", &record).ok());
    job_ = BuildJobSettings(record, AppliesTo::kAnimationTrigger);
    variables_.AddBuiltInVariables();
    options_.file_system = &disk_;
    options_.progress = [this](double share) { progress_ += share; };
  }

  CheckedRun Run(PageId first = PageId::kCondition,
                 PageId last = PageId::kSourceFiles) {
    return CheckAndRun(job_, first, last, options_, variables_, {});
  }

  testing::TempWorkFolder folder_;
  testing::FaultyFileSystem disk_;
  JobSettings job_;
  VariableTable variables_;
  RunOptions options_;
  double progress_ = 0;
};

TEST_F(CheckedRunTest, ChecksThenRunsThenTellsTheJob) {
  const CheckedRun run = Run();
  EXPECT_EQ(run.check.code, PageCheck::kPassed);
  EXPECT_EQ(run.check.scanned, 1);  // the source file page's scans
  EXPECT_EQ(run.check.pre_scan[1].LabelBase, "gate");
  EXPECT_TRUE(run.ran);
  EXPECT_TRUE(run.status.ok()) << run.status.ToString();
  ASSERT_EQ(run.result.files_written.size(), 2u);
  EXPECT_TRUE(fs::exists(run.result.files_written[1]));
  EXPECT_EQ(run.summary, RunSummary(job_, variables_, ""));
  EXPECT_NEAR(progress_, 90, 1e-9);  // 100 - 20 / (N + 1), N = 1
}

TEST_F(CheckedRunTest, ARefusedPageRunsNothing) {
  job_.TriggerEnabled = true;
  job_.Trigger.Variable.clear();
  CheckedRun run = Run();
  EXPECT_EQ(run.check.page, PageId::kTrigger);
  EXPECT_EQ(run.check.code, PageCheck::kVariable);
  EXPECT_FALSE(run.ran);
  EXPECT_TRUE(run.summary.empty());
  EXPECT_FALSE(fs::exists(job_.OutputFile));
  EXPECT_EQ(progress_, 0);
  // Only the pages asked for are checked: the window checks the page it
  // leaves.
  run = Run(PageId::kSourceFiles, PageId::kSourceFiles);
  EXPECT_EQ(run.check.code, PageCheck::kPassed);
  EXPECT_TRUE(run.ran);
}

// Counts the openings of one file for reading.
class OpeningsCounted : public DiskFileSystem {
 public:
  explicit OpeningsCounted(std::string name) : name_(std::move(name)) {}
  std::FILE* OpenForReading(const std::string& name, int* error) override {
    if (name.ends_with(name_)) {
      ++openings_;
    }
    return DiskFileSystem::OpenForReading(name, error);
  }
  int openings() const { return openings_; }

 private:
  std::string name_;
  std::atomic<int> openings_{0};
};

TEST_F(CheckedRunTest, TheRunTakesTheCheckScanOfAnUnchangedCompanion) {
  OpeningsCounted disk("gate_0.asm");
  options_.file_system = &disk;
  const CheckedRun run = Run();
  ASSERT_TRUE(run.status.ok()) << run.status.ToString();
  // Once by the check's scan, once by the run, which copies it.
  EXPECT_EQ(disk.openings(), 2);
}

TEST_F(CheckedRunTest, AFailedRunHasNoSummary) {
  // The page check scans the companion only; the run needs the main file.
  fs::remove(job_.InputFile[1]);
  const CheckedRun run = Run();
  EXPECT_EQ(run.check.code, PageCheck::kPassed);
  EXPECT_TRUE(run.ran);
  EXPECT_FALSE(run.status.ok());
  EXPECT_EQ(run.status.message().rfind(job_.InputFile[1] + ":", 0), 0u)
      << run.status.message();
  EXPECT_TRUE(run.summary.empty());
  EXPECT_TRUE(run.result.files_written.empty());
  EXPECT_FALSE(fs::exists(job_.OutputFile));
}

}  // namespace
}  // namespace zum
