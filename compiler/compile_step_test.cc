#include "compiler/compile_step.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compiler/testing.h"

namespace zum {
namespace {

using testing::Native;
using testing::Quoted;

TEST(CompileCommandLineTest, QuotesCompilerAndOutputFile) {
#ifdef _WIN32
  EXPECT_EQ("\"C:\\Tools\\bglc_9.exe\" -mdl \"C:\\Scenery\\gate.asm\"",
            CompileCommandLine("C:\\Tools", "C:\\Scenery\\gate.asm"));
#else
  EXPECT_EQ("\"/opt/tools/bglc_9.exe\" -mdl \"/srv/scenery/gate.asm\"",
            CompileCommandLine("/opt/tools", "/srv/scenery/gate.asm"));
#endif
}

TEST(CompileCommandLineTest, KeepsBlanksInsideTheQuotes) {
  const std::string sep(1, kFolderSeparator);
  EXPECT_EQ("\"my tools" + sep + "bglc_9.exe\" -mdl \"out dir" + sep +
                "my gate.asm\"",
            CompileCommandLine("my tools", "out dir" + sep + "my gate.asm"));
}

// A log that also records the order of the calls it gets.
class RecordingLog : public TextCompileLog {
 public:
  void SetLogText(const std::string& text) override {
    calls.push_back("set:" + text);
    TextCompileLog::SetLogText(text);
  }
  void AppendToLog(const std::string& text) override {
    calls.push_back("append:" + text);
    TextCompileLog::AppendToLog(text);
  }
  std::vector<std::string> calls;
};

class CompileStepTest : public ::testing::Test {
 protected:
  CompileStepTest() : runner_(&sink_) { ConnectCompileLog(&runner_, &log_); }

  std::filesystem::path ProgramFolder() const {
    return temp_.path() / "program folder";
  }
  std::string OutputFile() const {
    return Native(temp_.path() / "scenery out" / "gate_zum.asm");
  }
  void Compile() {
    RunCompileStep(Native(ProgramFolder()), OutputFile(), &runner_, &log_);
  }
  // Puts the chatter helper into the program folder as the compiler.
  void InstallChatterAsCompiler() {
    std::filesystem::create_directories(ProgramFolder());
    std::filesystem::copy_file(testing::ChatterPath(),
                               ProgramFolder() / kCompilerFileName);
  }

  testing::ScopedTempDir temp_;
  testing::RecordingSink sink_;
  DOSOutputs runner_;
  RecordingLog log_;
};

TEST_F(CompileStepTest, CompilerOutputEndsUpInLog) {
  InstallChatterAsCompiler();
  Compile();
  const std::string output = "[-mdl]\n[" + OutputFile() + "]\n";
  EXPECT_EQ(
      "Starting compilation...\r\n\r\n" + output + "\r\nCompilation ready!",
      log_.text());
  EXPECT_EQ(CompileCommandLine(Native(ProgramFolder()), OutputFile()),
            runner_.CommandLine());
  EXPECT_EQ(output, runner_.Outputs());
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(CompileStepTest, LogGrowsInOrder) {
  InstallChatterAsCompiler();
  Compile();
  // Set the start text, then one append per piece (the last one empty),
  // then the end text.
  ASSERT_GE(log_.calls.size(), 4u);
  EXPECT_EQ("set:Starting compilation...\r\n\r\n", log_.calls.front());
  EXPECT_EQ("append:\r\nCompilation ready!", log_.calls.back());
  EXPECT_EQ("append:", log_.calls[log_.calls.size() - 2]);
  std::string pieces;
  for (std::size_t i = 1; i + 2 < log_.calls.size(); ++i) {
    ASSERT_EQ(0u, log_.calls[i].find("append:")) << log_.calls[i];
    pieces += log_.calls[i].substr(7);
  }
  EXPECT_EQ("[-mdl]\n[" + OutputFile() + "]\n", pieces);
}

TEST_F(CompileStepTest, MissingCompilerIsReportedAndLogStillEnds) {
  Compile();
  ASSERT_EQ(1u, sink_.messages.size());
  EXPECT_EQ(MessageIcon::kCritical, sink_.messages[0].first);
  EXPECT_EQ("File or command not found", sink_.messages[0].second);
  EXPECT_EQ("Starting compilation...\r\n\r\n\r\nCompilation ready!",
            log_.text());
}

TEST_F(CompileStepTest, SecondCompilationReplacesLog) {
  InstallChatterAsCompiler();
  Compile();
  Compile();
  EXPECT_EQ("Starting compilation...\r\n\r\n[-mdl]\n[" + OutputFile() +
                "]\n\r\nCompilation ready!",
            log_.text());
}

// A shell script standing in for the compiler: it names itself and writes
// its arguments, one per line, to standard output and a note to standard
// error.
constexpr char kStandInCompiler[] =
    "#!/bin/sh\n"
    "echo \"bglc_9 stand-in\"\n"
    "for a in \"$@\"; do printf '<%s>\\n' \"$a\"; done\n"
    "echo \"1 warning\" >&2\n";

TEST_F(CompileStepTest, StandInScriptRunsWithCompileCommandLine) {
#ifdef _WIN32
  GTEST_SKIP() << "the stand-in compiler is a shell script";
#else
  ASSERT_TRUE(testing::WriteTestFile(ProgramFolder() / "bglc_9.exe",
                                     kStandInCompiler, true));
  Compile();
  EXPECT_EQ(
      "Starting compilation...\r\n\r\n"
      "bglc_9 stand-in\n<-mdl>\n<" +
          OutputFile() +
          ">\n1 warning\n"
          "\r\nCompilation ready!",
      log_.text());
  EXPECT_TRUE(sink_.messages.empty());
#endif
}

TEST_F(CompileStepTest, SilentCompilerLeavesOnlyStartAndEnd) {
#ifdef _WIN32
  GTEST_SKIP() << "the stand-in compiler is a shell script";
#else
  ASSERT_TRUE(testing::WriteTestFile(ProgramFolder() / "bglc_9.exe",
                                     "#!/bin/sh\nexit 3\n", true));
  Compile();
  EXPECT_EQ("Starting compilation...\r\n\r\n\r\nCompilation ready!",
            log_.text());
  EXPECT_TRUE(sink_.messages.empty());
#endif
}

}  // namespace
}  // namespace zum
