// zum-batch under faults a disk, a click or an exporter can produce: each
// run either writes both outputs or leaves the earlier ones as they were.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "app/batch_run.h"
#include "engine/faults_testing.h"
#include "engine/line_io.h"
#include "settings/settings_file.h"
#include "settings/testing.h"

namespace zum {
namespace {

namespace fs = std::filesystem;
using testing::CrLf;
using testing::FaultyFileSystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class BatchFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* examples = std::getenv("ZUM_EXAMPLES");
    ASSERT_NE(examples, nullptr);
    for (const char* name : {"gate.asm", "gate_0.asm"}) {
      fs::copy_file(fs::path(examples) / name, dir_.File(name));
    }
    ASSERT_TRUE(
        LoadSettingsFile(std::string(examples) + "/gate.cfg", &record_).ok());
    record_.InputFile[1] = dir_.File("gate.asm");
    record_.txt_file_out = main_out_;
    WriteFile(main_out_, "old main\r\n");
    WriteFile(companion_out_, "old companion\r\n");
  }

  int Run() {
    EXPECT_TRUE(WriteSettingsFile(settings_, record_).ok());
    return RunOn(settings_);
  }
  int RunOn(const std::string& settings) {
    err_.str("");
    return RunBatch({"--quiet", settings}, out_, err_, false, &disk_);
  }
  // The earlier outputs are untouched and no temporary file is left.
  void ExpectOldOutputs() {
    EXPECT_EQ(ReadFile(main_out_), "old main\r\n");
    EXPECT_EQ(ReadFile(companion_out_), "old companion\r\n");
    for (const auto& entry : fs::directory_iterator(dir_.path())) {
      EXPECT_EQ(entry.path().string().find(".zum-partial"), std::string::npos);
    }
  }

  TempDir dir_;
  std::string settings_ = dir_.File("zum0.cfg");
  std::string main_out_ = dir_.File("gate_zum.asm");
  std::string companion_out_ = dir_.File("gate_zum_0.asm");
  SettingsRecord record_;
  FaultyFileSystem disk_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(BatchFaultsTest, ReadFailureInTheMiddleFailsTheRunAndKeepsOldOutputs) {
  // {file, text in whose third byte its PASS-th reading fails, exit}: the
  // settings, the main input, the companion input read by the page check's
  // scan (which the run takes as its own), by a chunk writer and by the
  // plain copy.
  struct Case {
    const char* file;
    const char* anchor;
    int pass;
    int exit;
  } cases[] = {{"zum0.cfg", "gate_zum.asm", 1, kBatchRefused},
               {"gate.asm", "include", 1, kBatchRunFailed},
               {"gate_0.asm", "gate_quat_2", 1, kBatchRefused},
               {"gate_0.asm", "gate_quat_2", 2, kBatchRunFailed},
               {"gate_0.asm", "gate_riff_end label", 2, kBatchRunFailed}};
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteSettingsFile(settings_, record_).ok());
    const std::string path = dir_.File(c.file);
    const std::string text = ReadFile(path);
    const long at = static_cast<long>(text.find(c.anchor)) + 2;
    disk_.FailRead(path, at, c.pass);
    EXPECT_EQ(RunOn(settings_), c.exit) << c.file << " " << c.pass;
    const auto line = std::count(text.begin(), text.begin() + at, '\n') + 1;
    EXPECT_NE(err_.str().find(path + ":" + std::to_string(line) +
                              ": cannot read the file ("),
              std::string::npos)
        << err_.str();
    ExpectOldOutputs();
  }
}

TEST_F(BatchFaultsTest, BadInputsFailTheRunAndKeepOldOutputs) {
  const std::string end = "animation_parameters_riff_end label byte";
  // In the animation parameters chunk a "_trans_" line is a table even
  // without "label" (the scan passes it over), so the run checks its keys,
  // whose distance overflows a float, at the first row.
  const std::string unlabelled_table = CrLf(
      {"    dd gate_trans_9", "h", "h", "h", "   dw    2",
       "   real4 -3.0e38, 0.0, 0.0, 0.0", "   real4 3.0e38, 0.0, 0.0, 0.0"});
  // {file, text replaced (all of it when empty), by what, exit, message}
  struct Case {
    const char* file;
    std::string find;
    std::string replace;
    int exit;
    const char* message;
  } cases[] = {
      {"gate.asm", "", "", kBatchRunFailed, ": the file is empty"},
      {"gate_0.asm", "", "", kBatchRefused, ": the file is empty"},
      // Without its end line the chunk runs on into the command chunk, whose
      // first "_trans_" line is read as a table with a row count of '0h'.
      {"gate_0.asm", end, "", kBatchRunFailed,
       ":104: keyframe table row count: expected a whole number, found '0h'"},
      {"gate_0.asm", end, unlabelled_table + end, kBatchRunFailed,
       ":91: keyframe table row: the key -3E+38 lies too far from the last key "
       "3E+38"},
  };
  for (const Case& c : cases) {
    const std::string path = dir_.File(c.file);
    const std::string original = ReadFile(path);
    std::string text = original;
    text = c.find.empty()
               ? c.replace
               : text.replace(text.find(c.find), c.find.size(), c.replace);
    WriteFile(path, text);
    EXPECT_EQ(Run(), c.exit) << c.file << " " << c.replace << err_.str();
    EXPECT_NE(err_.str().find(path + c.message), std::string::npos)
        << err_.str();
    ExpectOldOutputs();
    WriteFile(path, original);
  }
}

TEST_F(BatchFaultsTest, OnlyRegularFilesAreRead) {
  fs::create_directory(dir_.File("d.cfg"));
  EXPECT_EQ(RunOn(dir_.File("d.cfg")), kBatchRefused);
  EXPECT_EQ(err_.str(), dir_.File("d.cfg") + ": is a directory\n");
#ifndef _WIN32
  // A FIFO would block its reader until a writer comes.
  ASSERT_EQ(mkfifo(dir_.File("f.cfg").c_str(), 0600), 0);
  EXPECT_EQ(RunOn(dir_.File("f.cfg")), kBatchRefused);
  EXPECT_EQ(err_.str(), dir_.File("f.cfg") + ": not a regular file\n");
  fs::remove(record_.InputFile[1]);
  ASSERT_EQ(mkfifo(record_.InputFile[1].c_str(), 0600), 0);
  EXPECT_EQ(Run(), kBatchRunFailed);
  EXPECT_EQ(err_.str(), record_.InputFile[1] + ": not a regular file\n");
  ExpectOldOutputs();
#endif
}

TEST_F(BatchFaultsTest, MessagesQuoteAtMostEightyCharacters) {
  std::string text = SettingsFileText(record_);
  text.replace(0, text.find("\r\n"), std::string(200000, '7') + "x");
  WriteFile(settings_, text);
  EXPECT_EQ(RunOn(settings_), kBatchRefused);
  EXPECT_EQ(err_.str(), settings_ + ", line 1, " + SettingsLineMeaning(1) +
                            ": expected a whole number, found '" +
                            std::string(80, '7') + "...'\n");
}

TEST_F(BatchFaultsTest, OutputNamesThatMustNotBeWrittenAreRefused) {
  const std::string cut = main_out_.substr(0, main_out_.size() - 1);
  const std::string refusal = "the output would overwrite the settings file: '";
  // {output file, settings file, exit, message}
  const std::string cases[][4] = {
      {cut + '\0' + "m", settings_, "1",
       "output file: the name holds a NUL character\n"},
      {dir_.File("a.cfg"), dir_.File("a.cfg"), "2",
       refusal + dir_.File("a.cfg") + "' is the settings file '" +
           dir_.File("a.cfg") + "'; choose another output file\n"},
      {dir_.File("b.asm"), dir_.File("b_0.asm"), "2",
       refusal + dir_.File("b_0.asm") + "' is the settings file '" +
           dir_.File("b_0.asm") + "'; choose another output file\n"}};
  for (const auto& c : cases) {
    record_.txt_file_out = c[0];
    ASSERT_TRUE(WriteSettingsFile(c[1], record_).ok());
    const std::string saved = ReadFile(c[1]);
    EXPECT_EQ(RunOn(c[1]), std::stoi(c[2]));
    EXPECT_EQ(err_.str(), c[3]);
    EXPECT_EQ(ReadFile(c[1]), saved);
    EXPECT_FALSE(fs::exists(cut));
    ExpectOldOutputs();
  }
}

#ifndef _WIN32
TEST_F(BatchFaultsTest, InterruptedRunLeavesNoTemporaryBehind) {
  EXPECT_GE(TerminatingSignals().size(), 12u);
  for (int signal_number : TerminatingSignals()) {
    EXPECT_EXIT(
        {
          RemoveTemporariesOnInterrupt();
          LineWriter out;
          if (out.OpenReplacing(main_out_).ok()) {
            std::raise(signal_number);
          }
        },
        ::testing::KilledBySignal(signal_number), "");
    ExpectOldOutputs();
  }
}
#endif

}  // namespace
}  // namespace zum
