#ifndef ZUM_SETTINGS_WARNING_MARKS_H_
#define ZUM_SETTINGS_WARNING_MARKS_H_

#include <string>
#include <string_view>

#include "engine/condition_lines.h"

// The warning mark beside a condition box: what the window tells an author
// about a text while it is typed. The mark never stops the author; the page
// checks decide alone what Next accepts.
namespace zum {

// The kinds of condition boxes. A variable or limit box passes its text to
// the BGL compiler as typed; the bounding-box extents and the rotation are
// converted by the run itself.
enum class MarkedBox {
  kPasted,  // a variable, a minimum, a maximum or a mask value
  kBoxXMin,
  kBoxXMax,
  kBoxYMin,
  kBoxYMax,
  kBoxZMin,
  kBoxZMax,
  kRotation,
};

// The tooltip of a pasted box whose text is a symbol or an expression.
inline constexpr const char* kSymbolMarkTip =
    "Not a number: the BGL compiler must know a symbol of this name";

// True when TEXT, blanks around it aside, is a variable offset as the
// variable table writes them: a digit, then digits and letters A-F in
// either case, then "h" or "H" ("0282h").
bool IsHexOffset(std::string_view text);

// The mark of BOX (of the condition in ROLE) holding TEXT: empty for no
// mark. An empty text gets none (the page checks speak about missing
// values). A pasted box gets kSymbolMarkTip unless TEXT is a number or a
// variable offset; an extent or the rotation gets the run's own error for
// TEXT, "animation trigger: rotation 'x' is not a number", when the run
// would stop on it.
std::string WarningMarkTip(MarkedBox box, ConditionRole role,
                           std::string_view text);

}  // namespace zum

#endif  // ZUM_SETTINGS_WARNING_MARKS_H_
