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
  std::string line;
  while (in.Next(&line)) {
    lines.push_back(line);
  }
  return lines;
}

TEST(LineReaderTest, EveryLineEndEndsALine) {
  TempDir dir;
  std::string path = dir.File("mixed.asm");
  WriteFile(path, "a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(ReadAll(path),
            (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

TEST(LineReaderTest, BytesPassUntouchedAcrossBufferBoundaries) {
  TempDir dir;
  std::string path = dir.File("long.asm");
  // Lines of 8-bit text long enough to straddle the reader's buffer, with a
  // CR LF split between two reads.
  std::string long_line(65535, '\xe9');
  std::string content = long_line + "\r\n" + "tab\there\r\n" + "\r";
  WriteFile(path, content);
  std::vector<std::string> lines = ReadAll(path);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], long_line);
  EXPECT_EQ(lines[1], "tab\there");
  EXPECT_EQ(lines[2], "");
}

TEST(LineReaderTest, ManyLinesWithEveryKindOfEnd) {
  TempDir dir;
  std::string path = dir.File("many.asm");
  std::string content;
  std::vector<std::string> expected;
  const char* ends[] = {"\r", "\n", "\r\n"};
  for (int i = 0; i < 30000; ++i) {
    expected.push_back("line " + std::to_string(i));
    content += expected.back() + ends[(i / 7000) % 3];
  }
  WriteFile(path, content);
  EXPECT_EQ(ReadAll(path), expected);
}

TEST(LineReaderTest, EndOfFileNamesFileLineAndWhatWasExpected) {
  TempDir dir;
  std::string path = dir.File("short_0.asm");
  WriteFile(path, "one\r\ntwo\r\n");
  LineReader in;
  ASSERT_TRUE(in.Open(path).ok());
  std::string line;
  ASSERT_TRUE(in.ReadLine(&line, "x").ok());
  ASSERT_TRUE(in.ReadLine(&line, "x").ok());
  EXPECT_EQ(in.line_number(), 2);
  EXPECT_TRUE(in.AtEnd());
  Status s = in.ReadLine(&line, "a keyframe row");
  EXPECT_EQ(s.message(),
            path + ":2: the file ends here, but a keyframe row was expected");
}

TEST(LineReaderTest, MissingFileIsAnError) {
  TempDir dir;
  LineReader in;
  Status s = in.Open(dir.File("absent.asm"));
  ASSERT_FALSE(s.ok());
  EXPECT_NE(s.message().find("absent.asm: cannot open for reading"),
            std::string::npos)
      << s.message();
}

TEST(LineWriterTest, EveryLineEndsInCrLf) {
  TempDir dir;
  std::string path = dir.File("out.asm");
  LineWriter out;
  ASSERT_TRUE(out.Open(path).ok());
  out.WriteLine("first");
  out.WriteEmptyLine();
  out.Append("built ");
  out.Append("\xe9");
  out.EndLine();
  ASSERT_TRUE(out.Close().ok());
  EXPECT_EQ(ReadFile(path), "first\r\n\r\nbuilt \xe9\r\n");
}

TEST(LineWriterTest, UncreatableFileIsAnError) {
  TempDir dir;
  LineWriter out;
  Status s = out.Open(dir.File("no_such_folder/out.asm"));
  ASSERT_FALSE(s.ok());
  EXPECT_NE(s.message().find("out.asm: cannot create the file"),
            std::string::npos);
}

TEST(LineWriterTest, ReplacingWriterLeavesTheTargetUntilCommit) {
  TempDir dir;
  std::string path = dir.File("slot.cfg");
  WriteFile(path, "old\r\n");
  {
    LineWriter out;
    ASSERT_TRUE(out.OpenReplacing(path).ok());
    out.WriteLine("new");
    EXPECT_EQ(ReadFile(path), "old\r\n");
    // Destroyed without a commit: the partial file goes, the target stays.
  }
  EXPECT_EQ(ReadFile(path), "old\r\n");
  EXPECT_FALSE(std::filesystem::exists(path + LineWriter::kPartialSuffix));

  LineWriter out;
  ASSERT_TRUE(out.OpenReplacing(path).ok());
  out.WriteLine("new");
  ASSERT_TRUE(out.Commit().ok());
  EXPECT_EQ(ReadFile(path), "new\r\n");
  EXPECT_FALSE(std::filesystem::exists(path + LineWriter::kPartialSuffix));
}

TEST(LineWriterTest, FailedCommitKeepsTheTargetAndNamesIt) {
  TempDir dir;
  // A folder cannot be replaced by a file.
  std::string path = dir.File("taken");
  std::filesystem::create_directory(path);
  std::filesystem::create_directory(path + "/inside");
  LineWriter out;
  ASSERT_TRUE(out.OpenReplacing(path).ok());
  out.WriteLine("x");
  Status s = out.Commit();
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(s.message().rfind(path + ": cannot replace the file (", 0), 0u)
      << s.message();
  EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
  EXPECT_FALSE(std::filesystem::exists(path + LineWriter::kPartialSuffix));

  s = out.OpenReplacing(dir.File("missing/file.cfg"));
  EXPECT_EQ(s.message().rfind(
                dir.File("missing/file.cfg") + ": cannot create the file (", 0),
            0u)
      << s.message();
}

}  // namespace
}  // namespace zum
