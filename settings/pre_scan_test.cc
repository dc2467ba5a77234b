#include "settings/pre_scan.h"

#include <gtest/gtest.h>

#include "settings/testing.h"

namespace zum {
namespace {

using testing::CompanionText;
using testing::TempDir;
using testing::WriteFile;

TEST(ScanTooltipTest, ShowsCountsAndTheFramesOfEachAnimateCommand) {
  SourceScan scan;
  scan.TransformCount = 2;
  scan.AnimateCount = 3;
  scan.Frames[1] = scan.Frames[2] = scan.Frames[3] = 50;
  scan.Frames[4] = 99;  // a fourth table beyond the animate commands
  EXPECT_EQ(ScanTooltipText(scan),
            "TRAN tables: 2||ANIM tables: 3||Num frames: 50 50 50 ");
}

TEST(ScanTooltipTest, UnscannedRowShowsZeros) {
  EXPECT_EQ(ScanTooltipText(SourceScan()),
            "TRAN tables: 0||ANIM tables: 0||Num frames: ");
}

TEST(ScanTooltipTest, StopsAtTheLastFrameEntry) {
  SourceScan scan;
  scan.AnimateCount = 60;
  std::string text = ScanTooltipText(scan);
  std::string frames = text.substr(text.find("Num frames: ") + 12);
  EXPECT_EQ(frames.size(), 2u * kMaxTablesPerFile);  // "0 " fifty times
}

class PreScanTest : public ::testing::Test {
 protected:
  TempDir dir_;
  SourceScan scan_;
};

TEST_F(PreScanTest, ScansTheCompanionOfTheChosenFile) {
  WriteFile(dir_.File("door_0.asm"), CompanionText(1, 2, {30, 40}, "door"));
  ASSERT_TRUE(PreScanInputFile(dir_.File("door.asm"), &scan_).ok());
  EXPECT_EQ(scan_.TransformCount, 1);
  EXPECT_EQ(scan_.AnimateCount, 2);
  EXPECT_EQ(scan_.Frames[1], 30);
  EXPECT_EQ(scan_.Frames[2], 40);
  EXPECT_EQ(scan_.LabelBase, "door");
}

TEST_F(PreScanTest, MissingCompanionNamesIt) {
  scan_.AnimateCount = 7;
  Status status = PreScanInputFile(dir_.File("door.asm"), &scan_);
  EXPECT_EQ(status.ToString(),
            dir_.File("door_0.asm") +
                ": cannot open for reading (No such file or directory)");
  EXPECT_EQ(scan_.AnimateCount, 0);
}

TEST_F(PreScanTest, FailedScanLeavesNoHalfFilledResult) {
  // One good table, then one whose row count is missing.
  WriteFile(dir_.File("door_0.asm"),
            CompanionText(1, 2, {30}, "door") +
                "door_trans_2 label word\r\n dw 1\r\n dw 0\r\n dw 0\r\n");
  Status status = PreScanInputFile(dir_.File("door.asm"), &scan_);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(status.message().rfind(dir_.File("door_0.asm") + ":", 0), 0u)
      << status.message();
  EXPECT_EQ(scan_.Frames[1], 0);
  EXPECT_EQ(scan_.TransformCount, 0);
}

TEST_F(PreScanTest, NameTooShortIsAnError) {
  EXPECT_FALSE(PreScanInputFile("x", &scan_).ok());
  EXPECT_FALSE(PreScanInputFile("", &scan_).ok());
}

}  // namespace
}  // namespace zum
