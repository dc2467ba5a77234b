#ifndef ZUM_ENGINE_ANIMATION_PARAMETERS_H_
#define ZUM_ENGINE_ANIMATION_PARAMETERS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "engine/chunk_io.h"
#include "engine/job.h"
#include "engine/keyframe_writer.h"
#include "engine/run_shape.h"
#include "engine/status.h"

// The animation parameters chunk and its part labels. N and B are those of
// RunShape.
namespace zum {

// Trims *LINE (the caller's copy changes too) and returns in *part the
// number between "_tick18_" and the last "_" in front of it:
// "gate_12_tick18_mod_1 label word" gives 12. Returns false with *err
// filled when the line has no such number.
bool PartNumberOfLabel(std::string* line, int16_t* part, std::string* err);

// The current part's keyframe tables of animations 1..N, on the heap (20 KB
// each). A table stays until a later one of its animation and kind replaces
// it, so a part without tables of its own in animations 2..N reuses an
// earlier part's.
struct AnimationTables {
  explicit AnimationTables(int animations)
      : translation(animations + 1),
        rotation(animations + 1),
        text(animations + 1) {}
  std::vector<KeyframeTable> translation;
  std::vector<KeyframeTable> rotation;
  // Each animation's written tables of the part at hand, kept from part to
  // part so that their memory is allocated once, not for every part.
  std::vector<GrowingText> text;
};

// The animation parameters chunk: gives every part its local variable area
// B + "_local_varbase_" + part and replaces each part's keyframe tables by
// their four variants in every animation, the tables of animations 2..N
// read part by part from their own companion inputs. Sets
// part_one->local_area when part 1 gets its area. Errors name the file and
// line to blame.
Status WriteAnimationParameters(ChunkIo& io, const RunShape& shape,
                                AnimationTables* tables,
                                PartOneFacts* part_one);

}  // namespace zum

#endif  // ZUM_ENGINE_ANIMATION_PARAMETERS_H_
