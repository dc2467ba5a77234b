#ifndef ZUM_SETTINGS_JOB_SUMMARY_H_
#define ZUM_SETTINGS_JOB_SUMMARY_H_

#include <string>

#include "engine/job.h"
#include "settings/variable_table.h"

// What a job does and what a run wrote, in plain words for the author: the
// finish page and zum-batch show the same text.
namespace zum {

// The job in plain words, one or two sentences a line, every line ended by
// "\n". It tells what the generated code does, not what the boxes hold:
// - the trigger: "Plays forward when Beacon (0282h) is between 1 and 1, and
//   backwards when that stops holding.", or "Plays forward in a loop (no
//   trigger).";
// - the animation condition and the additional condition, where they are
//   tested ("(applied to the trigger)" or "(applied to the animation)";
//   without the trigger always the latter) and what is shown while they
//   fail; the additional condition as the test the run writes for it;
// - with the secondary condition, one line per animation: "Animation 2 of
//   3 is shown while User variable 1 (0312h) is between 2 and 2.".
// A variable is named "DISPLAY NAME (OFFSET)" when VARIABLES has its offset
// text (blanks around it ignored), else as typed. A bounding box is told
// with its units (metres, degrees about the y axis) and, when the run
// tests other extents than those typed (after rotating and rounding), with
// the extents tested.
std::string JobSummary(const JobSettings& job, const VariableTable& variables);

// The two files a successful run wrote, one line each, ended by "\n":
// "Main file: PATH (N bytes)" and "Companion file: PATH (N bytes)" ("1
// byte" for one), PATH the absolute path of OUTPUT_FILE and of its
// "_0.asm" companion. A size that cannot be read gives "(size unknown:
// REASON)"; a name too short to have a companion gives the main line only.
std::string WrittenFilesSummary(const std::string& output_file);

// WrittenFilesSummary of the job's output file, then JobSummary with
// FORWARD_RUN as its own line after the trigger's line (none when empty).
// FORWARD_RUN is the preview's first finding over the written files, when
// the forward run starts after the trigger holds (WrittenForwardRunFinding,
// preview/written_finding.h), which the caller reads from the written pair.
std::string RunSummary(const JobSettings& job, const VariableTable& variables,
                       const std::string& forward_run);

}  // namespace zum

#endif  // ZUM_SETTINGS_JOB_SUMMARY_H_
