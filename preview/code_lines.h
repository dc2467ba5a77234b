#ifndef ZUM_PREVIEW_CODE_LINES_H_
#define ZUM_PREVIEW_CODE_LINES_H_

#include <string>
#include <string_view>
#include <vector>

#include "engine/line_io.h"
#include "engine/status.h"
#include "preview/program.h"

// How the preview reads the words of a written line. The assembler takes a
// tab for a blank, so these do too.
namespace zum {

// TEXT without the blanks and tabs around it.
std::string_view TrimSpace(std::string_view text);

// The first word of TEXT (up to a blank or tab); *REST is what follows it,
// trimmed.
std::string_view FirstWord(std::string_view text, std::string_view* rest);

// True when TRIMMED reads "NAME label TYPE"; *NAME is then its first word.
bool IsLabelLine(std::string_view trimmed, std::string_view* name);

// The comma-separated arguments of REST, each trimmed; one empty argument
// for empty REST.
std::vector<std::string_view> SplitArguments(std::string_view rest);

// A number of a table row: decimal (a fraction kept) or hexadecimal with a
// trailing "h" ("0FFFFh").
bool ReadTableNumber(std::string_view text, double* value);

// Reads "(offset TABLE - offset AREA)" into its two labels; false for any
// other text.
bool ReadOffsetDifference(std::string_view text, std::string_view* table,
                          std::string_view* area);

// A line reader that can give one line back. *IN must outlive it.
class PeekReader {
 public:
  explicit PeekReader(LineReader* in) : in_(in) {}
  bool Next(std::string* line);
  // The next Next() returns LINE again.
  void GiveBack(std::string line);
  // The number of the line that Next() returned last.
  long line_number() const {
    return in_->line_number() - (has_pending_ ? 1 : 0);
  }
  // The reader itself, for reads that never follow a GiveBack().
  LineReader& reader() { return *in_; }

 private:
  LineReader* in_;
  std::string pending_;
  bool has_pending_ = false;
};

// Reads the interpolation table whose label line, LABEL, IN has just
// returned, in either layout the files use: the keyframe layout ("dw 1",
// "real4 -1.0", "real4 16 dup (0.0)", "dw N", then N rows "real4 key,
// value") or the short one ("dw N", then N rows "dw key, value"). The kind
// follows the label ("_mod_": wrapping; "_float_convert_hi": the floats that
// the rows' high words stand for). Sets *FOUND to false, giving the line
// back, when the label is followed by neither layout. Errors name the file
// and line: a row count outside 1..1025, a row that is not two numbers, keys
// that do not ascend, the end of the file.
Status ReadInterpolationTable(std::string_view label, PeekReader& in,
                              InterpolationTable* table, bool* found);

}  // namespace zum

#endif  // ZUM_PREVIEW_CODE_LINES_H_
