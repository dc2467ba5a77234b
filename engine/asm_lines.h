#ifndef ZUM_ENGINE_ASM_LINES_H_
#define ZUM_ENGINE_ASM_LINES_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/job.h"
#include "engine/line_io.h"
#include "engine/run_warnings.h"
#include "engine/status.h"

namespace zum {

inline constexpr int kMaxLineTokens = 10;

// One line split into words: Token(1)..Token(Count), the last being the
// comment (with its semicolon) or the empty text.
struct LineTokens {
  int16_t Count = 0;
  std::array<std::string, kMaxLineTokens + 1> Tokens;  // [1..10]

  // Token I, or the empty text when I lies beyond Count.
  const std::string& Token(int i) const {
    static const std::string kEmpty;
    return (i >= 1 && i <= Count) ? Tokens[i] : kEmpty;
  }
};

// Whether LINE contains TEXT anywhere: the exact-case test by which every
// chunk writer recognises tags, labels and commands.
inline bool Contains(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

// The words of a line that needs none of the splitter's special cases, as
// views into the line.
struct PlainTokens {
  int count = 0;
  std::array<std::string_view, kMaxLineTokens + 1> words;  // [1..10]

  std::string_view Token(int i) const {
    return (i >= 1 && i <= count) ? words[i] : std::string_view();
  }
};

// Splits LINE like SplitAsmLine when the trimmed line holds no semicolon,
// neither starts nor ends with a comma and has at most 9 words; returns
// false, leaving the line to SplitAsmLine, otherwise.
bool SplitPlainAsmLine(std::string_view line, PlainTokens* tokens);

// The companion file name: NAME less its last four characters, followed by
// "_0.asm" ("gate.asm" -> "gate_0.asm"). Returns false with *err filled when
// NAME has fewer than four characters.
bool IncludedFileName(std::string_view name, std::string* companion,
                      std::string* err);

// Splits LINE: blanks and commas separate words and a semicolon starts the
// comment, which is always the last token (empty when there is none).
// Returns false with *err filled when the line has more than 10 tokens.
bool SplitAsmLine(std::string_view line, LineTokens* tokens, std::string* err);

// Which keyframe table a line starts, if any. The two readers of tables go
// by different rules, each following the chunk it reads, and both decide the
// output:
// - ScannedTableKind, the scan of a whole companion file (its frame counts
//   and label prefix): only label lines count, since the file's command
//   chunk names the tables too. A label line with "_quat_" is a rotation
//   table, else one with "_trans_" a translation table.
// - ParameterTableKind, the run inside the animation parameters chunk, where
//   part labels ("_mod_1", tested by the caller first) and tables are the
//   only labelled lines: a line with "_trans_" is a translation table, with
//   or without "label", and only then a line with "_quat_" a rotation table.
//   A label holding both texts is therefore a rotation table to the scan and
//   a translation table to the run, as the command chunk refers to it.
std::optional<KeyframeKind> ScannedTableKind(std::string_view line);
std::optional<KeyframeKind> ParameterTableKind(std::string_view line);

enum class TableRead {
  kAllRows,  // every number of every row
  kLastKey,  // the lines of all rows, but only the last row's key
};

// Reads the keyframe table whose label line IN has just returned: three
// header lines, the row count line ("dw" and the count) and the rows
// ("real4" and four numbers, five for a rotation table). Errors name the file
// and line: a missing or non-integer row count, a count below 1 or above 1025,
// a value beyond the float range, a key whose distance from the last key
// (the reverse table's key) is beyond it, too many tokens, a read failure,
// the end of the file; with kLastKey only in the lines that are read as
// numbers.
//
// With WARNINGS, every text read other than as written is added there,
// naming its line: a row count that is no whole number or stands on a line
// other than a dw line, a key or value that is not a number or has text
// after it ("value 2 'abc' read as 0"), a missing value, a line read as a
// row that is not a real4 row (a label line, a dw line, an empty line, the
// chunk's end line). Rows of plain numbers cost no more with WARNINGS.
Status ReadKeyframeTable(LineReader& in, KeyframeKind kind,
                         KeyframeTable* table,
                         TableRead read = TableRead::kAllRows,
                         RunWarnings* warnings = nullptr);

}  // namespace zum

#endif  // ZUM_ENGINE_ASM_LINES_H_
