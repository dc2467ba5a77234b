#ifndef ZUM_ENGINE_CHUNK_IO_H_
#define ZUM_ENGINE_CHUNK_IO_H_

#include <array>
#include <utility>

#include "engine/file_system.h"
#include "engine/job.h"
#include "engine/line_io.h"
#include "engine/progress.h"
#include "engine/run_warnings.h"

namespace zum {

// A run reports its progress in five stages of this share each: the scan,
// then the animation parameters, animation commands, scene graph and drawing
// code chunks (the last three in steps that add up to it).
inline constexpr double kStageProgress = 20;

// The files that the chunk writers work on. A writer is called just after
// the run has copied the chunk's tag line from animation 1's companion input
// to the output companion file; it reads on to the chunk's end line and
// writes what replaces the chunk.
class ChunkIo {
 public:
  // Every file is reached through FS, which must outlive the object.
  ChunkIo(ProgressFn progress, FileSystem* fs)
      : inputs_(
            MakeReaders(fs, std::make_index_sequence<kMaxAnimations + 1>())),
        out_(fs),
        progress_(std::move(progress)) {}
  ChunkIo(const ChunkIo&) = delete;
  ChunkIo& operator=(const ChunkIo&) = delete;

  // The companion input of ANIMATION (1..kMaxAnimations). Animation 1's is
  // the one copied to the output; the others are read only for their
  // keyframe tables.
  LineReader& InputOf(int animation) { return inputs_[animation]; }
  // The output companion file.
  LineWriter& out() { return out_; }

  // How many threads the chunk writers may work on (see ParallelFor).
  int threads() const { return threads_; }
  void set_threads(int threads) { threads_ = threads; }

  // Where the chunk writers tell what they read other than as written.
  RunWarnings& warnings() { return warnings_; }

  void AddProgress(double share) const {
    if (progress_) {
      progress_(share);
    }
  }

  void CloseInputs() {
    for (LineReader& reader : inputs_) {
      reader.Close();
    }
  }

 private:
  // Readers are neither copied nor moved: the array is built in place.
  template <size_t... kIndex>
  static std::array<LineReader, sizeof...(kIndex)> MakeReaders(
      FileSystem* fs, std::index_sequence<kIndex...>) {
    return {((void)kIndex, LineReader(fs))...};
  }

  std::array<LineReader, kMaxAnimations + 1> inputs_;  // [1..50]
  LineWriter out_;
  ProgressFn progress_;
  RunWarnings warnings_;
  int threads_ = 1;
};

// What the earlier chunks learn about part 1 for the drawing code chunk:
// whether the animation parameters chunk gave it its local variable area,
// and whether the animation commands chunk wrote a tick block for it. The
// trigger state machine and the matrix selection blocks rely on both.
struct PartOneFacts {
  bool local_area = false;
  bool tick_block = false;
};

}  // namespace zum

#endif  // ZUM_ENGINE_CHUNK_IO_H_
