#ifndef ZUM_ENGINE_KEYFRAME_WRITER_H_
#define ZUM_ENGINE_KEYFRAME_WRITER_H_

#include <memory>
#include <string>
#include <string_view>

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

// Text that grows without clearing the room it reserves: the tables are
// written through a pointer into room reserved first, then cut to what was
// written. Kept from part to part, its memory is allocated once.
class GrowingText {
 public:
  // Room for at least N bytes after the text; its bytes are unspecified.
  char* Reserve(size_t n);
  // The text now ends at END, inside the room reserved last.
  void EndAt(const char* end) {
    size_ = static_cast<size_t>(end - data_.get());
  }
  void Append(std::string_view text);
  void clear() { size_ = 0; }
  std::string_view view() const { return {data_.get(), size_}; }

 private:
  std::unique_ptr<char[]> data_;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

// Writes the four labelled variants a (hold start), b (forward), c (reverse)
// and d (hold end) of the set's translation table, then those of its
// rotation table. Labels read LABEL_BASE + "_trans_" / "_quat_" + PART +
// "_" + ANIMATION + "_a" ...
// Appends them to *TEXT, every line ended by CR LF, as a LineWriter writes
// them.
void AppendKeyframeTableSet(const KeyframeTableSet& set, GrowingText* text);
void WriteKeyframeTableSet(LineWriter& out, const KeyframeTableSet& set);

}  // namespace zum

#endif  // ZUM_ENGINE_KEYFRAME_WRITER_H_
