#ifndef ZUM_ENGINE_KEYFRAME_WRITER_H_
#define ZUM_ENGINE_KEYFRAME_WRITER_H_

#include <string>

#include "engine/job.h"
#include "engine/line_io.h"

namespace zum {

// The keyframe tables of one animation in one part of the model. A null
// table is one the part does not have.
struct KeyframeTableSet {
  const std::string& label_base;  // B, the run's label base (RunShape)
  int part;
  int animation;
  const KeyframeTable* translation = nullptr;
  const KeyframeTable* rotation = nullptr;
};

// Writes the four labelled variants a (hold start), b (forward), c (reverse)
// and d (hold end) of the set's translation table, then those of its
// rotation table. Labels read LABEL_BASE + "_trans_" / "_quat_" + PART +
// "_" + ANIMATION + "_a" ...
// Appends them to *TEXT, every line ended by CR LF, as a LineWriter writes
// them.
void AppendKeyframeTableSet(const KeyframeTableSet& set, std::string* text);
void WriteKeyframeTableSet(LineWriter& out, const KeyframeTableSet& set);

}  // namespace zum

#endif  // ZUM_ENGINE_KEYFRAME_WRITER_H_
