// Writes the largest job into a folder, with a settings file "largest.cfg"
// that zum-batch runs as it stands: the input of bench/whole_process.py.
#include <cstdio>
#include <string>

#include "bench/largest_job.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace {

constexpr int kParts = 8;

// The record whose job BuildJobSettings gives back as JOB.
zum::SettingsRecord RecordOf(const zum::JobSettings& job) {
  auto condition = [](bool enabled, const zum::ConditionSpec& spec) {
    zum::ConditionSettings settings;
    settings.chk_cond = enabled ? zum::kTicked : 0;
    settings.txt_var = spec.Variable;
    settings.txt_var_min = spec.Minimum;
    settings.txt_var_max = spec.Maximum;
    settings.opt_kind = spec.Kind;
    return settings;
  };
  zum::SettingsRecord record;
  record.animation =
      condition(job.AnimationConditionEnabled, job.AnimationCondition);
  record.trigger = condition(job.TriggerEnabled, job.Trigger);
  record.additional =
      condition(job.AdditionalConditionEnabled, job.AdditionalCondition);
  record.secondary.chk_cond = job.SecondaryEnabled ? zum::kTicked : 0;
  record.secondary.txt_var = job.SecondaryVariable;
  record.txt_num_secondanim = job.AnimationCount;
  record.txt_file_out = job.OutputFile;
  record.InputFile = job.InputFile;
  record.SecondaryMin = job.SecondaryMin;
  record.SecondaryMax = job.SecondaryMax;
  record.opt_condapply0 =
      job.AdditionalAppliesTo == zum::AppliesTo::kAnimationTrigger;
  return record;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  zum::JobSettings job = zum::bench::WriteLargestJob(folder, kParts);
  zum::Status status =
      zum::WriteSettingsFile(folder + "/largest.cfg", RecordOf(job));
  if (!status.ok()) {
    std::fprintf(stderr, "%s\n", status.message().c_str());
    return 1;
  }
  return 0;
}
