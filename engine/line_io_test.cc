#include "engine/line_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

std::vector<std::string> ReadAll(const std::string& path) {
  LineReader in;
  EXPECT_TRUE(in.Open(path).ok());
  std::vector<std::string> lines;
  for (std::string line; in.Next(&line);) {
    lines.push_back(line);
  }
  return lines;
}

TEST(LineReaderTest, EveryLineEndEndsALineAndBytesPassUntouched) {
  TempDir dir;
  WriteFile(dir.File("mixed.asm"), "a\r\nb\nc\rd\r\n\r\n\xe9\t \rlast");
  EXPECT_EQ(
      ReadAll(dir.File("mixed.asm")),
      (std::vector<std::string>{"a", "b", "c", "d", "", "\xe9\t ", "last"}));
  // Lines long enough to straddle the reader's buffer, a CR LF split between
  // two reads, and runs of every kind of line end.
  std::string long_line(65535, '\xe9');
  std::string content = long_line + "\r\n" + "tab\there\r\n" + "\r";
  std::vector<std::string> expected = {long_line, "tab\there", ""};
  const char* ends[] = {"\r", "\n", "\r\n"};
  for (int i = 0; i < 30000; ++i) {
    expected.push_back("line " + std::to_string(i));
    content += expected.back() + ends[(i / 7000) % 3];
  }
  WriteFile(dir.File("long.asm"), content);
  EXPECT_EQ(ReadAll(dir.File("long.asm")), expected);
}

TEST(LineReaderTest, EndOfFileNamesFileLineAndWhatWasExpected) {
  TempDir dir;
  const std::string path = dir.File("short_0.asm");
  WriteFile(path, "one\r\ntwo\r\n");
  LineReader in;
  ASSERT_TRUE(in.Open(path).ok());
  std::string line;
  ASSERT_TRUE(in.ReadLine(&line, "x").ok());
  ASSERT_TRUE(in.ReadLine(&line, "x").ok());
  EXPECT_EQ(in.line_number(), 2);
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(in.ReadLine(&line, "a keyframe row").message(),
            path + ":2: the file ends here, but a keyframe row was expected");
}

TEST(LineWriterTest, EveryLineEndsInCrLf) {
  TempDir dir;
  LineWriter out;
  ASSERT_TRUE(out.Open(dir.File("out.asm")).ok());
  out.WriteLine("first");
  out.WriteEmptyLine();
  out.Append("built ");
  out.Append("\xe9");
  out.EndLine();
  ASSERT_TRUE(out.Close().ok());
  EXPECT_EQ(ReadFile(dir.File("out.asm")), "first\r\n\r\nbuilt \xe9\r\n");
}

TEST(LineWriterTest, ReplacingWriterLeavesTheTargetUntilCommit) {
  TempDir dir;
  const std::string path = dir.File("slot.cfg");
  WriteFile(path, "old\r\n");
  {
    LineWriter out;
    ASSERT_TRUE(out.OpenReplacing(path).ok());
    out.WriteLine("new");
    EXPECT_EQ(ReadFile(path), "old\r\n");
    // Destroyed without a commit: the partial file goes, the target stays.
  }
  EXPECT_EQ(ReadFile(path), "old\r\n");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"slot.cfg"});
  LineWriter out;
  ASSERT_TRUE(out.OpenReplacing(path).ok());
  out.WriteLine("new");
  ASSERT_TRUE(out.Commit().ok());
  EXPECT_EQ(ReadFile(path), "new\r\n");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"slot.cfg"});
}

TEST(LineWriterTest, FailedCommitKeepsTheTargetAndNamesIt) {
  TempDir dir;
  // A folder cannot be replaced by a file.
  const std::string path = dir.File("taken");
  std::filesystem::create_directories(path + "/inside");
  LineWriter out;
  ASSERT_TRUE(out.OpenReplacing(path).ok());
  out.WriteLine("x");
  const Status s = out.Commit();
  EXPECT_EQ(s.message().rfind(path + ": cannot replace the file (", 0), 0u)
      << s.message();
  EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"taken"});
}

}  // namespace
}  // namespace zum
