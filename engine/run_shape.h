#ifndef ZUM_ENGINE_RUN_SHAPE_H_
#define ZUM_ENGINE_RUN_SHAPE_H_

#include <cstdint>
#include <string>

#include "engine/job.h"
#include "engine/line_io.h"
#include "engine/status.h"

namespace zum {

// The numbers of one run that the chunk writers share, computed once after
// the scan. The letters are those of the formulas in the writers' comments:
//   N       the number of animations
//   M       the copies (variants) of every command per animation: 4 with the
//           trigger (a hold start, b forward, c reverse, d hold end), else 2
//   j0, j1  the first and last variant that a matrix selection block draws:
//           1 and 4 with the trigger, else 2 and 2 (forward only)
//   C       the commands of one copy: the BGL_TRANSFORM_INDIRECT and
//           BGL_ANIMATE_INDIRECT lines of animation 1's companion input
//   B       the label base of animation 1's keyframe tables
//   F       the frame count of animation 1's first keyframe table
struct RunShape {
  int animations = 1;      // N
  int variants = 2;        // M
  int first_variant = 2;   // j0
  int last_variant = 2;    // j1
  int16_t transforms = 0;  // the transform commands of C
  int16_t animates = 0;    // the animate commands of C
  // C = transforms + animates, exact; CheckCommandCount says whether it fits
  // the 16-bit range, and no writer uses it before asking.
  int commands = 0;
  int16_t frames = 0;      // F
  std::string label_base;  // B
};

// The shape of a run of JOB over ANIMATIONS animations whose first
// companion input was scanned as FIRST.
RunShape MakeRunShape(const JobSettings& job, int animations,
                      const SourceScan& first);

// OK when C fits the 16-bit range; otherwise the error, naming the line IN
// has just returned.
Status CheckCommandCount(const RunShape& shape, const LineReader& in);

// The number of copy (ANIMATION, VARIANT) of item K, the numbering shared
// by the animation commands, the scene graph and the drawing code:
// X = ((ANIMATION - 1) x M + (VARIANT - 1)) x C + K, every step in 16-bit
// arithmetic. Returns false with *err filled when a step leaves the range.
// REQUIRES: CheckCommandCount(shape) is OK.
bool CopyNumber(const RunShape& shape, int animation, int variant, int k,
                int16_t* number, std::string* err);

}  // namespace zum

#endif  // ZUM_ENGINE_RUN_SHAPE_H_
