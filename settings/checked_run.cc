#include "settings/checked_run.h"

#include "settings/job_summary.h"

namespace zum {

CheckedRun CheckAndRun(const JobSettings& job, PageId first, PageId last,
                       const RunOptions& options,
                       const VariableTable& variables,
                       const ForwardRunFinding& finding) {
  CheckedRun run;
  run.check = CheckAllPages(job, first, last, options.file_system);
  if (run.check.code != PageCheck::kPassed) {
    return run;
  }
  run.ran = true;
  run.status = RunGeneration(job, options, &run.result);
  if (run.status.ok()) {
    run.summary = RunSummary(job, variables,
                             finding ? finding(job.OutputFile) : std::string());
  }
  return run;
}

}  // namespace zum
