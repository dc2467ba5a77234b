#ifndef ZUM_ENGINE_GENERATION_RUN_H_
#define ZUM_ENGINE_GENERATION_RUN_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/animation_parameters.h"
#include "engine/chunk_io.h"
#include "engine/job.h"
#include "engine/line_io.h"
#include "engine/run_shape.h"
#include "engine/status.h"

namespace zum {

// One generation run over one JobSettings snapshot: scans every animation's
// companion input, writes the main output file, then copies animation 1's
// companion input into the output's companion file, handing each RIFF chunk
// to its chunk writer (animation_parameters.h, animation_commands.h,
// scene_graph.h, bgl_code.h).
//
// Output names that hold a NUL character or would overwrite an input are
// refused before anything is opened. Both outputs are written to temporary
// files of their own beside them (see LineWriter::OpenReplacing) and take
// their places only when the whole run has succeeded, the companion first,
// then the main file: a process killed between the two renames leaves the
// new companion beside the old main file, never the reverse. On any error
// every file is closed, both temporaries are removed and earlier outputs stay
// as they were.
class GenerationRun {
 public:
  // JOB must outlive the run. PROGRESS may be empty.
  GenerationRun(const JobSettings& job, ProgressFn progress);
  ~GenerationRun();
  GenerationRun(const GenerationRun&) = delete;
  GenerationRun& operator=(const GenerationRun&) = delete;

  // The whole run. Returns the first error, "FILE:LINE: ..." where a line
  // is to blame.
  Status RunGeneration();

  // The name of the output's companion file; empty until RunGeneration has
  // checked the file names.
  const std::string& companion_output() const { return companion_output_; }

 private:
  Status CheckFileNames();
  Status WriteMainFile();
  Status OpenCompanionFiles();
  Status DispatchLine();
  Status CommitOutputs();
  void CloseAllFiles();

  const JobSettings& job_;
  int16_t animation_count_ = 1;  // N, the number of animations
  // The companion names of the inputs [1..N] and of the output.
  std::array<std::string, kMaxAnimations + 1> input_companion_;
  std::string companion_output_;
  RunShape shape_;
  PartOneFacts part_one_;
  std::unique_ptr<AnimationTables> tables_;
  LineWriter main_out_;
  ChunkIo io_;
};

// Runs one generation over JOB; a convenience for callers that need no
// access to the run's state afterwards.
Status RunGeneration(const JobSettings& job, ProgressFn progress);

}  // namespace zum

#endif  // ZUM_ENGINE_GENERATION_RUN_H_
