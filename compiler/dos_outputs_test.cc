#include "compiler/dos_outputs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compiler/testdata/chatter_text.h"
#include "compiler/testing.h"

#ifndef _WIN32
#include <errno.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#endif

namespace zum {
namespace {

using testing::ChatterPath;
using testing::ChatterText;
using testing::Native;
using testing::Quoted;

class DOSOutputsTest : public ::testing::Test {
 protected:
  DOSOutputsTest() : runner_(&sink_) {
    runner_.SetReceiveOutputs(
        [this](const std::string& piece) { pieces_.push_back(piece); });
  }

  // The chatter helper with `arguments`.
  static std::string Chatter(const std::string& arguments) {
    return Quoted(ChatterPath()) + (arguments.empty() ? "" : " " + arguments);
  }

  // Checks the pieces of one run: all but the last non-empty and at most
  // kReadSize long, the last empty, together equal to `result`.
  void ExpectPiecesMake(const std::string& result) {
    ASSERT_FALSE(pieces_.empty());
    EXPECT_EQ("", pieces_.back());
    std::string joined;
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
      if (i + 1 < pieces_.size()) {
        EXPECT_FALSE(pieces_[i].empty()) << "piece " << i;
      }
      EXPECT_LE(pieces_[i].size(), DOSOutputs::kReadSize) << "piece " << i;
      joined += pieces_[i];
    }
    EXPECT_EQ(result, joined);
  }

  // Expects exactly one message, a critical error reading `text`.
  void ExpectOneCriticalMessage(const std::string& text) {
    ASSERT_EQ(1u, sink_.messages.size());
    EXPECT_EQ(MessageIcon::kCritical, sink_.messages[0].first);
    EXPECT_EQ(text, sink_.messages[0].second);
  }

  testing::RecordingSink sink_;
  DOSOutputs runner_;
  std::vector<std::string> pieces_;
};

#ifndef _WIN32
// Sets PATH for the lifetime of the object.
class ScopedPath {
 public:
  explicit ScopedPath(const std::string& path) {
    const char* old = getenv("PATH");
    had_path_ = old != nullptr;
    old_path_ = had_path_ ? old : "";
    setenv("PATH", path.c_str(), 1);
  }
  ~ScopedPath() {
    if (had_path_) {
      setenv("PATH", old_path_.c_str(), 1);
    } else {
      unsetenv("PATH");
    }
  }

 private:
  bool had_path_ = false;
  std::string old_path_;
};
#endif  // _WIN32

// Output of a run.

TEST_F(DOSOutputsTest, LongOutputArrivesInPieces) {
  const std::string expected = ChatterText("out", 1000);
  const std::string result = runner_.ExecuteCommand(Chatter("out 1000"));
  EXPECT_EQ(expected, result);
  EXPECT_EQ(expected, runner_.Outputs());
  // 1000 bytes cannot come in fewer than four reads, plus the empty one.
  EXPECT_GE(pieces_.size(), 5u);
  ExpectPiecesMake(result);
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(DOSOutputsTest, SilentCommandGivesOneEmptyPiece) {
  const std::string result = runner_.ExecuteCommand(Chatter(""));
  EXPECT_EQ("", result);
  EXPECT_EQ("", runner_.Outputs());
  EXPECT_EQ(std::vector<std::string>{""}, pieces_);
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(DOSOutputsTest, StandardErrorIsCaptured) {
  const std::string result = runner_.ExecuteCommand(Chatter("err 600"));
  EXPECT_EQ(ChatterText("err", 600), result);
  ExpectPiecesMake(result);
}

TEST_F(DOSOutputsTest, StandardOutputAndErrorShareOnePipeInOrder) {
  const std::string result = runner_.ExecuteCommand(Chatter("both 300 400"));
  EXPECT_EQ(ChatterText("out", 300) + ChatterText("err", 400), result);
  ExpectPiecesMake(result);
}

TEST_F(DOSOutputsTest, StandardInputIsEmpty) {
  EXPECT_EQ("stdin 0\n", runner_.ExecuteCommand(Chatter("stdin")));
}

TEST_F(DOSOutputsTest, NewRunStartsWithEmptyOutputs) {
  runner_.ExecuteCommand(Chatter("out 300"));
  EXPECT_EQ("[a]\n", runner_.ExecuteCommand(Chatter("a")));
  EXPECT_EQ("[a]\n", runner_.Outputs());
}

// Stored and passed command lines.

TEST_F(DOSOutputsTest, EmptyArgumentRunsStoredCommandLine) {
  runner_.SetCommandLine(Chatter("stored"));
  EXPECT_EQ("[stored]\n", runner_.ExecuteCommand());
  EXPECT_EQ(Chatter("stored"), runner_.CommandLine());
}

TEST_F(DOSOutputsTest, PassedCommandLineReplacesStoredOne) {
  runner_.SetCommandLine(Chatter("stored"));
  EXPECT_EQ("[passed]\n", runner_.ExecuteCommand(Chatter("passed")));
  EXPECT_EQ(Chatter("passed"), runner_.CommandLine());
  EXPECT_EQ("[passed]\n", runner_.ExecuteCommand(""));
}

TEST_F(DOSOutputsTest, QuotedPathsWithBlanks) {
  testing::ScopedTempDir temp;
  const std::filesystem::path program =
      temp.path() / "program folder" /
      std::filesystem::path(ChatterPath()).filename();
  std::filesystem::create_directories(program.parent_path());
  std::filesystem::copy_file(ChatterPath(), program);
  const std::string output = Native(temp.path() / "out dir" / "gate.asm");

  const std::string result = runner_.ExecuteCommand(
      Quoted(Native(program)) + " -mdl " + Quoted(output) + " two\" \"words");
  EXPECT_EQ("[-mdl]\n[" + output + "]\n[two words]\n", result);
}

// Failures.

TEST_F(DOSOutputsTest, EmptyCommandLineIsRefused) {
  EXPECT_EQ("", runner_.ExecuteCommand());
  ExpectOneCriticalMessage("Command Line empty");
  EXPECT_TRUE(pieces_.empty());
  EXPECT_EQ("", runner_.CommandLine());
}

TEST_F(DOSOutputsTest, MissingProgramIsReportedAndKeepsOutputs) {
  runner_.ExecuteCommand(Chatter("earlier"));
  pieces_.clear();
  testing::ScopedTempDir temp;
  const std::string missing = Native(temp.path() / "no such program.exe");

  EXPECT_EQ("", runner_.ExecuteCommand(Quoted(missing) + " -mdl x"));
  ExpectOneCriticalMessage("File or command not found");
  EXPECT_TRUE(pieces_.empty());
  EXPECT_EQ("[earlier]\n", runner_.Outputs());
  EXPECT_EQ(Quoted(missing) + " -mdl x", runner_.CommandLine());
}

TEST_F(DOSOutputsTest, MissingProgramOnPathIsReported) {
  EXPECT_EQ("", runner_.ExecuteCommand("zum-no-such-program-4711 x"));
  ExpectOneCriticalMessage("File or command not found");
  EXPECT_TRUE(pieces_.empty());
}

TEST_F(DOSOutputsTest, BlankCommandLineFindsNoProgram) {
  EXPECT_EQ("", runner_.ExecuteCommand("   "));
  ExpectOneCriticalMessage("File or command not found");
}

// Windows only.

TEST_F(DOSOutputsTest, CmdEcho) {
#ifdef _WIN32
  EXPECT_EQ("hello\r\n", runner_.ExecuteCommand("cmd /c echo hello"));
  ExpectPiecesMake("hello\r\n");
#else
  GTEST_SKIP() << "cmd exists on Windows only";
#endif
}

// Platform-specific cases.

TEST_F(DOSOutputsTest, ChildIsReaped) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows keeps no zombie processes; the runner closes the "
                  "process handle";
#else
  runner_.ExecuteCommand(Chatter("out 10"));
  errno = 0;
  EXPECT_EQ(-1, waitpid(-1, nullptr, WNOHANG));
  EXPECT_EQ(ECHILD, errno);
#endif
}

TEST_F(DOSOutputsTest, ProgramFoundOnPath) {
#ifdef _WIN32
  GTEST_SKIP() << "the stand-in program is a shell script";
#else
  testing::ScopedTempDir temp;
  ASSERT_TRUE(testing::WriteTestFile(temp.path() / "bin" / "zum-hello",
                                     "#!/bin/sh\necho \"hello $1\"\n", true));
  ScopedPath path((temp.path() / "bin").string());
  EXPECT_EQ("hello world\n", runner_.ExecuteCommand("zum-hello world"));
#endif
}

TEST_F(DOSOutputsTest, FileThatCannotRunIsNotFound) {
  testing::ScopedTempDir temp;
  const std::filesystem::path text = temp.path() / "notes.txt";
  ASSERT_TRUE(testing::WriteTestFile(text, "not a program\n"));
  EXPECT_EQ("", runner_.ExecuteCommand(Quoted(Native(text))));
  ExpectOneCriticalMessage("File or command not found");
  EXPECT_TRUE(pieces_.empty());
}

TEST_F(DOSOutputsTest, WindowsProgramRunsThroughWine) {
#ifdef _WIN32
  GTEST_SKIP() << "wine is how POSIX systems run Windows programs";
#else
  testing::ScopedTempDir temp;
  // A stand-in for wine that shows what it was asked to run.
  ASSERT_TRUE(testing::WriteTestFile(
      temp.path() / "bin" / "wine",
      "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n", true));
  const std::filesystem::path program = temp.path() / "sdk dir" / "tool.exe";
  ASSERT_TRUE(testing::WriteTestFile(program, std::string("MZ\x90\0", 4)));
  ScopedPath path((temp.path() / "bin").string());

  EXPECT_EQ("[" + program.string() + "]\n[-mdl]\n[out dir/a.asm]\n",
            runner_.ExecuteCommand(Quoted(program.string()) +
                                   " -mdl \"out dir/a.asm\""));
  EXPECT_TRUE(sink_.messages.empty());
#endif
}

TEST_F(DOSOutputsTest, WindowsProgramWithoutWineSaysWineIsNeeded) {
#ifdef _WIN32
  GTEST_SKIP() << "wine is how POSIX systems run Windows programs";
#else
  testing::ScopedTempDir temp;
  std::filesystem::create_directories(temp.path() / "empty");
  const std::filesystem::path program = temp.path() / "tool.exe";
  ASSERT_TRUE(testing::WriteTestFile(program, std::string("MZ\x90\0", 4)));
  ScopedPath path((temp.path() / "empty").string());

  EXPECT_EQ("", runner_.ExecuteCommand(Quoted(program.string())));
  ExpectOneCriticalMessage("File or command not found\n" + program.string() +
                           " is a Windows program; running it needs wine, "
                           "which is not on the PATH.");
  EXPECT_TRUE(pieces_.empty());
#endif
}

TEST_F(DOSOutputsTest, PipeFailureShowsSystemErrorCode) {
#ifdef _WIN32
  GTEST_SKIP() << "a descriptor limit makes the pipe fail on POSIX only";
#else
  // With no descriptor left to this process the pipe cannot be created.
  struct rlimit saved;
  ASSERT_EQ(0, getrlimit(RLIMIT_NOFILE, &saved));
  struct rlimit none = saved;
  none.rlim_cur = 0;
  ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &none));
  const std::string result = runner_.ExecuteCommand(Chatter("out 10"));
  ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &saved));

  EXPECT_EQ("", result);
  ExpectOneCriticalMessage("CreatePipe failed. Error: " +
                           std::to_string(EMFILE));
  EXPECT_TRUE(pieces_.empty());
#endif
}

}  // namespace
}  // namespace zum
