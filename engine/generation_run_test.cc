// How a run meets the disk: what it leaves after a failed rename, in which
// order it syncs and renames, one writer per output pair, inputs changed
// while they are read, and whatever stands at the output names (issue 19).

#include "engine/generation_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <functional>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "engine/asm_lines.h"
#include "engine/faults_testing.h"
#include "engine/line_io.h"
#include "engine/parallel_work.h"
#include "engine/source_scanner.h"
#include "engine/testing.h"

namespace zum {
namespace {

namespace fs = std::filesystem;
using testing::FaultyFileSystem;
using testing::ReadFile;
using testing::RecordingFileSystem;
using testing::TempDir;
using testing::WriteFile;

constexpr std::chrono::milliseconds kWait{5000};

class GenerationRunTest : public ::testing::Test {
 public:
  static Status Run(const JobSettings& job, FileSystem* fs,
                    std::chrono::milliseconds lock_wait = kWait) {
    RunOptions options;
    options.file_system = fs;
    options.lock_wait = lock_wait;
    return RunGeneration(job, options, nullptr);
  }

 protected:
  void SetUp() override {
    for (const char* name :
         {"gate.asm", "gate_0.asm", "gate2.asm", "gate2_0.asm"}) {
      fs::copy_file(fs::path(ZUM_SOURCE_DIR) / "examples" / name,
                    dir_.File(name));
    }
    job_.Trigger.Variable = "0282h";
    job_.Trigger.Minimum = "1";
    job_.Trigger.Maximum = "1";
    job_.InputFile[1] = dir_.File("gate.asm");
    job_.OutputFile = main_;
    WriteFile(main_, "old main\r\n");
    WriteFile(companion_, "old companion\r\n");
  }

  Status Run(FileSystem* fs) { return Run(job_, fs); }

  // The message with the folder and the separator after it written "$/".
  std::string Masked(const Status& status) const {
    std::string text = status.ToString();
    const std::string folder = dir_.path().string();
    for (size_t p; (p = text.find(folder)) != std::string::npos;) {
      text.replace(p, folder.size() + 1, "$/");
    }
    return text;
  }

  // The old pair is there, and nothing else was left behind.
  void ExpectOldPair() {
    EXPECT_EQ(ReadFile(main_), "old main\r\n");
    EXPECT_EQ(ReadFile(companion_), "old companion\r\n");
    EXPECT_EQ(dir_.Names(), kInputsAndOutputs);
  }

  const std::vector<std::string> kInputsAndOutputs = {
      "gate.asm",   "gate2.asm", "gate2_0.asm",
      "gate_0.asm", "out.asm",   "out_0.asm"};
  TempDir dir_;
  std::string main_ = dir_.File("out.asm");
  std::string companion_ = dir_.File("out_0.asm");
  JobSettings job_;
};

TEST_F(GenerationRunTest, Issue19FailedRenameOfEitherOutputKeepsTheOldPair) {
  for (const std::string* output : {&main_, &companion_}) {
    FaultyFileSystem disk;
    disk.FailRename(*output);
    EXPECT_EQ(Run(&disk).ToString(),
              *output + ": cannot replace the file (Permission denied)");
    ExpectOldPair();
  }
  // Without an earlier companion, the new one goes again.
  fs::remove(companion_);
  FaultyFileSystem disk;
  disk.FailRename(main_);
  EXPECT_FALSE(Run(&disk).ok());
  EXPECT_EQ(ReadFile(main_), "old main\r\n");
  EXPECT_FALSE(fs::exists(companion_));
}

// Fails the rename onto the main output and every rename after it, so the
// earlier companion cannot be put back either.
class NoRenameAfterMain : public FaultyFileSystem {
 public:
  explicit NoRenameAfterMain(std::string main) : main_(std::move(main)) {}
  bool Rename(const std::string& from, const std::string& to,
              int* error) override {
    failing_ = failing_ || to == main_;
    if (failing_) {
      *error = EACCES;
      return false;
    }
    return FaultyFileSystem::Rename(from, to, error);
  }

 private:
  std::string main_;
  bool failing_ = false;
};

TEST_F(GenerationRunTest, Issue19CompanionNotPutBackIsNamedWithItsEarlierFile) {
  NoRenameAfterMain disk(main_);
  const std::string message = Masked(Run(&disk));
  const std::string kept = message.substr(message.rfind(' ') + 1);
  EXPECT_EQ(message.substr(0, message.rfind(' ') + 1),
            "$/out.asm: cannot replace the file (Permission denied); "
            "$/out_0.asm was changed and could not be put back (Permission "
            "denied); its earlier file is ");
  EXPECT_EQ(ReadFile(dir_.path().string() + kept.substr(1)),
            "old companion\r\n");
  EXPECT_EQ(ReadFile(main_), "old main\r\n");
}

TEST_F(GenerationRunTest, Issue19EveryFileIsSyncedBeforeItsRenameAndItsFolder) {
  RecordingFileSystem disk;
  ASSERT_TRUE(Run(&disk).ok());
  const std::vector<std::string> expected = {
      "sync $/out.asm.~.zum-partial",
      "sync $/out_0.asm.~.zum-partial",
      "link $/out_0.asm $/out_0.asm.~.zum-partial",
      "rename $/out_0.asm.~.zum-partial $/out_0.asm",
      "rename $/out.asm.~.zum-partial $/out.asm",
      "remove $/out_0.asm.~.zum-partial",
      "syncfolder $",
  };
  EXPECT_EQ(disk.Log(dir_.path().string()), expected);
}

// Runs the job OTHER, to its end, just before the first rename of its own
// run, as a second process writing the same output would.
class SecondRunAtFirstRename : public FaultyFileSystem {
 public:
  explicit SecondRunAtFirstRename(const JobSettings& other) : other_(other) {}
  bool Rename(const std::string& from, const std::string& to,
              int* error) override {
    if (!started_) {
      started_ = true;
      std::thread second([this] {
        other_status_ = GenerationRunTest::Run(other_, RealFileSystem(),
                                               std::chrono::milliseconds(200));
      });
      second.join();
    }
    return FaultyFileSystem::Rename(from, to, error);
  }
  Status other_status_;

 private:
  const JobSettings& other_;
  bool started_ = false;
};

TEST_F(GenerationRunTest, Issue19SecondRunOnOnePairWaitsAndFails) {
  JobSettings other = job_;
  other.InputFile[1] = dir_.File("gate2.asm");
  other.Trigger.Variable = "0283h";
  ASSERT_TRUE(Run(job_, RealFileSystem()).ok());
  const std::string first_main = ReadFile(main_);
  const std::string first_companion = ReadFile(companion_);
  ASSERT_TRUE(Run(other, RealFileSystem()).ok());
  ASSERT_NE(ReadFile(main_), first_main);
  ASSERT_NE(ReadFile(companion_), first_companion);

  SecondRunAtFirstRename disk(other);
  ASSERT_TRUE(Run(&disk).ok());
  EXPECT_EQ(disk.other_status_.ToString(), "another run is writing " + main_);
  EXPECT_EQ(ReadFile(main_), first_main);
  EXPECT_EQ(ReadFile(companion_), first_companion);
  EXPECT_EQ(dir_.Names(), kInputsAndOutputs);
}

TEST_F(GenerationRunTest, Issue19RunsOnOnePairFromThreadsNeverMixThePair) {
  JobSettings other = job_;
  other.InputFile[1] = dir_.File("gate2.asm");
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const JobSettings* job : {&job_, &other}) {
    ASSERT_TRUE(Run(*job, RealFileSystem()).ok());
    pairs.emplace_back(ReadFile(main_), ReadFile(companion_));
  }
  for (int round = 0; round < 10; ++round) {
    std::vector<std::thread> runs;
    for (int i = 0; i < 4; ++i) {
      runs.emplace_back([&, i] {
        EXPECT_TRUE(Run(i % 2 == 0 ? job_ : other, RealFileSystem()).ok());
      });
    }
    for (std::thread& run : runs) {
      run.join();
    }
    const std::pair<std::string, std::string> now(ReadFile(main_),
                                                  ReadFile(companion_));
    EXPECT_TRUE(now == pairs[0] || now == pairs[1]) << round;
    EXPECT_EQ(dir_.Names(), kInputsAndOutputs);
  }
}

// Rewrites FILE when the run starts its second reading of it.
class RewriteOnSecondReading : public FaultyFileSystem {
 public:
  explicit RewriteOnSecondReading(std::string file) : file_(std::move(file)) {}
  size_t Read(std::FILE* file, const std::string& name, char* buffer,
              size_t size, int* error) override {
    if (name == file_ && std::ftell(file) == 0 && ++readings_ == 2) {
      WriteFile(file_, ReadFile(file_) + "; added\r\n");
    }
    return FaultyFileSystem::Read(file, name, buffer, size, error);
  }

 private:
  std::string file_;
  int readings_ = 0;
};

TEST_F(GenerationRunTest, Issue19InputChangedDuringTheRunFailsIt) {
  RewriteOnSecondReading disk(dir_.File("gate_0.asm"));
  EXPECT_EQ(Masked(Run(&disk)), "$/gate_0.asm changed while it was being read");
  ExpectOldPair();
}

// A scan made before the run stands in for the run's own while its file is
// as it was; the label base shows which one the run took.
TEST_F(GenerationRunTest, KnownScanStandsInOnlyForTheFileAsItWas) {
  const std::string input = dir_.File("gate_0.asm");
  KnownScan known;
  ASSERT_TRUE(
      ScanSourceFile(input, &known.scan, RealFileSystem(), &known.seen).ok());
  EXPECT_EQ(known.seen.type, FileType::kRegular);
  known.scan.LabelBase = "known";
  RunOptions options;
  options.known_scans = {KnownScan(), known};  // animation 1's
  ASSERT_TRUE(RunGeneration(job_, options, nullptr).ok());
  EXPECT_TRUE(Contains(ReadFile(companion_), "known_local_varbase_1"));

  fs::last_write_time(input,
                      fs::last_write_time(input) + std::chrono::seconds(2));
  ASSERT_TRUE(RunGeneration(job_, options, nullptr).ok());
  EXPECT_FALSE(Contains(ReadFile(companion_), "known_"));
  EXPECT_TRUE(Contains(ReadFile(companion_), "gate_local_varbase_1"));

  // Nor does one of another animation, nor one that could not see its file.
  ASSERT_TRUE(
      ScanSourceFile(input, &known.scan, RealFileSystem(), &known.seen).ok());
  known.scan.LabelBase = "known";
  options.known_scans = {known, KnownScan(), known};
  ASSERT_TRUE(RunGeneration(job_, options, nullptr).ok());
  EXPECT_FALSE(Contains(ReadFile(companion_), "known_"));
  known.seen = FileInfo();
  options.known_scans = {KnownScan(), known};
  WriteFile(input, "");
  EXPECT_EQ(Masked(RunGeneration(job_, options, nullptr)),
            "$/gate_0.asm: the file is empty");
}

TEST_F(GenerationRunTest, Issue19StaleTemporariesOfTheTargetGo) {
  const std::string stale = NewTemporaryName(main_);
  const std::string other = NewTemporaryName(dir_.File("other.asm"));
  WriteFile(stale, "left by a killed run");
  WriteFile(other, "another target's");
  ASSERT_TRUE(Run(RealFileSystem()).ok());
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(other));
}

TEST_F(GenerationRunTest, Issue19WhatStandsAtTheOutputNameIsRefusedFirst) {
  fs::remove(companion_);
  fs::create_directory(companion_);
  EXPECT_EQ(Masked(Run(RealFileSystem())), "$/out_0.asm: is a directory");
  fs::remove(companion_);
  WriteFile(companion_, "old companion\r\n");
  fs::permissions(main_, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(Masked(Run(RealFileSystem())), "$/out.asm: is read-only");
  fs::permissions(main_, fs::perms::owner_read | fs::perms::owner_write);
  ExpectOldPair();
  job_.OutputFile = "a.x";
  EXPECT_EQ(Run(RealFileSystem()).ToString(),
            "output file: file name 'a.x' is too short to derive its _0.asm "
            "companion");
  job_.OutputFile = main_;
#ifndef _WIN32
  fs::remove(main_);
  ASSERT_EQ(mkfifo(main_.c_str(), 0644), 0);
  EXPECT_EQ(Masked(Run(RealFileSystem())), "$/out.asm: not a regular file");
  EXPECT_TRUE(fs::is_fifo(main_));
  job_.OutputFile = "/dev/null";
  EXPECT_EQ(Run(RealFileSystem()).ToString(), "/dev/null: not a regular file");
#endif
}

#ifndef _WIN32
TEST_F(GenerationRunTest, Issue19LinkStaysALinkAndModeIsKept) {
  fs::create_directory(dir_.File("real"));
  const std::string real_main = dir_.File("real/target.asm");
  WriteFile(real_main, "old target\r\n");
  fs::permissions(real_main, fs::perms::owner_read | fs::perms::owner_write);
  fs::remove(main_);
  fs::create_symlink("real/target.asm", main_);
  RecordingFileSystem disk;
  ASSERT_TRUE(Run(&disk).ok());
  // The outputs now lie in two folders, and each is synced.
  const std::vector<std::string> log = disk.Log(dir_.path().string());
  EXPECT_EQ(std::vector<std::string>(log.end() - 2, log.end()),
            (std::vector<std::string>{"syncfolder $", "syncfolder $/real"}));
  EXPECT_TRUE(fs::is_symlink(main_));
  EXPECT_NE(ReadFile(real_main), "old target\r\n");
  EXPECT_EQ(fs::status(real_main).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  std::vector<std::string> beside;
  for (const auto& entry : fs::directory_iterator(dir_.File("real"))) {
    beside.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(beside, std::vector<std::string>{"target.asm"});
}
#endif

#ifdef _WIN32
TEST_F(GenerationRunTest, Issue19MainOutputHeldOpenKeepsTheOldPair) {
  // Another program has the main output open without sharing it.
  HANDLE held =
      CreateFileA(main_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string message = Masked(Run(RealFileSystem()));
  CloseHandle(held);
  EXPECT_EQ(message.rfind("$/out.asm: cannot replace the file (", 0), 0u)
      << message;
  ExpectOldPair();
}
#endif

TEST_F(GenerationRunTest, Issue19LongestOutputNamesWork) {
  // The companion's name is two characters longer than the main output's:
  // 255 characters, the most a file name has; on Windows the whole path
  // stops at 259.
#ifdef _WIN32
  const size_t stem = 259 - dir_.path().string().size() - 1 - 6;
#else
  const size_t stem = 249;
#endif
  job_.OutputFile = dir_.File(std::string(stem, 'n') + ".asm");
  const Status status = Run(RealFileSystem());
  ASSERT_TRUE(status.ok()) << status.ToString();
  EXPECT_TRUE(fs::exists(dir_.File(std::string(stem, 'n') + "_0.asm")));
}

TEST_F(GenerationRunTest, Issue19LongLineIsRefusedAndLeavesNoTemporary) {
  WriteFile(dir_.File("gate.asm"),
            "include gate_0.asm\r\n" + std::string(kMaxLineLength + 1, ' '));
  EXPECT_EQ(Masked(Run(RealFileSystem())),
            "$/gate.asm:2: line longer than 1048576 bytes");
  ExpectOldPair();
}

#ifndef _WIN32
// (Under wine a name this long is cut to one the system takes, and the run
// succeeds; ShortName's own test holds there too.)
TEST_F(GenerationRunTest, Issue19MessagesShortenNamesOfAnyLength) {
  job_.OutputFile = dir_.File(std::string(1 << 20, 'n') + ".asm");
  const std::string message = Run(RealFileSystem()).ToString();
  EXPECT_LT(message.size(), 400u) << message.substr(0, 400);
  EXPECT_NE(message.find("n...n"), std::string::npos) << message.substr(0, 400);
}
#endif

class OutOfMemory : public FaultyFileSystem {
 public:
  size_t Read(std::FILE*, const std::string&, char*, size_t, int*) override {
    throw std::bad_alloc();
  }
};

TEST_F(GenerationRunTest, Issue19RunningOutOfMemoryIsAnErrorThatKeepsThePair) {
  OutOfMemory disk;
  EXPECT_EQ(Run(&disk).ToString(),
            "out of memory: the run needs more memory than the system gives "
            "it");
  ExpectOldPair();
}

// A job of many animations, each companion input gate_0.asm as EDIT
// changes it for its animation; what one run of it gives, "$" for the
// folder: the message, the warnings and their total, and the outputs.
struct ThreadedOutcome {
  std::string message;
  std::vector<std::string> warnings;
  long total = 0;
  std::string outputs;
};

ThreadedOutcome RunManyAnimations(
    int threads, const std::function<std::string(int, std::string)>& edit) {
  TempDir dir;
  const std::string gate =
      ReadFile((fs::path(ZUM_SOURCE_DIR) / "examples" / "gate_0.asm").string());
  JobSettings job;
  job.Trigger.Variable = "0282h";
  job.Trigger.Minimum = job.Trigger.Maximum = "1";
  job.SecondaryEnabled = true;
  job.SecondaryVariable = "0312h";
  job.AnimationCount = std::to_string(kMaxAnimations);
  for (int a = 1; a <= kMaxAnimations; ++a) {
    const std::string name = "anim" + std::to_string(a);
    WriteFile(dir.File(name + ".asm"), "include " + name + "_0.asm\r\n");
    WriteFile(dir.File(name + "_0.asm"), edit(a, gate));
    job.InputFile[a] = dir.File(name + ".asm");
    job.SecondaryMin[a] = job.SecondaryMax[a] = std::to_string(a);
  }
  job.OutputFile = dir.File("out.asm");
  RunOptions options;
  options.threads = threads;
  RunResult result;
  const auto masked = [&dir](std::string text) {
    const std::string folder = dir.path().string();
    for (size_t p; (p = text.find(folder)) != std::string::npos;) {
      text.replace(p, folder.size() + 1, "$/");
    }
    return text;
  };
  ThreadedOutcome outcome;
  outcome.message = masked(RunGeneration(job, options, &result).ToString());
  for (const std::string& warning : result.warnings.kept()) {
    outcome.warnings.push_back(masked(warning));
  }
  outcome.total = result.warnings.total();
  if (outcome.message == "OK") {
    outcome.outputs = masked(ReadFile(dir.File("out.asm")) + "|" +
                             ReadFile(dir.File("out_0.asm")));
  } else {
    EXPECT_FALSE(fs::exists(dir.File("out.asm")));
  }
  return outcome;
}

// TEXT with every FROM replaced by TO.
std::string Replaced(std::string text, const std::string& from,
                     const std::string& to) {
  for (size_t p = 0; (p = text.find(from, p)) != std::string::npos;
       p += to.size()) {
    text.replace(p, from.size(), to);
  }
  return text;
}

TEST(GenerationThreadsTest, ManyThreadsGiveWhatOneThreadGives) {
  struct Case {
    const char* name;
    std::function<std::string(int, std::string)> edit;
    const char* message;  // the one-thread run's, "$" for the folder
    long warnings;        // how many it warns, more than are kept at most
  } cases[] = {
      {"values of every animation warn, more than are kept",
       [](int a, std::string text) {
         return a % 2 == 0 ? Replaced(text, ", 0.0,", ", 0.0x,") : text;
       },
       "OK", 275},
      {"a value beyond the float range in animations 7 and 9",
       [](int a, std::string text) {
         text = Replaced(text, ", 0.0,", ", 0.0z,");
         return a == 7 || a == 9 ? Replaced(text, "1.5, 0.25", "1e39, 0.25")
                                 : text;
       },
       "$/anim7_0.asm:45: keyframe table row: the number '1e39' is beyond "
       "the range of a 32-bit float",
       37},
      {"no rows in the tables of animations 8 and 11, found by the scan",
       [](int a, std::string text) {
         return a == 8 || a == 11 ? Replaced(text, "   dw    3\r\n   real4 0.0",
                                             "   dw    0\r\n   real4 0.0")
                                  : text;
       },
       "$/anim8_0.asm:43: keyframe table has 0 rows; at least 1 is needed", 0},
      {"no rotation table in animation 30",
       [](int a, std::string text) {
         return a == 30 ? Replaced(text, "gate_quat_", "gate_other_") : text;
       },
       "$/anim30_0.asm:55: animation 30 has no rotation keyframe table for "
       "part 1 (nor one of an earlier part to reuse), but animation 1 has one",
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ThreadedOutcome one = RunManyAnimations(1, c.edit);
    EXPECT_EQ(one.message, c.message);
    EXPECT_EQ(one.total, c.warnings);
    for (int threads : {2, kMaxRunThreads}) {
      const ThreadedOutcome many = RunManyAnimations(threads, c.edit);
      EXPECT_EQ(many.message, one.message) << threads << " threads";
      EXPECT_EQ(many.warnings, one.warnings) << threads << " threads";
      EXPECT_EQ(many.total, one.total) << threads << " threads";
      EXPECT_TRUE(many.outputs == one.outputs) << threads << " threads";
    }
  }
}

}  // namespace
}  // namespace zum
