#include "settings/job_builder.h"

namespace zum {
namespace {

constexpr int16_t kTicked = 1;

// The condition of index I (0 animation condition, 1 trigger).
ConditionSpec ConditionOf(const SettingsRecord& record, int i) {
  ConditionSpec spec;
  spec.Kind = record.opt_kind[i];
  spec.Variable = record.txt_var[i];
  spec.Minimum = record.txt_var_min[i];
  spec.Maximum = record.txt_var_max[i];
  spec.BoxXMin = record.txt_box_xmin[i];
  spec.BoxXMax = record.txt_box_xmax[i];
  spec.BoxYMin = record.txt_box_ymin[i];
  spec.BoxYMax = record.txt_box_ymax[i];
  spec.BoxZMin = record.txt_box_zmin[i];
  spec.BoxZMax = record.txt_box_zmax[i];
  spec.Rotation = record.txt_rot[i];
  return spec;
}

}  // namespace

JobSettings BuildJobSettings(const SettingsRecord& record,
                             AppliesTo if_absent) {
  JobSettings job;
  job.AnimationConditionEnabled = record.chk_cond[0] == kTicked;
  job.AnimationCondition = ConditionOf(record, 0);

  // Selecting "Bounding box" for the animation condition unticks the
  // additional condition, also when the file ticked it on an earlier line.
  job.AdditionalConditionEnabled =
      record.chk_cond[3] == kTicked &&
      record.opt_kind[0] != ConditionKind::kBoundingBox;
  job.AdditionalCondition.Kind = record.opt_kind[0];
  job.AdditionalCondition.Variable = record.txt_var[3];
  job.AdditionalCondition.Minimum = record.txt_var_min[2];
  job.AdditionalCondition.Maximum = record.txt_var_max[2];
  if (record.opt_condapply0.has_value()) {
    job.AdditionalAppliesTo = *record.opt_condapply0
                                  ? AppliesTo::kAnimationTrigger
                                  : AppliesTo::kAnimation;
  } else {
    job.AdditionalAppliesTo = if_absent;
  }

  job.TriggerEnabled = record.chk_cond[1] == kTicked;
  job.Trigger = ConditionOf(record, 1);

  job.SecondaryEnabled = record.chk_cond[2] == kTicked;
  job.SecondaryVariable = record.txt_var[2];
  job.AnimationCount = job.SecondaryEnabled ? record.txt_num_secondanim : "1";
  job.InputFile = record.InputFile;
  job.SecondaryMin = record.SecondaryMin;
  job.SecondaryMax = record.SecondaryMax;
  job.OutputFile = record.txt_file_out;
  return job;
}

}  // namespace zum
