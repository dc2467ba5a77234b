#ifndef ZUM_ENGINE_RUN_WARNINGS_H_
#define ZUM_ENGINE_RUN_WARNINGS_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/line_io.h"

namespace zum {

// At most this many warnings of one run are kept as text; the others are
// only counted, so that an input that warns on every row cannot fill the
// memory.
inline constexpr size_t kMaxWarningsKept = 200;

// The warnings of one run: every place where a rule read a text other than
// as it is written ("value 2 'abc' read as 0", "label line ... read as
// keyframe row 4 of 5"), each "FILE:LINE: message" like an error, in
// reading order. A warning never changes what the run writes and never
// stops it; it only tells the author where the output may not be what the
// input meant.
class RunWarnings {
 public:
  // Adds "FILE:LINE: MESSAGE", FILE shortened as in errors (ShortName).
  void Add(const std::string& file, long line, std::string_view message);
  // Adds MESSAGE about the line that IN returned last.
  void AddHere(const LineReader& in, std::string_view message) {
    Add(in.name(), in.line_number(), message);
  }

  // Adds every warning of LATER after these, as if each had been added
  // here: LATER's are counted, and kept while there is room.
  void Append(const RunWarnings& later);

  // The first kMaxWarningsKept warnings.
  const std::vector<std::string>& kept() const { return kept_; }
  // Every warning of the run, kept or not.
  long total() const { return total_; }
  bool empty() const { return total_ == 0; }

 private:
  std::vector<std::string> kept_;
  long total_ = 0;
};

// The text of a number as a warning shows what was read: the shortest text
// that reads back as VALUE ("5", "0.25", "-1e+30").
std::string ReadValueText(float value);

// The warning for a number TEXT that was read as another whole number
// VALUE, "'2.5' read as 2", with WHAT in front ("matrix number '2.5' read
// as 2"); empty when TEXT, blanks aside, is VALUE's number ("7", "+7",
// "7.0", "07").
std::string RoundedNumberWarning(std::string_view what, std::string_view text,
                                 int value);

}  // namespace zum

#endif  // ZUM_ENGINE_RUN_WARNINGS_H_
