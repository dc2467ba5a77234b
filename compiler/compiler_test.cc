// The console command runner against a real child process (the chatter
// helper, compiler/testdata/chatter.cc), and the compile step that uses it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "compiler/compile_step.h"
#include "compiler/dos_outputs.h"
#include "compiler/testdata/chatter_text.h"
#include "engine/testing.h"
#include "engine/text_encoding.h"
#include "engine/utf8_path.h"

#ifdef _WIN32
#include <stdlib.h>
#include <windows.h>
#else
#include <errno.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#endif

namespace zum {
namespace {

namespace fs = std::filesystem;
using testing::ChatterText;

std::string Native(const fs::path& path) {
  return fs::path(path).make_preferred().string();
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// The chatter helper, built beside the tests.
std::string ChatterPath() {
#ifdef _WIN32
  // A Windows path there also works under wine; the host's build path not.
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  return Native(fs::path(module).parent_path() / "chatter.exe");
#else
  return ZUM_CHATTER_PATH;
#endif
}

// Writes CONTENT to PATH, creating its folder; with EXECUTABLE the file may
// be run (ignored on Windows).
void WriteTestFile(const fs::path& path, const std::string& content,
                   bool executable = false) {
  fs::create_directories(path.parent_path());
  testing::WriteFile(path.string(), content);
  if (executable) {
    fs::permissions(path, fs::perms::owner_exec, fs::perm_options::add);
  }
}

// Sets the environment variable NAME to VALUE for the lifetime of the
// object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    const char* old = getenv(name);
    had_ = old != nullptr;
    old_ = had_ ? old : "";
    Set(value.c_str());
  }
  ~ScopedEnv() { Set(had_ ? old_.c_str() : nullptr); }

 private:
  // VALUE nullptr removes the variable.
  void Set(const char* value) {
#ifdef _WIN32
    _putenv_s(name_, value == nullptr ? "" : value);
#else
    if (value == nullptr) {
      unsetenv(name_);
    } else {
      setenv(name_, value, 1);
    }
#endif
  }

  const char* name_;
  bool had_;
  std::string old_;
};

class RecordingSink : public MessageSink {
 public:
  void ShowError(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

class DOSOutputsTest : public ::testing::Test {
 protected:
  DOSOutputsTest() : runner_(&sink_) {
    runner_.SetReceiveOutputs(
        [this](const std::string& piece) { pieces_.push_back(piece); });
  }

  // The chatter helper with ARGUMENTS.
  static std::string Chatter(const std::string& arguments) {
    return Quoted(ChatterPath()) + (arguments.empty() ? "" : " " + arguments);
  }

  // Runs COMMAND_LINE and expects OUTPUT, handed over in pieces of at most
  // kReadSize bytes and one empty piece at the end, and no message.
  void ExpectRun(const std::string& command_line, const std::string& output) {
    pieces_.clear();
    sink_.messages.clear();
    EXPECT_EQ(runner_.ExecuteCommand(command_line), output) << command_line;
    EXPECT_EQ(runner_.Outputs(), output);
    std::string joined;
    for (size_t i = 0; i < pieces_.size(); ++i) {
      EXPECT_EQ(pieces_[i].empty(), i + 1 == pieces_.size()) << i;
      EXPECT_LE(pieces_[i].size(), DOSOutputs::kReadSize);
      joined += pieces_[i];
    }
    EXPECT_FALSE(pieces_.empty());
    EXPECT_EQ(joined, output);
    EXPECT_EQ(runner_.ExitCode(), 0);
    EXPECT_TRUE(sink_.messages.empty());
  }

  // Runs COMMAND_LINE and expects it refused with the critical message
  // TEXT: no piece, an empty result, the outputs of the run before kept.
  void ExpectRefused(const std::string& command_line, const std::string& text) {
    pieces_.clear();
    sink_.messages.clear();
    const std::string before = runner_.Outputs();
    EXPECT_EQ(runner_.ExecuteCommand(command_line), "") << command_line;
    ASSERT_EQ(sink_.messages.size(), 1u) << command_line;
    EXPECT_EQ(sink_.messages[0], text);
    EXPECT_TRUE(pieces_.empty());
    EXPECT_EQ(runner_.Outputs(), before);
    EXPECT_FALSE(runner_.ExitCode().has_value());
  }

  testing::TempDir temp_;
  RecordingSink sink_;
  DOSOutputs runner_;
  std::vector<std::string> pieces_;
};

TEST_F(DOSOutputsTest, OutputAndErrorArriveThroughOnePipeInOrder) {
  ExpectRun(Chatter("both 1000 0"), ChatterText("out", 1000));
  ExpectRun(Chatter("both 0 600"), ChatterText("err", 600));
  ExpectRun(Chatter("both 300 400"),
            ChatterText("out", 300) + ChatterText("err", 400));
  ExpectRun(Chatter("stdin"), "stdin 0\n");  // standard input is empty
  ExpectRun(Chatter(""), "");
#ifdef _WIN32
  ExpectRun("cmd /c echo hello", "hello\r\n");
#endif
}

TEST_F(DOSOutputsTest, StoredCommandLineAndQuotedPathsWithBlanks) {
  runner_.SetCommandLine(Chatter("stored"));
  ExpectRun("", "[stored]\n");
  ExpectRun(Chatter("passed"), "[passed]\n");
  EXPECT_EQ(runner_.CommandLine(), Chatter("passed"));
  ExpectRun("", "[passed]\n");

  const fs::path program =
      temp_.path() / "program folder" / fs::path(ChatterPath()).filename();
  fs::create_directories(program.parent_path());
  fs::copy_file(ChatterPath(), program);
  const std::string output = Native(temp_.path() / "out dir" / "gate.asm");
  ExpectRun(
      Quoted(Native(program)) + " -mdl " + Quoted(output) + " two\" \"words",
      "[-mdl]\n[" + output + "]\n[two words]\n");
}

TEST_F(DOSOutputsTest, CommandsThatCannotStartAreReported) {
  ExpectRefused("", "Command Line empty");
  EXPECT_EQ(runner_.CommandLine(), "");
  ExpectRun(Chatter("earlier"), "[earlier]\n");
  const std::string missing = Quoted(temp_.File("no such program.exe")) + " x";
  const std::string not_found = "File or command not found\nLooked for ";
  ExpectRefused(missing, not_found + temp_.File("no such program.exe"));
  EXPECT_EQ(runner_.CommandLine(), missing);
  ExpectRefused(
      "zum-no-such-program-4711 x",
      not_found + "zum-no-such-program-4711 in the folders of the PATH");
  ExpectRefused("   ", "File or command not found");
  WriteTestFile(temp_.path() / "notes.txt", "not a program\n");
  ExpectRefused(Quoted(temp_.File("notes.txt")),
                not_found + temp_.File("notes.txt"));
}

#ifndef _WIN32
TEST_F(DOSOutputsTest, PosixLooksUpThePathRunsWindowsProgramsThroughWine) {
  // The child is reaped.
  ExpectRun(Chatter("both 10 0"), ChatterText("out", 10));
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);

  WriteTestFile(temp_.path() / "bin" / "zum-hello",
                "#!/bin/sh\necho \"hello $1\"\n", true);
  // A stand-in for wine that shows what it was asked to run.
  WriteTestFile(
      temp_.path() / "bin" / "wine",
      "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n", true);
  const fs::path program = temp_.path() / "sdk dir" / "tool.exe";
  WriteTestFile(program, "MZ");
  {
    ScopedEnv path("PATH", (temp_.path() / "bin").string());
    ExpectRun("zum-hello world", "hello world\n");
    ExpectRun(Quoted(program.string()) + " -mdl \"out dir/a.asm\"",
              "[" + program.string() + "]\n[-mdl]\n[out dir/a.asm]\n");
  }
  ScopedEnv no_wine("PATH", (temp_.path() / "sdk dir").string());
  ExpectRefused(Quoted(program.string()),
                "File or command not found\nLooked for " + program.string() +
                    "\n" + program.string() +
                    " is a Windows program; running it needs wine, which is "
                    "not on the PATH.");
}

TEST_F(DOSOutputsTest, PosixPipeFailureShowsTheSystemErrorCode) {
  // With no descriptor left to this process the pipe cannot be created.
  struct rlimit saved;
  ASSERT_EQ(0, getrlimit(RLIMIT_NOFILE, &saved));
  struct rlimit none = saved;
  none.rlim_cur = 0;
  ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &none));
  const std::string result = runner_.ExecuteCommand(Chatter("both 10 0"));
  ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &saved));
  EXPECT_EQ(result, "");
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0],
            "CreatePipe failed. Error: " + std::to_string(EMFILE));
}
#endif  // _WIN32

TEST_F(DOSOutputsTest, Issue19RunEndsWithTheChildNotWithWhatItLeftRunning) {
  // The sleeper keeps the pipe open for 20 s after the child has ended (and,
  // under wine, CTest's output too: no longer than needed).
  const auto start = std::chrono::steady_clock::now();
  ExpectRun(Chatter("linger 20000"), "started\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(DOSOutputsTest, Issue19WaitingIsRaisedAndStopEndsTheChild) {
  int waits = 0;
  runner_.SetWaiting([this, &waits] {
    // Stopped once the child has had time to say it started.
    if (++waits == 4) {
      runner_.Stop();
    }
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(runner_.ExecuteCommand(Chatter("sleep 60000")), "started\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  EXPECT_GE(waits, 4);
  EXPECT_TRUE(runner_.Stopped());
  ASSERT_TRUE(runner_.ExitCode().has_value());
  EXPECT_NE(runner_.ExitCode(), 0);
  EXPECT_EQ(pieces_.back(), "");
  // The next run starts afresh.
  runner_.SetWaiting(nullptr);
  ExpectRun(Chatter("sleep 1"), "started\nslept\n");
  EXPECT_FALSE(runner_.Stopped());
}

TEST(CompileCommandLineTest, QuotesCompilerAndOutputFile) {
#ifdef _WIN32
  EXPECT_EQ(CompileCommandLine("C:\\my tools", "C:\\Scenery\\my gate.asm"),
            "\"C:\\my tools\\bglc_9.exe\" -mdl \"C:\\Scenery\\my gate.asm\"");
#else
  EXPECT_EQ(CompileCommandLine("/opt/my tools", "/srv/scenery/my gate.asm"),
            "\"/opt/my tools/bglc_9.exe\" -mdl \"/srv/scenery/my gate.asm\"");
#endif
}

class CompileStepTest : public DOSOutputsTest {
 protected:
  CompileStepTest() {
    // As the window's objDOS_ReceiveOutputs does.
    runner_.SetReceiveOutputs(
        [this](const std::string& piece) { log_.AppendToLog(piece); });
  }
  void Compile() { RunCompileStep(Native(folder_), output_, &runner_, &log_); }

  const fs::path folder_ = temp_.path() / "program folder";
  const std::string output_ = Native(temp_.path() / "scenery out" / "g.asm");
  TextCompileLog log_;
};

TEST_F(CompileStepTest, CompilerOutputGoesIntoTheLogBetweenStartAndEnd) {
  // The chatter helper stands in for the compiler: it writes its arguments.
  fs::create_directories(folder_);
  fs::copy_file(ChatterPath(), folder_ / kCompilerFileName);
  Compile();
  const std::string log = "Starting compilation...\r\n\r\n[-mdl]\n[" + output_ +
                          "]\n\r\nCompilation ready!";
  EXPECT_EQ(log_.text(), log);
  EXPECT_EQ(runner_.CommandLine(),
            CompileCommandLine(Native(folder_), output_));
  EXPECT_TRUE(sink_.messages.empty());
  Compile();  // a second compilation replaces the log
  EXPECT_EQ(log_.text(), log);
}

// Issue 19: a compiler stopped from the Waiting handler (the window's Stop
// button) ends at once, and the log says it was stopped instead of giving
// the exit code that the stop caused.
TEST_F(CompileStepTest, Issue19AStoppedCompilationSaysSo) {
#ifdef _WIN32
  GTEST_SKIP() << "the stand-in compiler is a POSIX shell script";
#else
  fs::create_directories(folder_);
  WriteTestFile(folder_ / kCompilerFileName,
                "#!/bin/sh\necho started\nsleep 60\necho never\n", true);
  runner_.SetWaiting([this] {
    // Once the compiler has said it started.
    if (log_.text().find("started") != std::string::npos) {
      runner_.Stop();
    }
  });
  Compile();
  EXPECT_TRUE(runner_.Stopped());
  EXPECT_EQ(log_.text(),
            "Starting compilation...\r\n\r\nstarted\n\r\nThe compilation "
            "was stopped.\r\nCompilation failed.");
  EXPECT_TRUE(sink_.messages.empty());
#endif
}

// compile_steps.txt: the log for a missing compiler and for one that ends
// with a given exit code.
TEST_F(CompileStepTest, Cases) {
  const fs::path bin = temp_.path() / "bin";
  WriteTestFile(bin / "wine", "#!/bin/sh\n", true);
  for (const testing::CaseRow& row :
       testing::ReadCaseRows(ZUM_COMPILER_TESTDATA "/compile_steps.txt")) {
    const bool missing = row.input.starts_with("missing");
    const bool not_a_program = row.input == "not a program";
#ifdef _WIN32
    // Neither wine nor signals play a part on Windows.
    if (row.input.ends_with("no wine on the PATH") ||
        row.input == "exits term") {
      continue;
    }
#endif
    fs::remove_all(folder_);
    if (not_a_program) {
      WriteTestFile(folder_ / kCompilerFileName, "not a program\n");
    } else if (!missing) {
      fs::create_directories(folder_);
      fs::copy_file(ChatterPath(), folder_ / kCompilerFileName);
    }
    ScopedEnv path("PATH", row.input.ends_with("no wine on the PATH")
                               ? temp_.File("no such folder")
                               : bin.string());
    ScopedEnv exit_code("ZUM_CHATTER_EXIT",
                        missing || not_a_program
                            ? ""
                            : row.input.substr(row.input.find(' ') + 1));
    sink_.messages.clear();
    const bool succeeded =
        RunCompileStep(Native(folder_), output_, &runner_, &log_);

    std::string log = row.expected;
    for (auto [from, to] : {std::pair<std::string, std::string>{"\\r", "\r"},
                            {"\\n", "\n"},
                            {"$COMPILER", Native(folder_ / kCompilerFileName)},
                            {"$OUT", output_}}) {
      for (size_t at = log.find(from); at != std::string::npos;
           at = log.find(from, at + to.size())) {
        log.replace(at, from.size(), to);
      }
    }
    EXPECT_EQ(log_.text(), log) << "compile_steps.txt:" << row.line;
    EXPECT_EQ(succeeded, log.ends_with(kCompileReadyText))
        << "compile_steps.txt:" << row.line;
    // The runner reports a compiler it cannot start, naming its path.
    EXPECT_EQ(
        sink_.messages,
        missing || not_a_program
            ? std::vector<std::string>{"File or command not found\n"
                                       "Looked for " +
                                       Native(folder_ / kCompilerFileName)}
            : std::vector<std::string>())
        << "compile_steps.txt:" << row.line;
  }
}

#ifndef _WIN32
// The compiler reads its command line in an 8-bit code page: a program
// folder or output that the code page cannot write is given by its short
// name (here links that stand in for a volume's 8.3 names), and without one
// the compiler is not started.
class ShortNamesDisk : public DiskFileSystem {
 public:
  std::map<std::string, std::string> short_names;
  bool ShortName(const std::string& name, std::string* short_name,
                 int* /*error*/) override {
    const auto found = short_names.find(name);
    *short_name = found == short_names.end() ? name : found->second;
    return true;
  }
};

TEST_F(CompileStepTest, NamesOutsideTheCodePageReachTheCompilerByShortName) {
  const OutputCodePage code_page = {&Utf8ToWindows1252, "1252"};
  const std::string folder = temp_.File("program \xCE\xA9");
  const std::string scenery = temp_.File("scenery \xCE\xA9");
  fs::create_directories(Utf8Path(folder));
  fs::create_directories(Utf8Path(scenery));
  fs::copy_file(ChatterPath(), Utf8Path(folder + "/" + kCompilerFileName));
  WriteTestFile(Utf8Path(scenery + "/g.asm"), "x", false);
  fs::create_directory_symlink(Utf8Path(folder), temp_.path() / "PROGRA~1");
  fs::create_directory_symlink(Utf8Path(scenery), temp_.path() / "SCENER~1");
  ShortNamesDisk disk;
  disk.short_names[folder] = temp_.File("PROGRA~1");
  disk.short_names[scenery + "/g.asm"] = temp_.File("SCENER~1") + "/g.asm";

  EXPECT_TRUE(RunCompileStep(folder, scenery + "/g.asm", &runner_, &log_, &disk,
                             code_page));
  EXPECT_EQ(log_.text(), "Starting compilation...\r\n\r\n[-mdl]\n[" +
                             temp_.File("SCENER~1") +
                             "/g.asm]\n\r\nCompilation ready!");
  EXPECT_EQ(runner_.CommandLine(),
            CompileCommandLine(temp_.File("PROGRA~1"),
                               temp_.File("SCENER~1") + "/g.asm"));

  // Without a short name the compiler is not started, and the log says why.
  disk.short_names.erase(folder);
  runner_.SetCommandLine("");
  EXPECT_FALSE(RunCompileStep(folder, scenery + "/g.asm", &runner_, &log_,
                              &disk, code_page));
  EXPECT_EQ(
      log_.text(),
      "Starting compilation...\r\n\r\nbglc_9.exe was not started: " + folder +
          ": the folder's name holds characters that the ANSI code page "
          "1252, in which bglc_9.exe reads it, lacks, and the volume "
          "keeps no short 8.3 name for it; use a folder whose name the "
          "code page can write\r\n\r\nCompilation failed.");
  EXPECT_EQ(runner_.CommandLine(), "");
  EXPECT_TRUE(sink_.messages.empty());
}
#endif

}  // namespace
}  // namespace zum
