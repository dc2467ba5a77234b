#ifndef ZUM_ENGINE_GENERATION_RUN_H_
#define ZUM_ENGINE_GENERATION_RUN_H_

#include <chrono>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/output_code_page.h"
#include "engine/progress.h"
#include "engine/run_warnings.h"
#include "engine/source_scanner.h"
#include "engine/status.h"

namespace zum {

// How a run reaches its caller and the disk.
struct RunOptions {
  // Receives the progress shares; may be empty.
  ProgressFn progress;
  // Every file of the run is read and written through it; it must outlive
  // the run.
  FileSystem* file_system = RealFileSystem();
  // How long a run waits for another run that writes the same output pair
  // before it fails with "another run is writing OUTPUT".
  std::chrono::milliseconds lock_wait{5000};
  // The code page of the texts the run writes (see FitJobToCodePage): on
  // Windows the ANSI code page, elsewhere the texts' bytes as they are.
  OutputCodePage code_page = SystemOutputCodePage();
  // How many threads read and write the animations' tables: 0 for the
  // machine's cores (at most kMaxRunThreads), 1 for a run on the caller's
  // thread alone. Every count gives the same files, warnings and errors.
  int threads = 0;
  // Scans made before the run (the page checks'): known_scans[A], where
  // present, is that of animation A's companion input. The run takes it in
  // place of reading the file again when the file is a regular file still
  // in the state the scan began with.
  std::vector<KnownScan> known_scans;
};

// What a run leaves to its caller.
struct RunResult {
  // The files written, once the run has succeeded: the main output, then
  // its companion.
  std::vector<std::string> files_written;
  // Where the run read a text other than as written, "FILE:LINE: message",
  // after a failed run too (they may tell its cause). They never change a
  // byte of the output.
  RunWarnings warnings;
};

// The engine's one entry point: one generation run over one JobSettings
// snapshot. Scans every animation's companion input, writes the main output
// file, then copies animation 1's companion input into the output's
// companion file, handing each RIFF chunk to its chunk writer.
//
// Output names that hold a NUL character or would overwrite an input, and
// outputs that are folders, FIFOs, devices or read-only files, are refused
// before anything is opened. One run at a time writes an output pair (a
// lock beside the main output). Both outputs are written to temporary files
// of their own (see LineWriter::OpenReplacing) and take their places only
// when the whole run has succeeded and no input has changed since the run
// first looked at it ("FILE changed while it was being read"), all or
// nothing (see CommitPair): a process killed between the two renames leaves
// the new companion beside the old main file, never the reverse. On any
// error, running out of memory included, every file is closed, both
// temporaries are removed and earlier outputs stay as they were.
//
// Returns the first error, "FILE:LINE: ..." where a line is to blame.
// Warnings are no errors: they go to RESULT, which may be nullptr.
Status RunGeneration(const JobSettings& job, const RunOptions& options,
                     RunResult* result);

}  // namespace zum

#endif  // ZUM_ENGINE_GENERATION_RUN_H_
