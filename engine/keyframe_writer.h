#ifndef ZUM_ENGINE_KEYFRAME_WRITER_H_
#define ZUM_ENGINE_KEYFRAME_WRITER_H_

#include <string>

#include "engine/job.h"
#include "engine/line_io.h"

namespace zum {

// Writes the four labelled variants a (hold start), b (forward), c (reverse)
// and d (hold end) of the translation table when TRANSLATION_PENDING, then
// those of the rotation table when ROTATION_PENDING. Labels read
// LABEL_BASE + "_trans_" / "_quat_" + PART + "_" + ANIMATION + "_a" ...
void WriteKeyframeTableSet(LineWriter& out, int animation,
                           const KeyframeTable& translation,
                           bool translation_pending,
                           const KeyframeTable& rotation, bool rotation_pending,
                           const std::string& label_base, int part);

}  // namespace zum

#endif  // ZUM_ENGINE_KEYFRAME_WRITER_H_
