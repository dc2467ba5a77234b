#ifndef ZUM_SETTINGS_ONE_LINE_TEXTS_H_
#define ZUM_SETTINGS_ONE_LINE_TEXTS_H_

#include <cstddef>
#include <string_view>

// The files that keep one value a line (settings files, the slot names, the
// recent files' list) can keep only texts without a line break, and the
// window's text boxes hold texts of at most kMaxBoxLength characters. These
// are the tests of both, used where a text enters and where it is written
// or read.
namespace zum {

// The most characters a text box holds; a longer text would be cut.
inline constexpr size_t kMaxBoxLength = 32767;

// Whether TEXT holds a CR or an LF.
bool HoldsLineBreak(std::string_view text);

// The length of TEXT, bytes in the system's 8-bit code page, as a text box
// counts it: in UTF-16 units of the text read as UTF-8 (a character beyond
// U+FFFF counts 2), each byte that starts no valid sequence counting 1. For
// a single-byte code page this is at most the byte count.
size_t BoxLength(std::string_view text);

}  // namespace zum

#endif  // ZUM_SETTINGS_ONE_LINE_TEXTS_H_
