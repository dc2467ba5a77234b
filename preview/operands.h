#ifndef ZUM_PREVIEW_OPERANDS_H_
#define ZUM_PREVIEW_OPERANDS_H_

#include <cstdint>
#include <string>
#include <string_view>

// How the preview reads the numbers of the written code and of a scenario.
namespace zum {

// Reads TEXT (blanks around it allowed) as a number: hexadecimal when it
// ends in "h" or "H" and starts with a digit ("0282h", "0FFFFh"); otherwise
// the engine's whole-number rule ("12", "-5", "2.5"), a fraction rounded half
// to even. False for anything else (an assembler symbol, empty text).
bool ReadOperand(std::string_view text, long* value);

// ReadOperand for a word: values -32768..65535 are stored as their 16 bits
// ("0FFFFh", "65535" and "-1" give the same word). False outside that range.
bool ReadWord(std::string_view text, uint16_t* word);

// An offset as the settings write it: "0282h", "033Bh", "0FFFFh".
std::string OffsetText(uint16_t offset);

// The name by which the preview knows a simulator variable that the code or
// a scenario writes as TEXT: the offset's OffsetText when TEXT is a number
// of 0 to 65535 ("282h", "0282H" and "642" are "0282h"), otherwise TEXT
// without outer blanks (an assembler symbol, whose value the preview cannot
// know).
std::string VariableKey(std::string_view text);

// The word as a signed 16-bit number, as IFIN1 compares it.
inline int SignedWord(uint16_t word) {
  return static_cast<int16_t>(word);
}

}  // namespace zum

#endif  // ZUM_PREVIEW_OPERANDS_H_
