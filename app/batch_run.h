#ifndef ZUM_APP_BATCH_RUN_H_
#define ZUM_APP_BATCH_RUN_H_

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "engine/file_system.h"

// The command-line front end: one generation from a saved settings file.
namespace zum {

inline constexpr int kBatchSucceeded = 0;
// The generation stopped; its "FILE:LINE: ..." message was printed.
inline constexpr int kBatchRunFailed = 1;
// Bad usage, an unreadable settings file, or a page check refused the
// settings.
inline constexpr int kBatchRefused = 2;

// How many of a run's warnings zum-batch prints; the others are counted.
inline constexpr size_t kMaxWarningsPrinted = 20;

// The signals whose default action ends the process and that a handler can
// catch: SIGINT and SIGTERM, and on POSIX SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2,
// SIGALRM, SIGPIPE, SIGXCPU, SIGXFSZ, SIGVTALRM and SIGPROF.
std::vector<int> TerminatingSignals();

// Makes each of TerminatingSignals() remove the temporary files of a run
// before the process ends as the signal would end it; on Windows the
// console control events (Ctrl+C, Ctrl+Break, a closed console) do the same.
void RemoveTemporariesOnInterrupt();

// The text that --help prints.
std::string BatchUsage();

// Runs `zum-batch ARGS...` (ARGS without the program name): loads the
// settings file, builds the job as the window does after loading it, runs
// the checks of pages 1, 2, 3 and 4 in that order and then the generation.
// Errors and page-check messages go to ERR, --help and the closing summary
// to OUT. The run's warnings follow on ERR, after the summary or the error,
// with --quiet too, "warning: FILE:LINE: message" each, at most
// kMaxWarningsPrinted and then "and N more warnings"; they leave the exit
// status as it is. When ERR_IS_TERMINAL and --quiet is not given, the progress
// is shown on ERR as a percentage rewritten in place. Every file is read and
// written through FS. Returns the exit status.
int RunBatch(const std::vector<std::string>& args, std::ostream& out,
             std::ostream& err, bool err_is_terminal,
             FileSystem* fs = RealFileSystem());

}  // namespace zum

#endif  // ZUM_APP_BATCH_RUN_H_
