#include "engine/source_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/testing.h"

namespace zum {
namespace {

using testing::CrLf;
using testing::TempDir;
using testing::WriteFile;

// A keyframe table of KIND whose last row has key LAST_KEY.
std::vector<std::string> Table(const std::string& label, int kind,
                               const std::string& last_key) {
  return {label + " label word",
          "   dw    " + std::to_string(kind),
          "   real4 -1.0",
          "   real4 16 dup (0.0)",
          "   dw    2",
          "   real4 0, 0, 0, 0, 1",
          "   real4 " + last_key + ", 0, 0, 0 ; BGL_ANIMATE_INDIRECT"};
}

TEST(ScanSourceFileTest, CountsCommandsAndFramesInFileOrder) {
  std::vector<std::string> lines = {
      "    BGL_TRANSFORM_INDIRECT 2, 0",
      "    BGL_TRANSFORM_INDIRECT BGL_ANIMATE_INDIRECT",  // a transform only
      "; a comment that mentions BGL_ANIMATE_INDIRECT still counts",
      "bgl_quat_ref dw 0",    // "_quat_" without "label" is passed over,
      "    dd door_trans_9",  // "_trans_" without "label" too
  };
  // Rows of a table are not tested for commands; keys round half to even.
  for (auto [label, key] : {std::pair{"door_quat_1", "30.5"},
                            {"door_trans_1", "31.5"},
                            {"  frame_trans_quat_2 ", "2.5"}}) {
    const std::vector<std::string> table = Table(label, 1, key);
    lines.insert(lines.end(), table.begin(), table.end());
  }
  TempDir dir;
  WriteFile(dir.File("gate_0.asm"), CrLf(lines));
  SourceScan scan;
  ASSERT_TRUE(ScanSourceFile(dir.File("gate_0.asm"), &scan).ok());
  EXPECT_EQ(scan.TransformCount, 2);
  EXPECT_EQ(scan.AnimateCount, 1);
  EXPECT_EQ(scan.Frames[1], 30);
  EXPECT_EQ(scan.Frames[2], 32);
  EXPECT_EQ(scan.Frames[3], 2);
  EXPECT_EQ(scan.Frames[4], 0);
  // The last table's label: both tags, read as a rotation table, the prefix
  // in front of "_quat_".
  EXPECT_EQ(scan.LabelBase, "frame_trans");
}

TEST(TableLabelBaseTest, PrefixInFrontOfTheTag) {
  EXPECT_EQ(TableLabelBase("gate_trans_3 label word", false), "gate");
  EXPECT_EQ(TableLabelBase("  gate_quat_3 label word  ", true), "gate");
  EXPECT_EQ(TableLabelBase("_trans_3 label word", false), "");
  EXPECT_EQ(TableLabelBase("my_gate_trans_x_trans_3", false), "my_gate");
}

}  // namespace
}  // namespace zum
