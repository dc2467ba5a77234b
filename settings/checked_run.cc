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
  // The run takes the scans just made instead of reading the files again,
  // as long as the files stay as they were.
  RunOptions checked_options = options;
  checked_options.known_scans.resize(run.check.scanned + 1);
  for (int a = 1; a <= run.check.scanned; ++a) {
    checked_options.known_scans[a] = {run.check.pre_scan_seen[a],
                                      run.check.pre_scan[a]};
  }
  run.status = RunGeneration(job, checked_options, &run.result);
  if (run.status.ok()) {
    run.summary = RunSummary(job, variables,
                             finding ? finding(job.OutputFile) : std::string());
  }
  return run;
}

}  // namespace zum
