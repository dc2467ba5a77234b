#ifndef ZUM_SETTINGS_CHECKED_RUN_H_
#define ZUM_SETTINGS_CHECKED_RUN_H_

#include <functional>
#include <string>

#include "engine/generation_run.h"
#include "engine/job.h"
#include "engine/status.h"
#include "settings/page_checks.h"
#include "settings/variable_table.h"

// What both front ends do to run a job: the page checks, then the run, then
// the summary. The window runs it on Next of the source file page (the
// pages before were checked when they were left), zum-batch over every page.
namespace zum {

struct CheckedRun {
  // The checks' outcome: a refusal (code other than kPassed) ends there,
  // and nothing runs. The source file page's scans are in it either way.
  PageCheckResult check;
  // Whether the run was started, how it ended and what it wrote.
  bool ran = false;
  Status status;
  RunResult result;
  // What the job writes and does (RunSummary); only after a run that
  // succeeded.
  std::string summary;
};

// The preview's first finding over the main output just written (for
// example WrittenForwardRunFinding, preview/written_finding.h, which comes
// after settings/ and is therefore passed in).
using ForwardRunFinding = std::function<std::string(const std::string&)>;

// Checks the pages FIRST..LAST of JOB (CheckAllPages, through OPTIONS'
// file system); when they pass, runs JOB with OPTIONS (RunGeneration); when
// the run succeeds, tells the job with VARIABLES' names and FINDING's line
// (RunSummary; no such line when FINDING is empty).
CheckedRun CheckAndRun(const JobSettings& job, PageId first, PageId last,
                       const RunOptions& options,
                       const VariableTable& variables,
                       const ForwardRunFinding& finding);

}  // namespace zum

#endif  // ZUM_SETTINGS_CHECKED_RUN_H_
