// Faults below the whole run: a reader cut by a failing disk, keys whose
// reverse table leaves the float range, writers racing for one target.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "engine/asm_lines.h"
#include "engine/faults_testing.h"
#include "engine/line_io.h"
#include "engine/number_rules.h"
#include "engine/testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::FaultyFileSystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

const std::string kEio =
    std::string("cannot read the file (") + std::strerror(EIO) + ")";

TEST(EngineFaultsTest, ReadFailureEndsNoLineAndNamesTheLineItCut) {
  TempDir dir;
  const std::string path = dir.File("in.asm");
  WriteFile(path, CrLf({"one", "two", "three", "four"}));
  // {byte at which reading fails, lines read before}: the line after those
  // is named, whether the failure cuts it or comes at its start.
  const int cases[][2] = {{0, 0}, {7, 1}, {5, 1}, {12, 2}};
  for (const auto& c : cases) {
    FaultyFileSystem disk;
    disk.FailRead(path, c[0]);
    LineReader in(&disk);
    ASSERT_TRUE(in.Open(path).ok());
    std::string line;
    int lines = 0;
    while (in.Next(&line)) {
      ++lines;
    }
    EXPECT_EQ(lines, c[1]) << c[0];
    EXPECT_EQ(in.status().message(),
              path + ":" + std::to_string(c[1] + 1) + ": " + kEio);
    EXPECT_EQ(in.ReadLine(&line, "a line").message(), in.status().message());
  }
}

TEST(EngineFaultsTest, KeysWhoseReverseKeyIsNotFiniteAreRefusedAtTheirLine) {
  TempDir dir;
  const std::string path = dir.File("t_0.asm");
  WriteFile(path, CrLf({"t_trans_1 label word", "   dw    1", "   real4 -1.0",
                        "   real4 16 dup (0.0)", "   dw    3",
                        "   real4 -3.0e38, 0, 0, 0", "   real4 0, 0, 0, 0",
                        "   real4 3.0e38, 0, 0, 0"}));
  LineReader in;
  ASSERT_TRUE(in.Open(path).ok());
  std::string line;
  ASSERT_TRUE(in.Next(&line));
  auto table = std::make_unique<KeyframeTable>();
  EXPECT_EQ(
      ReadKeyframeTable(in, KeyframeKind::kTranslation, table.get()).message(),
      path +
          ":6: keyframe table row: the key -3E+38 lies too far from "
          "the last key 3E+38; their distance is beyond the range "
          "of a 32-bit float");
  // No value, however large, makes the number format throw.
  EXPECT_EQ(KeyframeNumber(std::numeric_limits<float>::infinity(), 1), "INF");
}

TEST(EngineFaultsTest, ConcurrentWritersOfOneTargetNeverMixTheirBytes) {
  TempDir dir;
  const std::string path = dir.File("out_0.asm");
  const std::string a(300000, 'a');
  const std::string b(200000, 'b');
  LineWriter first;
  LineWriter second;
  ASSERT_TRUE(first.OpenReplacing(path).ok());
  ASSERT_TRUE(second.OpenReplacing(path).ok());
  first.WriteLine(a);
  second.WriteLine(b);
  // Each writer has a temporary of its own (see TemporaryPrefix).
  const std::regex pattern(
      R"(out_0\.asm\.[0-9a-f]{8}\.[0-9a-z]{6}\.zum-partial)");
  const std::vector<std::string> names = dir.Names();
  ASSERT_EQ(names.size(), 2u);
  for (const std::string& name : names) {
    EXPECT_TRUE(std::regex_match(name, pattern)) << name;
  }
  ASSERT_TRUE(first.Commit().ok());
  EXPECT_EQ(ReadFile(path), a + "\r\n");
  ASSERT_TRUE(second.Commit().ok());
  EXPECT_EQ(ReadFile(path), b + "\r\n");
}

}  // namespace
}  // namespace zum
