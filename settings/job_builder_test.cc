#include "settings/job_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/testing.h"

namespace zum {
namespace {

using Texts = std::vector<std::string>;

Texts TextsOf(const ConditionSpec& c) {
  return {c.Variable, c.Minimum, c.Maximum, c.BoxXMin, c.BoxXMax,
          c.BoxYMin,  c.BoxYMax, c.BoxZMin, c.BoxZMax, c.Rotation};
}

class JobBuilderTest : public ::testing::Test {
 protected:
  JobBuilderTest() {
    EXPECT_TRUE(testing::LoadTypicalSettings("", &record_).ok());
  }

  testing::TempWorkFolder folder_;
  SettingsRecord record_;
};

TEST_F(JobBuilderTest, TakesEveryFieldFromItsControlUnchanged) {
  JobSettings job = BuildJobSettings(record_);
  EXPECT_TRUE(job.AnimationConditionEnabled);
  EXPECT_EQ(job.AnimationCondition.Kind, ConditionKind::kBetween);
  EXPECT_EQ(
      TextsOf(job.AnimationCondition),
      (Texts{"  0280h ", "0", "500", "-1", "1", "-2", "2", "-3", "3", "45"}));
  EXPECT_TRUE(job.TriggerEnabled);
  EXPECT_EQ(job.Trigger.Kind, ConditionKind::kMask);
  EXPECT_EQ(TextsOf(job.Trigger),
            (Texts{"0312h", "7", "8", "-4", "4", "-5", "5", "-6", "6", "90"}));
  // The additional condition has no box or rotation of its own.
  EXPECT_TRUE(job.AdditionalConditionEnabled);
  EXPECT_EQ(TextsOf(job.AdditionalCondition),
            (Texts{"0316h", "4", "9", "", "", "", "", "", "", ""}));
  EXPECT_EQ(job.AdditionalAppliesTo, AppliesTo::kAnimation);
  EXPECT_TRUE(job.SecondaryEnabled);
  EXPECT_EQ(job.SecondaryVariable, "0314h");
  EXPECT_EQ(job.AnimationCount, "3");
  EXPECT_EQ(job.OutputFile, record_.txt_file_out);
  // All 50 entries, also those after the count.
  EXPECT_EQ(job.InputFile[1], "gate1.asm");
  EXPECT_EQ(job.InputFile[50], "gate50.asm");
  EXPECT_EQ(job.SecondaryMin[4], "40");
  EXPECT_EQ(job.SecondaryMax[50], "509");
}

TEST_F(JobBuilderTest, OnlyOneTicksABoxAndNoSecondaryMeansOneAnimation) {
  record_.animation.chk_cond = 0;
  record_.trigger.chk_cond = 1;
  record_.secondary.chk_cond = 2;  // greyed
  record_.additional.chk_cond = 1;
  JobSettings job = BuildJobSettings(record_);
  EXPECT_FALSE(job.AnimationConditionEnabled);
  EXPECT_TRUE(job.TriggerEnabled);
  EXPECT_FALSE(job.SecondaryEnabled);
  EXPECT_TRUE(job.AdditionalConditionEnabled);
  EXPECT_EQ(job.AnimationCount, "1");
}

TEST_F(JobBuilderTest, ABoundingBoxAnimationConditionUnticksTheAdditional) {
  record_.additional.chk_cond = 1;
  record_.SelectKind(1, ConditionKind::kBoundingBox);
  EXPECT_EQ(record_.additional.chk_cond, 1);
  record_.SelectKind(0, ConditionKind::kMask);
  EXPECT_EQ(record_.additional.chk_cond, 1);
  EXPECT_EQ(record_.animation.opt_kind, ConditionKind::kMask);
  record_.SelectKind(0, ConditionKind::kBoundingBox);
  EXPECT_EQ(record_.additional.chk_cond, 0);
  EXPECT_EQ(record_.animation.opt_kind, ConditionKind::kBoundingBox);
  // Back to a range, it stays unticked.
  record_.SelectKind(0, ConditionKind::kBetween);
  EXPECT_EQ(record_.additional.chk_cond, 0);
  EXPECT_EQ(record_.trigger.opt_kind, ConditionKind::kBoundingBox);
}

TEST_F(JobBuilderTest, AdditionalConditionFollowsTheAnimationCondition) {
  for (ConditionKind kind :
       {ConditionKind::kMask, ConditionKind::kBoundingBox}) {
    // A bounding-box trigger changes nothing; a bounding-box animation
    // condition unticks the additional condition.
    record_.animation.opt_kind = kind;
    record_.trigger.opt_kind = ConditionKind::kBoundingBox;
    JobSettings job = BuildJobSettings(record_);
    EXPECT_EQ(job.AdditionalCondition.Kind, kind);
    EXPECT_EQ(job.AdditionalConditionEnabled,
              kind != ConditionKind::kBoundingBox);
    EXPECT_TRUE(job.AnimationConditionEnabled);
  }
  // Without line 184 the window's choice stands.
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

}  // namespace
}  // namespace zum
