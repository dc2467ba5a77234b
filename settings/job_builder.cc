#include "settings/job_builder.h"

namespace zum {
namespace {

ConditionSpec SpecOf(const ConditionSettings& condition) {
  ConditionSpec spec;
  spec.Kind = condition.opt_kind;
  spec.Variable = condition.txt_var;
  spec.Minimum = condition.txt_var_min;
  spec.Maximum = condition.txt_var_max;
  spec.BoxXMin = condition.txt_box[kXMin];
  spec.BoxXMax = condition.txt_box[kXMax];
  spec.BoxYMin = condition.txt_box[kYMin];
  spec.BoxYMax = condition.txt_box[kYMax];
  spec.BoxZMin = condition.txt_box[kZMin];
  spec.BoxZMax = condition.txt_box[kZMax];
  spec.Rotation = condition.txt_rot;
  return spec;
}

}  // namespace

JobSettings BuildJobSettings(const SettingsRecord& record,
                             AppliesTo if_absent) {
  JobSettings job;
  job.AnimationConditionEnabled = record.animation.chk_cond == kTicked;
  job.AnimationCondition = SpecOf(record.animation);

  // A bounding-box animation condition unticks the additional condition,
  // also when the file ticked it on an earlier line.
  SettingsRecord kinds_selected = record;
  kinds_selected.SelectKind(0, record.animation.opt_kind);
  job.AdditionalConditionEnabled =
      kinds_selected.additional.chk_cond == kTicked;
  job.AdditionalCondition.Kind = record.animation.opt_kind;
  job.AdditionalCondition.Variable = record.additional.txt_var;
  job.AdditionalCondition.Minimum = record.additional.txt_var_min;
  job.AdditionalCondition.Maximum = record.additional.txt_var_max;
  if (record.opt_condapply0.has_value()) {
    job.AdditionalAppliesTo = *record.opt_condapply0
                                  ? AppliesTo::kAnimationTrigger
                                  : AppliesTo::kAnimation;
  } else {
    job.AdditionalAppliesTo = if_absent;
  }

  job.TriggerEnabled = record.trigger.chk_cond == kTicked;
  job.Trigger = SpecOf(record.trigger);

  job.SecondaryEnabled = record.secondary.chk_cond == kTicked;
  job.SecondaryVariable = record.secondary.txt_var;
  job.AnimationCount = record.AnimationCount();
  job.InputFile = record.InputFile;
  job.SecondaryMin = record.SecondaryMin;
  job.SecondaryMax = record.SecondaryMax;
  job.OutputFile = record.txt_file_out;
  return job;
}

}  // namespace zum
