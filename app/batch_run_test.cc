#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/testing.h"

namespace zum {
namespace {

namespace fs = std::filesystem;
using testing::CompanionText;
using testing::CrLf;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

const char kMainText[] = "; gate object\r\ninclude gate_0.asm\r\nend\r\n";

class BatchRunTest : public ::testing::Test {
 protected:
  BatchRunTest() {
    // A job that needs no section writer: trigger off, and a companion
    // file without chunks, which the run copies unchanged.
    record_.chk_cond = {0, 0, 0, 0};
    record_.InputFile[1] = dir_.File("gate.asm");
    record_.txt_file_out = dir_.File("gate_zum.asm");
    record_.txt_num_secondanim = "1";
    record_.opt_condapply0 = true;
    WriteFile(dir_.File("gate.asm"), kMainText);
    WriteFile(dir_.File("gate_0.asm"), CompanionText(2, 3, {50}));
  }

  // Saves record_ and runs zum-batch on it with EXTRA options in front.
  int Run(std::vector<std::string> extra = {}, bool terminal = false) {
    EXPECT_TRUE(WriteSettingsFile(settings_, record_).ok());
    extra.push_back(settings_);
    return RunWith(extra, terminal);
  }
  int RunWith(const std::vector<std::string>& args, bool terminal = false) {
    out_.str("");
    err_.str("");
    return RunBatch(args, out_, err_, terminal);
  }

  TempDir dir_;
  std::string settings_ = dir_.File("zum0.cfg");
  SettingsRecord record_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(BatchRunTest, HelpExplainsTheCommand) {
  EXPECT_EQ(RunWith({"--help"}), kBatchSucceeded);
  EXPECT_EQ(out_.str(), BatchUsage());
  EXPECT_NE(out_.str().find("Usage: zum-batch [--quiet] SETTINGS_FILE"),
            std::string::npos);
  EXPECT_EQ(err_.str(), "");
}

TEST_F(BatchRunTest, BadUsageExitsTwo) {
  const std::string hint = "Try 'zum-batch --help' for more information.\n";
  EXPECT_EQ(RunWith({}), kBatchRefused);
  EXPECT_EQ(err_.str(), "zum-batch: no settings file given\n" + hint);
  EXPECT_EQ(RunWith({"a.cfg", "b.cfg"}), kBatchRefused);
  EXPECT_EQ(err_.str(),
            "zum-batch: expected one settings file, got 2\n" + hint);
  EXPECT_EQ(RunWith({"--verbose", "a.cfg"}), kBatchRefused);
  EXPECT_EQ(err_.str(), "zum-batch: unknown option '--verbose'\n" + hint);
  EXPECT_EQ(out_.str(), "");
}

TEST_F(BatchRunTest, WritesTheOutputFilesAndSaysSo) {
  EXPECT_EQ(Run(), kBatchSucceeded) << err_.str();
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(out_.str(), "Wrote " + dir_.File("gate_zum.asm") + " and " +
                            dir_.File("gate_zum_0.asm") + "\n");
  EXPECT_EQ(
      ReadFile(dir_.File("gate_zum.asm")),
      CrLf({"; gate object", "include " + dir_.File("gate_zum_0.asm"), "end"}));
  EXPECT_EQ(ReadFile(dir_.File("gate_zum_0.asm")),
            ReadFile(dir_.File("gate_0.asm")));
}

TEST_F(BatchRunTest, QuietPrintsNothing) {
  EXPECT_EQ(Run({"--quiet"}, /*terminal=*/true), kBatchSucceeded);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), "");
  EXPECT_TRUE(fs::exists(dir_.File("gate_zum_0.asm")));
}

TEST_F(BatchRunTest, ShowsProgressOnlyOnATerminal) {
  EXPECT_EQ(Run({}, /*terminal=*/true), kBatchSucceeded);
  const std::string progress = err_.str();
  EXPECT_EQ(progress.rfind("\rzum-batch: ", 0), 0u) << progress;
  const std::string done = "\rzum-batch: 100%\n";
  ASSERT_GE(progress.size(), done.size());
  EXPECT_EQ(progress.substr(progress.size() - done.size()), done) << progress;

  EXPECT_EQ(Run({}, /*terminal=*/false), kBatchSucceeded);
  EXPECT_EQ(err_.str(), "");
}

TEST_F(BatchRunTest, MissingSettingsFileExitsTwo) {
  EXPECT_EQ(RunWith({dir_.File("zuma.cfg")}), kBatchRefused);
  EXPECT_EQ(err_.str(), dir_.File("zuma.cfg") +
                            ": cannot open for reading (No such file or "
                            "directory)\n");
}

TEST_F(BatchRunTest, BadSettingsLineExitsTwoNamingTheLine) {
  ASSERT_TRUE(WriteSettingsFile(settings_, record_).ok());
  std::string text = ReadFile(settings_);
  text.replace(0, 3, " 7 ");  // line 1, chk_cond(0)
  WriteFile(settings_, text);
  EXPECT_EQ(RunWith({settings_}), kBatchRefused);
  EXPECT_EQ(err_.str(),
            settings_ +
                ":1: chk_cond(0): expected a check-box value 0, 1 or 2, "
                "found 7\n");
}

TEST_F(BatchRunTest, FirstFailingPageIsReported) {
  record_.chk_cond[0] = 1;    // page 1: no variable
  record_.chk_cond[1] = 1;    // page 2: no variable
  record_.txt_file_out = "";  // page 4
  EXPECT_EQ(Run(), kBatchRefused);
  EXPECT_EQ(err_.str(), "Please enter a valid variable\n");

  record_.chk_cond[0] = 0;
  record_.opt_kind[1] = ConditionKind::kBoundingBox;
  EXPECT_EQ(Run(), kBatchRefused);
  EXPECT_EQ(err_.str(), "Please enter correct values for the bounding box\n");

  record_.chk_cond[1] = 0;
  record_.chk_cond[2] = 1;
  record_.txt_var[2] = "0314h";
  record_.txt_num_secondanim = "51";
  EXPECT_EQ(Run(), kBatchRefused);
  EXPECT_EQ(err_.str(),
            "Please enter a valid number of secondairy conditions\n");

  record_.chk_cond[2] = 0;
  EXPECT_EQ(Run(), kBatchRefused);
  EXPECT_EQ(err_.str(), "Please enter a valid output file\n");
  EXPECT_EQ(out_.str(), "");
  EXPECT_FALSE(fs::exists(dir_.File("gate_zum_0.asm")));
}

TEST_F(BatchRunTest, UnscannableInputSaysWhichAndWhy) {
  record_.InputFile[1] = dir_.File("door.asm");
  EXPECT_EQ(Run(), kBatchRefused);
  EXPECT_EQ(err_.str(), "Please enter a valid input file\nanimation 1 (" +
                            dir_.File("door.asm") +
                            "): " + dir_.File("door_0.asm") +
                            ": cannot open for reading (No such file or "
                            "directory)\n");
}

TEST_F(BatchRunTest, LoadedBoundingBoxDropsTheAdditionalCondition) {
  // Ticked but empty, the additional condition would fail page 1; the
  // bounding-box kind read later unticks it, as in the window.
  record_.chk_cond[3] = 1;
  record_.opt_kind[0] = ConditionKind::kBoundingBox;
  EXPECT_EQ(Run(), kBatchSucceeded) << err_.str();
}

TEST_F(BatchRunTest, FailedRunExitsOneWithTheEnginesMessage) {
  // The companion file passes the page check; the main file is gone.
  fs::remove(dir_.File("gate.asm"));
  EXPECT_EQ(Run(), kBatchRunFailed);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), dir_.File("gate.asm") +
                            ": cannot open for reading (No such file or "
                            "directory)\n");
}

TEST_F(BatchRunTest, OutputOverAnInputIsRefusedByTheRun) {
  record_.txt_file_out = dir_.File("gate.asm");
  EXPECT_EQ(Run(), kBatchRunFailed);
  EXPECT_EQ(err_.str().rfind("the output would overwrite an input: ", 0), 0u)
      << err_.str();
  EXPECT_EQ(ReadFile(dir_.File("gate.asm")), kMainText);
}

// The bundled example settings, run from a copy of the examples folder as
// the README does.
class ExampleSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* examples = std::getenv("ZUM_EXAMPLES");
    if (examples == nullptr || !fs::exists(fs::path(examples) / "gate.asm")) {
      GTEST_SKIP() << "the example object is not there";
    }
    fs::copy(examples, dir_.path(), fs::copy_options::recursive);
    old_path_ = fs::current_path();
    fs::current_path(dir_.path());
  }
  void TearDown() override {
    if (!old_path_.empty()) {
      fs::current_path(old_path_);
    }
  }

  TempDir dir_;
  fs::path old_path_;
};

TEST_F(ExampleSettingsTest, EveryExampleRunsFromItsFolder) {
  int runs = 0;
  for (const auto& entry : fs::directory_iterator(dir_.path())) {
    if (entry.path().extension() != ".cfg") {
      continue;
    }
    SettingsRecord record;
    std::string name = entry.path().filename().string();
    ASSERT_TRUE(LoadSettingsFile(name, &record).ok()) << name;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunBatch({"--quiet", name}, out, err, false), kBatchSucceeded)
        << name << ": " << err.str();
    EXPECT_TRUE(fs::exists(record.txt_file_out)) << name;
    ++runs;
  }
  EXPECT_GE(runs, 2);
}

}  // namespace
}  // namespace zum
