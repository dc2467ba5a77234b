#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "engine/output_code_page.h"
#include "engine/text_encoding.h"
#include "engine/utf8_path.h"
#include "settings/relative_names.h"
#include "settings/settings_file.h"
#include "settings/testing.h"

namespace zum {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

// What zum-batch adds to the settings file, the page checks and the run:
// its exit status, and what it prints where. The golden tests run the
// example settings end to end.
class BatchRunTest : public ::testing::Test {
 protected:
  BatchRunTest() {
    // A job that needs no section writer: trigger off, and a companion
    // file without chunks, which the run copies unchanged.
    Tick({0, 0, 0, 0});
    record_.InputFile[1] = dir_.File("gate.asm");
    record_.txt_file_out = dir_.File("gate_zum.asm");
    WriteFile(dir_.File("gate.asm"), "include gate_0.asm\r\nend\r\n");
    WriteFile(dir_.File("gate_0.asm"), testing::CompanionText(2, 3, {50}));
  }

  // The check boxes of index 0..3, in that order.
  void Tick(std::array<int16_t, 4> values) {
    for (int index = 0; index < 4; ++index) {
      record_.ConditionOfCheckBox(index).chk_cond = values[index];
    }
  }

  // Saves record_ and runs zum-batch with ARGS.
  int Run(const std::vector<std::string>& args, bool terminal = false) {
    EXPECT_TRUE(WriteSettingsFile(settings_, record_).ok());
    out_.str("");
    err_.str("");
    return RunBatch(args, out_, err_, terminal);
  }

  testing::TempDir dir_;
  const std::string settings_ = dir_.File("zum0.cfg");
  SettingsRecord record_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(BatchRunTest, HelpAndBadUsage) {
  EXPECT_EQ(Run({"--help"}), kBatchSucceeded);
  EXPECT_EQ(out_.str(), BatchUsage());
  EXPECT_EQ(err_.str(), "");
  const std::string hint = "Try 'zum-batch --help' for more information.\n";
  EXPECT_EQ(Run({}), kBatchRefused);
  EXPECT_EQ(err_.str(), "zum-batch: no settings file given\n" + hint);
  EXPECT_EQ(Run({"a.cfg", "b.cfg"}), kBatchRefused);
  EXPECT_EQ(err_.str(),
            "zum-batch: expected one settings file, got 2\n" + hint);
  EXPECT_EQ(Run({"--verbose", "a.cfg"}), kBatchRefused);
  EXPECT_EQ(err_.str(), "zum-batch: unknown option '--verbose'\n" + hint);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(Run({"--", "--quiet"}), kBatchRefused);  // a file after "--"
  EXPECT_EQ(err_.str().rfind("--quiet: cannot open for reading", 0), 0u);
}

TEST_F(BatchRunTest, SuccessSaysWhatWasWrittenAndShowsProgressOnATerminal) {
  EXPECT_EQ(Run({settings_}), kBatchSucceeded) << err_.str();
  // The files by full path and size, then the job in plain words, with
  // the preview's first finding, which a companion without chunks lacks.
  const std::string main = dir_.File("gate_zum.asm");
  const std::string companion = dir_.File("gate_zum_0.asm");
  EXPECT_EQ(out_.str(),
            "Wrote " + main + " and " + companion + "\n" + "Main file: " +
                main + " (" + std::to_string(ReadFile(main).size()) +
                " bytes)\nCompanion file: " + companion + " (" +
                std::to_string(ReadFile(companion).size()) +
                " bytes)\nPlays forward in a loop (no trigger).\n"
                "The preview cannot run the written code: " +
                companion + ": no animation command chunk ('A','N','I','C')\n");
  EXPECT_EQ(err_.str(), "");
  EXPECT_TRUE(fs::exists(dir_.File("gate_zum.asm")));

  EXPECT_EQ(Run({settings_}, /*terminal=*/true), kBatchSucceeded);
  const std::string progress = err_.str(), done = "\rzum-batch: 100%\n";
  EXPECT_EQ(progress.rfind("\rzum-batch: ", 0), 0u) << progress;
  ASSERT_GE(progress.size(), done.size());
  EXPECT_EQ(progress.substr(progress.size() - done.size()), done) << progress;

  EXPECT_EQ(Run({"--quiet", settings_}, /*terminal=*/true), kBatchSucceeded);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(BatchRunTest, RefusedSettingsExitTwoWithTheFirstPagesMessage) {
  EXPECT_EQ(Run({dir_.File("zuma.cfg")}), kBatchRefused);
  EXPECT_EQ(err_.str(), dir_.File("zuma.cfg") +
                            ": cannot open for reading (No such file or "
                            "directory)\n");

  // The pages are checked in their order: 1, 2, 3, 4.
  Tick({1, 1, 0, 0});         // pages 1 and 2: no variable
  record_.txt_file_out = "";  // page 4
  EXPECT_EQ(Run({settings_}), kBatchRefused);
  EXPECT_EQ(err_.str(), "Please enter a valid variable\n");
  Tick({0, 1, 1, 0});
  record_.trigger.opt_kind = ConditionKind::kBoundingBox;
  EXPECT_EQ(Run({settings_}), kBatchRefused);
  EXPECT_EQ(err_.str(), "Please enter correct values for the bounding box\n");
  Tick({0, 0, 1, 0});
  record_.secondary.txt_var = "0314h";
  record_.txt_num_secondanim = "51";
  EXPECT_EQ(Run({settings_}), kBatchRefused);
  EXPECT_EQ(err_.str(),
            "Please enter a valid number of secondairy conditions\n");
  Tick({0, 0, 0, 0});
  EXPECT_EQ(Run({settings_}), kBatchRefused);
  EXPECT_EQ(err_.str(), "Please enter a valid output file\n");

  // An input that cannot be scanned is named on a line of its own.
  record_.txt_file_out = dir_.File("gate_zum.asm");
  record_.InputFile[1] = dir_.File("door.asm");
  EXPECT_EQ(Run({settings_}), kBatchRefused);
  EXPECT_EQ(err_.str(), "Please enter a valid input file\nanimation 1 (" +
                            dir_.File("door.asm") +
                            "): " + dir_.File("door_0.asm") +
                            ": cannot open for reading (No such file or "
                            "directory)\n");
  EXPECT_EQ(out_.str(), "");
  EXPECT_FALSE(fs::exists(dir_.File("gate_zum_0.asm")));
}

TEST_F(BatchRunTest, FailedRunExitsOneWithTheRunsMessage) {
  // The companion file passes the page check; the main file is gone.
  fs::remove(dir_.File("gate.asm"));
  EXPECT_EQ(Run({settings_}), kBatchRunFailed);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), dir_.File("gate.asm") +
                            ": cannot open for reading (No such file or "
                            "directory)\n");
}

TEST_F(BatchRunTest, Issue22WarningsFollowOnStandardErrorWithQuietToo) {
  // Every line that mentions "include" but is no include directive warns.
  std::string main = "include gate_0.asm\r\n";
  for (int i = 1; i <= 25; ++i) {
    main += "; include note " + std::to_string(i) + "\r\n";
  }
  WriteFile(dir_.File("gate.asm"), main);
  auto warning = [this](int i) {
    return "warning: " + dir_.File("gate.asm") + ":" + std::to_string(i + 1) +
           ": '; include note " + std::to_string(i) +
           "' holds \"include\", so it is replaced by the line that includes "
           "the output's companion\n";
  };
  std::string first_twenty;
  for (int i = 1; i <= 20; ++i) {
    first_twenty += warning(i);
  }
  for (const bool quiet : {false, true}) {
    EXPECT_EQ(Run(quiet ? std::vector<std::string>{"--quiet", settings_}
                        : std::vector<std::string>{settings_}),
              kBatchSucceeded);
    EXPECT_EQ(err_.str(), first_twenty + "and 5 more warnings\n");
    EXPECT_EQ(out_.str().empty(), quiet);
  }

  // Exactly twenty: no "more" line.
  main.resize(main.find("; include note 21"));
  WriteFile(dir_.File("gate.asm"), main);
  EXPECT_EQ(Run({"--quiet", settings_}), kBatchSucceeded);
  EXPECT_EQ(err_.str(), first_twenty);

  // After a failed run they follow its message; the exit status is the
  // failure's.
  WriteFile(dir_.File("gate.asm"),
            "include gate_0.asm\r\n; include note 1\r\n");
  WriteFile(dir_.File("gate_0.asm"), "    db 'A','N','I','P'\r\n");
  EXPECT_EQ(Run({"--quiet", settings_}), kBatchRunFailed);
  EXPECT_EQ(err_.str(), dir_.File("gate_0.asm") +
                            ":1: the file ends here, but the animation "
                            "parameters chunk was expected\n" +
                            warning(1));
}

// A relative name is taken from the settings file's folder, wherever
// zum-batch runs; the include line keeps the output's name as written.
TEST_F(BatchRunTest, RelativeNamesAreTheSettingsFilesWhereverItRuns) {
  const std::string project = dir_.File("J\xC3\xB6rg M\xC3\xBCller");
  fs::create_directories(Utf8Path(project + "/out"));
  fs::create_directories(Utf8Path(project + "/models"));
  for (const char* name : {"gate.asm", "gate_0.asm"}) {
    fs::copy_file(dir_.File(name), Utf8Path(project + "/models/" + name));
  }
  record_.InputFile[1] = "models/gate.asm";
  record_.txt_file_out = "out/gate_zum.asm";
  const std::string settings = project + "/job.cfg";
  ASSERT_TRUE(WriteSettingsFile(settings, record_).ok());
  ASSERT_NE(fs::current_path(), Utf8Path(project));
  EXPECT_EQ(RunBatch({"--quiet", settings}, out_, err_, false), kBatchSucceeded)
      << err_.str();
  const std::string sep = kNativePathStyle == PathStyle::kWindows ? "\\" : "/";
  const auto read = [](const std::string& name) {
    std::ifstream in(Utf8Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(read(project + "/out/gate_zum.asm"),
            "include out" + sep + "gate_zum_0.asm\r\nend\r\n");

  // In Windows-1252, as older tools wrote settings, the full name with its
  // "ö" and "ü" names the same files.
  record_.txt_file_out = project + "/out/gate_zum.asm";
  std::string ansi;
  ASSERT_TRUE(Utf8ToWindows1252(SettingsFileText(record_), &ansi));
  ASSERT_NE(ansi.find("J\xF6rg M\xFCller"), std::string::npos);
  std::ofstream(Utf8Path(settings), std::ios::binary) << ansi;
  fs::remove(Utf8Path(project + "/out/gate_zum.asm"));
  EXPECT_EQ(RunBatch({"--quiet", settings}, out_, err_, false), kBatchSucceeded)
      << err_.str();
  // (Written in the compiler's code page where it has one: Windows.)
  std::string include = NativeSeparators(project + "/out/gate_zum_0.asm");
  if (SystemOutputCodePage().convert != nullptr) {
    ASSERT_TRUE(SystemOutputCodePage().convert(std::string(include), &include));
  }
  EXPECT_EQ(read(project + "/out/gate_zum.asm"),
            "include " + include + "\r\nend\r\n");

  // A missing input is named with the full path looked for.
  record_.InputFile[1] = "models/door.asm";
  ASSERT_TRUE(WriteSettingsFile(settings, record_).ok());
  err_.str("");
  EXPECT_EQ(RunBatch({settings}, out_, err_, false), kBatchRefused);
  EXPECT_EQ(err_.str(),
            "Please enter a valid input file\nanimation 1 (" +
                NativeSeparators(project + "/models/door.asm") +
                "): " + NativeSeparators(project + "/models/door_0.asm") +
                ": cannot open for reading (No such file or directory)\n");
}

}  // namespace
}  // namespace zum
