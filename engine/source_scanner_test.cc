#include "engine/source_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

using testing::Append;
using testing::CrLf;
using testing::KeyframeTableLines;
using testing::TempDir;
using testing::WriteFile;

class ScanSourceFileTest : public ::testing::Test {
 protected:
  Status Scan(const std::vector<std::string>& lines) {
    path_ = dir_.File("gate_0.asm");
    WriteFile(path_, CrLf(lines));
    return ScanSourceFile(path_, &scan_);
  }

  TempDir dir_;
  std::string path_;
  SourceScan scan_;
};

TEST_F(ScanSourceFileTest, CountsCommandsAndFramesInFileOrder) {
  std::vector<std::string> lines = {
      "    BGL_TRANSFORM_INDIRECT 2, 0",
      "    BGL_TRANSFORM_INDIRECT BGL_ANIMATE_INDIRECT",  // a transform only
      "; a comment that mentions BGL_ANIMATE_INDIRECT still counts",
      "door_1_tick18_mod_1 label word",
      "bgl_quat_ref dw 0",  // "_quat_" without "label" is passed over
  };
  Append(&lines, KeyframeTableLines("door_quat_1", 3,
                                    {{"0", "0", "0", "0", "1"},
                                     {"30.5", "0", "0", "0", "1"}}));
  Append(&lines,
         KeyframeTableLines("door_trans_1", 1,
                            {{"0", "0", "0", "0"}, {"31.5", "1", "2", "3"}}));
  Append(&lines, KeyframeTableLines("  frame_trans_quat_2 ", 3,
                                    {{"2.5", "0", "0", "0", "1"}}));
  ASSERT_TRUE(Scan(lines).ok());
  EXPECT_EQ(scan_.TransformCount, 2);
  EXPECT_EQ(scan_.AnimateCount, 1);
  EXPECT_EQ(scan_.Frames[1], 30);  // 30.5 rounds to even
  EXPECT_EQ(scan_.Frames[2], 32);  // 31.5 rounds to even
  EXPECT_EQ(scan_.Frames[3], 2);   // 2.5 rounds to even
  EXPECT_EQ(scan_.Frames[4], 0);
  // Both tags: read as a rotation table, prefix in front of "_quat_".
  EXPECT_EQ(scan_.LabelBase, "frame_trans");
}

TEST_F(ScanSourceFileTest, FileWithoutTablesGivesEmptyShape) {
  ASSERT_TRUE(Scan({"nothing here", "door_trans_1 dw 0"}).ok());
  EXPECT_EQ(scan_.LabelBase, "");
  for (int k = 1; k <= kMaxTablesPerFile; ++k) {
    EXPECT_EQ(scan_.Frames[k], 0);
  }
}

TEST_F(ScanSourceFileTest, TableLinesAreNotTestedAgain) {
  // A row that mentions a command is part of the table, not a command.
  std::vector<std::string> lines = KeyframeTableLines(
      "door_trans_1", 1, {{"5", "0", "0", "0 ; BGL_ANIMATE_INDIRECT"}});
  ASSERT_TRUE(Scan(lines).ok());
  EXPECT_EQ(scan_.AnimateCount, 0);
  EXPECT_EQ(scan_.Frames[1], 5);
}

TEST_F(ScanSourceFileTest, FiftyTablesFitAndTheFiftyFirstIsAnError) {
  std::vector<std::string> lines;
  for (int k = 1; k <= 50; ++k) {
    Append(&lines, KeyframeTableLines("d_trans_" + std::to_string(k), 1,
                                      {{std::to_string(k), "0", "0", "0"}}));
  }
  ASSERT_TRUE(Scan(lines).ok());
  EXPECT_EQ(scan_.Frames[50], 50);
  Append(&lines, KeyframeTableLines("d_trans_51", 1, {{"1", "0", "0", "0"}}));
  Status s = Scan(lines);
  EXPECT_EQ(s.message(), path_ +
                             ":301: keyframe table number 51; at most 50 "
                             "fit in one file");
}

TEST_F(ScanSourceFileTest, MissingAndTruncatedFilesAreErrors) {
  Status s = ScanSourceFile(dir_.File("absent_0.asm"), &scan_);
  EXPECT_NE(s.message().find("absent_0.asm: cannot open for reading"),
            std::string::npos);
  s = Scan({"door_trans_1 label word", "   dw    1"});
  EXPECT_EQ(s.message(), path_ +
                             ":2: the file ends here, but header line 2 of a "
                             "keyframe table was expected");
}

TEST(TableLabelBaseTest, PrefixInFrontOfTheTag) {
  EXPECT_EQ(TableLabelBase("gate_trans_3 label word", false), "gate");
  EXPECT_EQ(TableLabelBase("  gate_quat_3 label word  ", true), "gate");
  EXPECT_EQ(TableLabelBase("_trans_3 label word", false), "");
  EXPECT_EQ(TableLabelBase("my_gate_trans_x_trans_3", false), "my_gate");
}

}  // namespace
}  // namespace zum
