#include "settings/job_builder.h"

#include <gtest/gtest.h>

namespace zum {
namespace {

class JobBuilderTest : public ::testing::Test {
 protected:
  JobBuilderTest() {
    record_.chk_cond = {1, 1, 1, 1};
    record_.txt_var = {"0280h", "0312h", "0314h", "0316h"};
    record_.txt_var_min = {"0", "1", "5"};
    record_.txt_var_max = {"500", "2", "6"};
    record_.txt_num_secondanim = " 3 ";
    record_.txt_file_out = "C:\\out.asm";
    record_.FileRowBase = 7;
    for (int a = 1; a <= kMaxAnimations; ++a) {
      record_.InputFile[a] = "in" + std::to_string(a);
      record_.SecondaryMin[a] = "min" + std::to_string(a);
      record_.SecondaryMax[a] = "max" + std::to_string(a);
    }
    record_.opt_kind = {ConditionKind::kBetween, ConditionKind::kBoundingBox};
    record_.txt_box_xmin = {"-1", "-10"};
    record_.txt_box_xmax = {"1", "10"};
    record_.txt_box_ymin = {"-2", "-20"};
    record_.txt_box_ymax = {"2", "20"};
    record_.txt_box_zmin = {"-3", "-30"};
    record_.txt_box_zmax = {"3", "30"};
    record_.txt_rot = {"45", "90"};
    record_.opt_condapply0 = false;
  }

  SettingsRecord record_;
};

TEST_F(JobBuilderTest, TakesEveryFieldFromItsControl) {
  JobSettings job = BuildJobSettings(record_);
  EXPECT_TRUE(job.AnimationConditionEnabled);
  EXPECT_EQ(job.AnimationCondition.Kind, ConditionKind::kBetween);
  EXPECT_EQ(job.AnimationCondition.Variable, "0280h");
  EXPECT_EQ(job.AnimationCondition.Minimum, "0");
  EXPECT_EQ(job.AnimationCondition.Maximum, "500");
  EXPECT_EQ(job.AnimationCondition.BoxXMin, "-1");
  EXPECT_EQ(job.AnimationCondition.Rotation, "45");
  EXPECT_TRUE(job.AdditionalConditionEnabled);
  EXPECT_EQ(job.AdditionalCondition.Variable, "0316h");
  EXPECT_EQ(job.AdditionalCondition.Minimum, "5");
  EXPECT_EQ(job.AdditionalCondition.Maximum, "6");
  EXPECT_EQ(job.AdditionalCondition.BoxXMin, "");
  EXPECT_EQ(job.AdditionalCondition.Rotation, "");
  EXPECT_EQ(job.AdditionalAppliesTo, AppliesTo::kAnimation);
  EXPECT_TRUE(job.TriggerEnabled);
  EXPECT_EQ(job.Trigger.Kind, ConditionKind::kBoundingBox);
  EXPECT_EQ(job.Trigger.Variable, "0312h");
  EXPECT_EQ(job.Trigger.Minimum, "1");
  EXPECT_EQ(job.Trigger.Maximum, "2");
  EXPECT_EQ(job.Trigger.BoxXMin, "-10");
  EXPECT_EQ(job.Trigger.BoxXMax, "10");
  EXPECT_EQ(job.Trigger.BoxYMin, "-20");
  EXPECT_EQ(job.Trigger.BoxYMax, "20");
  EXPECT_EQ(job.Trigger.BoxZMin, "-30");
  EXPECT_EQ(job.Trigger.BoxZMax, "30");
  EXPECT_EQ(job.Trigger.Rotation, "90");
  EXPECT_TRUE(job.SecondaryEnabled);
  EXPECT_EQ(job.SecondaryVariable, "0314h");
  EXPECT_EQ(job.AnimationCount, " 3 ");  // the box's text, unconverted
  EXPECT_EQ(job.OutputFile, "C:\\out.asm");
  // All entries are taken; the run opens only those of animations 1..N.
  EXPECT_EQ(job.InputFile[1], "in1");
  EXPECT_EQ(job.InputFile[50], "in50");
  EXPECT_EQ(job.SecondaryMin[4], "min4");
  EXPECT_EQ(job.SecondaryMax[50], "max50");
}

TEST_F(JobBuilderTest, OnlyValueOneCountsAsTicked) {
  record_.chk_cond = {2, 2, 2, 2};
  JobSettings job = BuildJobSettings(record_);
  EXPECT_FALSE(job.AnimationConditionEnabled);
  EXPECT_FALSE(job.TriggerEnabled);
  EXPECT_FALSE(job.SecondaryEnabled);
  EXPECT_FALSE(job.AdditionalConditionEnabled);
  record_.chk_cond = {0, 0, 0, 0};
  job = BuildJobSettings(record_);
  EXPECT_FALSE(job.AnimationConditionEnabled);
  EXPECT_FALSE(job.TriggerEnabled);
}

TEST_F(JobBuilderTest, SecondaryOffMeansOneAnimation) {
  record_.chk_cond[2] = 0;
  record_.txt_num_secondanim = "7";
  JobSettings job = BuildJobSettings(record_);
  EXPECT_FALSE(job.SecondaryEnabled);
  EXPECT_EQ(job.AnimationCount, "1");
  record_.chk_cond[2] = 2;
  EXPECT_EQ(BuildJobSettings(record_).AnimationCount, "1");
}

TEST_F(JobBuilderTest, BoundingBoxAnimationConditionUnticksTheAdditional) {
  record_.opt_kind[0] = ConditionKind::kBoundingBox;
  JobSettings job = BuildJobSettings(record_);
  EXPECT_FALSE(job.AdditionalConditionEnabled);
  EXPECT_TRUE(job.AnimationConditionEnabled);
  // Its texts stay as they were.
  EXPECT_EQ(job.AdditionalCondition.Variable, "0316h");
}

TEST_F(JobBuilderTest, BoundingBoxTriggerLeavesTheAdditionalAlone) {
  record_.opt_kind = {ConditionKind::kMask, ConditionKind::kBoundingBox};
  JobSettings job = BuildJobSettings(record_);
  EXPECT_TRUE(job.AdditionalConditionEnabled);
}

TEST_F(JobBuilderTest, AdditionalConditionTakesTheAnimationConditionsKind) {
  for (ConditionKind kind : {ConditionKind::kBetween, ConditionKind::kMask,
                             ConditionKind::kBoundingBox}) {
    record_.opt_kind[0] = kind;
    record_.opt_kind[1] = ConditionKind::kMask;
    JobSettings job = BuildJobSettings(record_);
    EXPECT_EQ(job.AdditionalCondition.Kind, kind);
    EXPECT_EQ(job.AnimationCondition.Kind, kind);
  }
}

TEST_F(JobBuilderTest, MissingLine184KeepsTheWindowsChoice) {
  record_.opt_condapply0.reset();
  EXPECT_EQ(BuildJobSettings(record_).AdditionalAppliesTo,
            AppliesTo::kAnimationTrigger);
  EXPECT_EQ(
      BuildJobSettings(record_, AppliesTo::kAnimation).AdditionalAppliesTo,
      AppliesTo::kAnimation);
  record_.opt_condapply0 = true;
  EXPECT_EQ(
      BuildJobSettings(record_, AppliesTo::kAnimation).AdditionalAppliesTo,
      AppliesTo::kAnimationTrigger);
}

TEST_F(JobBuilderTest, TextsAreTakenUntrimmed) {
  record_.txt_var[1] = " 0312h ";
  record_.txt_file_out = " out.asm";
  record_.InputFile[1] = "gate.asm ";
  JobSettings job = BuildJobSettings(record_);
  EXPECT_EQ(job.Trigger.Variable, " 0312h ");
  EXPECT_EQ(job.OutputFile, " out.asm");
  EXPECT_EQ(job.InputFile[1], "gate.asm ");
}

TEST_F(JobBuilderTest, RebuildingFromTheWindowsStateChangesNothing) {
  record_.opt_kind[0] = ConditionKind::kBoundingBox;
  record_.chk_cond[2] = 0;
  JobSettings first = BuildJobSettings(record_);
  // The window after loading: additional unticked, count set to "1".
  record_.chk_cond[3] = 0;
  record_.txt_num_secondanim = "1";
  JobSettings second = BuildJobSettings(record_);
  EXPECT_EQ(first.AdditionalConditionEnabled,
            second.AdditionalConditionEnabled);
  EXPECT_EQ(first.AnimationCount, second.AnimationCount);
}

}  // namespace
}  // namespace zum
