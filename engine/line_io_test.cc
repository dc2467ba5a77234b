#include "engine/line_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/faults_testing.h"
#include "engine/testing.h"

namespace zum {
namespace {

using testing::CrLf;
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

// Reads of at most CAP bytes: with a few, lines and line ends straddle
// reads everywhere. A read failure where FailRead() puts it.
class SmallReads : public testing::FaultyFileSystem {
 public:
  size_t cap = 1;
  size_t Read(std::FILE* file, const std::string& name, char* buffer,
              size_t size, int* error) override {
    return FaultyFileSystem::Read(file, name, buffer, std::min(size, cap),
                                  error);
  }
};

// The lines of TEXT whose line end lies before byte FAILURE (all of them,
// and a last line without its end, when FAILURE is beyond TEXT).
std::vector<std::string> LinesBefore(const std::string& text, size_t failure) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      continue;
    }
    if (i >= failure) {
      return lines;
    }
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
    }
    start = i + 1;
  }
  if (start < text.size() && failure > text.size()) {
    lines.push_back(text.substr(start));
  }
  return lines;
}

// Random texts of letters and line ends, read in pieces of every small size
// and failing at every byte: the reader returns the lines that end before
// the failure, each followed in memory by its line end or a NUL, and names
// the line after them.
TEST(LineReaderTest, LinesAndFailuresWhateverTheReadsGive) {
  TempDir dir;
  const std::string path = dir.File("pieces_0.asm");
  std::mt19937 random(23);
  for (int round = 0; round < 60; ++round) {
    std::string text(random() % 40, 'x');
    for (char& c : text) {
      c = "ab\r\n"[random() % 4];
    }
    WriteFile(path, text);
    for (size_t failure = 0; failure <= text.size() + 1; ++failure) {
      SmallReads disk;
      disk.cap = round % 3 == 0 ? 1 << 20 : 1 + random() % 4;
      if (failure <= text.size()) {
        disk.FailRead(path, static_cast<long>(failure));
      }
      LineReader in(&disk);
      ASSERT_TRUE(in.Open(path).ok());
      std::vector<std::string> lines;
      for (std::string_view line; in.NextView(&line);) {
        lines.emplace_back(line);
        const char after = line.data()[line.size()];
        EXPECT_TRUE(after == '\r' || after == '\n' || after == '\0');
      }
      SCOPED_TRACE(::testing::PrintToString(text) + " failing at " +
                   std::to_string(failure));
      EXPECT_EQ(lines, LinesBefore(text, failure));
      EXPECT_EQ(in.status().ToString(),
                failure <= text.size()
                    ? path + ":" + std::to_string(lines.size() + 1) +
                          ": cannot read the file (" + ErrorText(EIO) + ")"
                    : "OK");
    }
  }
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

// A skipped line counts and fails as a read one does: two readers of one
// file, one reading every line and one skipping every other, agree on every
// line number, every line the second one reads and every error.
TEST(LineReaderTest, SkippedLineCountsAndFailsAsAReadOne) {
  TempDir dir;
  const std::string path = dir.File("rows_0.asm");
  const std::string straddling(70000, 'r');
  const std::vector<std::string> contents = {
      "a\r\nb\nc\rd\r\n\r\n\xe9\t \rlast",
      "one\r\ntwo\r\n",
      straddling + "\r\n" + straddling + "\r" + straddling + "\n\n",
      "12345\r\n123456\r\nx\r\n",
      "1234\r\n12345\r\n1234567\r\n",
      "",
  };
  for (const std::string& content : contents) {
    SCOPED_TRACE(content.substr(0, 40));
    WriteFile(path, content);
    for (size_t max_length : {size_t{5}, kMaxLineLength}) {
      LineReader reading;
      LineReader skipping;
      reading.set_max_line_length(max_length);
      skipping.set_max_line_length(max_length);
      ASSERT_TRUE(reading.Open(path).ok());
      ASSERT_TRUE(skipping.Open(path).ok());
      std::string read_line;
      std::string other_line;
      for (int i = 0; i < 12; ++i) {
        const Status read = reading.ReadLine(&read_line, "a row");
        const Status other = i % 2 == 0
                                 ? skipping.SkipLine("a row")
                                 : skipping.ReadLine(&other_line, "a row");
        EXPECT_EQ(other.ToString(), read.ToString()) << "line " << i + 1;
        EXPECT_EQ(skipping.line_number(), reading.line_number());
        EXPECT_EQ(skipping.status().ToString(), reading.status().ToString());
        if (i % 2 == 1 && read.ok()) {
          EXPECT_EQ(other_line, read_line);
        }
      }
    }
  }
  // The errors themselves, for a file that ends and a line too long.
  WriteFile(path, "one\r\n");
  LineReader in;
  ASSERT_TRUE(in.Open(path).ok());
  EXPECT_TRUE(in.SkipLine("x").ok());
  EXPECT_EQ(in.SkipLine("a keyframe row").ToString(),
            path + ":1: the file ends here, but a keyframe row was expected");
  WriteFile(path, "123456\r\n");
  in.set_max_line_length(5);
  ASSERT_TRUE(in.Open(path).ok());
  EXPECT_EQ(in.SkipLine("x").ToString(), path + ":1: line longer than 5 bytes");
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

TEST(LineReaderTest, Issue19LineOverTheMaximumStopsTheReader) {
  TempDir dir;
  const std::string path = dir.File("long.asm");
  const std::string longest(kMaxLineLength, 'x');
  for (const char* end : {"\r\n", "\n", "\r"}) {
    WriteFile(path, "first\r\n" + longest + end + "third\r\n");
    LineReader in;
    ASSERT_TRUE(in.Open(path).ok());
    std::string line;
    ASSERT_TRUE(in.Next(&line));
    ASSERT_TRUE(in.Next(&line));
    EXPECT_EQ(line.size(), kMaxLineLength);
    WriteFile(path, "first\r\n" + longest + "y" + end + "third\r\n");
    ASSERT_TRUE(in.Open(path).ok());
    ASSERT_TRUE(in.Next(&line));
    EXPECT_FALSE(in.Next(&line));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.status().ToString(),
              path + ":2: line longer than 1048576 bytes");
    EXPECT_EQ(in.ReadLine(&line, "a line").ToString(), in.status().ToString());
  }
  // A smaller maximum, as a short list sets it.
  WriteFile(path, CrLf({"12345", "123456"}));
  LineReader in;
  in.set_max_line_length(5);
  ASSERT_TRUE(in.Open(path).ok());
  std::string line;
  EXPECT_TRUE(in.Next(&line));
  EXPECT_FALSE(in.Next(&line));
  EXPECT_EQ(in.status().ToString(), path + ":2: line longer than 5 bytes");
}

TEST(LineWriterTest, Issue19TemporaryNamesHaveOneLengthWhateverTheTarget) {
  TempDir dir;
  for (const std::string& name :
       {std::string("a"), std::string(24, 'b'), std::string(255, 'c')}) {
    LineWriter out;
    ASSERT_TRUE(out.OpenReplacing(dir.File(name)).ok()) << name;
    out.WriteLine("x");
    const std::string temporary =
        out.temporary_name().substr(dir.path().string().size() + 1);
    EXPECT_EQ(temporary.substr(0, std::min<size_t>(name.size(), 24) + 1),
              name.substr(0, 24) + ".");
    EXPECT_LE(temporary.size(), 24u + 28u) << temporary;
    ASSERT_TRUE(out.Commit().ok()) << name;
    EXPECT_EQ(ReadFile(dir.File(name)), "x\r\n");
  }
  // Never half a UTF-8 character: of 21 bytes and three two-byte
  // characters, the first 24 bytes would cut the second.
  EXPECT_EQ(TemporaryPrefix(std::string(21, 'd') + "\xc3\xa9\xc3\xa9\xc3\xa9")
                .substr(0, 24),
            std::string(21, 'd') + "\xc3\xa9.");
}

TEST(LineWriterTest, Issue19TemporaryOpenNowCanBeRemoved) {
  TempDir dir;
  LineWriter out;
  ASSERT_TRUE(out.OpenReplacing(dir.File("out.asm")).ok());
  out.WriteLine("x");
  RemoveTemporaryFiles();
  // Windows removes the name when the file is closed.
  out.Finish().ok();
  EXPECT_TRUE(dir.Names().empty());
  out.Abandon();
  EXPECT_TRUE(dir.Names().empty());
}

}  // namespace
}  // namespace zum
