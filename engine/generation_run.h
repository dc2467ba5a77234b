#ifndef ZUM_ENGINE_GENERATION_RUN_H_
#define ZUM_ENGINE_GENERATION_RUN_H_

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/job.h"
#include "engine/line_io.h"
#include "engine/status.h"

namespace zum {

// Receives the run's progress shares; the shares of one run add up to at
// most 100.
using ProgressFn = std::function<void(double share)>;

// One generation run over one JobSettings snapshot: scans every animation's
// companion input, writes the main output file, then copies animation 1's
// companion input into the output's companion file, handing each RIFF chunk
// to its section writer.
//
// File numbers: the output writer is file 1; file a + 1 is the reader of
// animation a's companion input (2 = animation 1).
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

  const SourceScan& scan(int animation) const { return scan_[animation]; }
  const std::string& label_base() const { return label_base_; }
  int16_t frame_count() const { return frame_count_; }

 private:
  // Run driver.
  Status CheckOutputNames() const;
  Status WriteMainFile();
  Status CommitOutputs();
  Status DispatchLine();
  void CloseAllFiles();
  void AddProgress(double share);

  // Animation parameters chunk.
  Status WriteAnimationParameters();
  Status FlushKeyframeTables(bool translation_pending, bool rotation_pending,
                             int16_t part);
  Status SeekAnimationParameters(int file);

  // Animation commands chunk.
  Status WriteAnimationCommands();
  // Scene graph chunk.
  Status WriteSceneGraphEntries();
  // Drawing code chunk and the trigger state machine.
  Status WriteBglCode();
  Status WriteTriggerStateMachine();

  LineReader& Input(int file) { return inputs_[file]; }
  // The companion input of animation 1.
  LineReader& Main() { return inputs_[2]; }

  const JobSettings& job_;
  ProgressFn progress_;

  int16_t animation_count_ = 1;  // N
  std::array<SourceScan, kMaxAnimations + 1> scan_;
  std::string label_base_;
  int16_t frame_count_ = 0;
  // Whether the animation parameters chunk gave part 1 its local variable
  // area, and whether the animation commands chunk wrote a tick block for
  // part 1: the trigger state machine and the matrix selection blocks rely
  // on both.
  bool has_local_area_part1_ = false;
  bool has_tick_block_part1_ = false;
  // The current part's tables of animations 1..N, on the heap (20 KB
  // each), sized for N once it is known.
  std::vector<KeyframeTable> translation_tables_;
  std::vector<KeyframeTable> rotation_tables_;

  std::string companion_output_;
  LineWriter main_out_;                                // the main output
  LineWriter out_;                                     // file 1
  std::array<LineReader, kMaxAnimations + 2> inputs_;  // files 2..51
};

// Runs one generation over JOB; a convenience for callers that need no
// access to the run's state afterwards.
Status RunGeneration(const JobSettings& job, ProgressFn progress);

}  // namespace zum

#endif  // ZUM_ENGINE_GENERATION_RUN_H_
