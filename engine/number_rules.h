#ifndef ZUM_ENGINE_NUMBER_RULES_H_
#define ZUM_ENGINE_NUMBER_RULES_H_

#include <cstdint>
#include <string>
#include <string_view>

// The one place where texts become numbers and numbers become texts. A blank
// is the space character; tabs are never skipped.
namespace zum {

// The leading-number parse: skips leading blanks, then reads an optional
// sign, digits with an optional point (".5" and "5." both count) and an
// optional exponent ("e" or "E", optional sign, digits). Stops at the first
// other character; text that does not start with a number gives 0.
double LeadingNumber(std::string_view text);

// Reads the number that starts TEXT, without skipping blanks, and returns
// how many characters it takes, 0 when TEXT does not start with a number
// (*value is then unchanged). LeadingNumber gives the same value.
size_t ReadNumberPrefix(std::string_view text, double* value);

// ReadNumberPrefix(text.substr(START), value) for a TEXT followed in memory
// by a byte that ends every scan (a NUL, CR or LF, as after a string or a
// line read as a view): the common numbers are read without a bounds check
// per character, the row reader's fast path.
// REQUIRES: START <= TEXT.size(); TEXT.data()[TEXT.size()] is readable and
// is a NUL, CR or LF.
size_t ReadNumberAt(std::string_view text, size_t start, double* value);

// LeadingNumber that also says in *whole whether the number is all of TEXT
// after its leading blanks: false for "5x.0", "abc" and the empty text.
double LeadingNumber(std::string_view text, bool* whole);

// Reads TEXT as a whole number: blanks around it are allowed, anything else
// that is not part of the number makes it no number. Returns false for empty
// text and non-numbers.
bool ParseWholeNumber(std::string_view text, double* value);

// The numeric test: true when ParseWholeNumber accepts TEXT.
bool IsNumeric(std::string_view text);

// Converts TEXT to a signed 16-bit integer: a whole number (see
// ParseWholeNumber) rounded half to even, then range-checked (32767.5 fails,
// -32768.5 gives -32768). Returns false with *err filled otherwise.
bool ToInt16(std::string_view text, int16_t* value, std::string* err);

// ToInt16 for a text that a message names WHAT ("keyframe table row
// count"): on failure *err reads "WHAT: " followed by ToInt16's error,
// "WHAT: expected a whole number, found 'x'" or "WHAT: number '40000' is
// outside the 16-bit range -32768..32767". The one wording of both errors.
bool ToInt16Named(std::string_view what, std::string_view text, int16_t* value,
                  std::string* err);

// Rounds VALUE half to even and checks the 16-bit range.
bool RoundToInt16(double value, int16_t* result, std::string* err);

// Stores VALUE as a 32-bit float (nearest, ties to even). Returns false with
// *err filled when VALUE is beyond the float range.
bool StoreFloat32(double value, float* result, std::string* err);

// Reads TEXT as a whole number (see ParseWholeNumber) and stores it as a
// 32-bit float. Returns false with *err filled for a non-number or overflow.
bool ToFloat32(std::string_view text, float* value, std::string* err);

// The keyframe number format: VALUE rounded to DECIMALS places (1 for keys,
// 3 for values), ties to even on the exact float value, then written with at
// most 7 significant digits: a leading blank for zero and positive numbers,
// "-" for negative ones, "0." in front of a fraction below 1, and ".0"
// appended to a whole number. 0 -> " 0.0", 0.25 -> "0.25", -0.5 -> "-0.5",
// -2 -> "-2.0", 20 -> " 20.0". A negative zero after rounding is " 0.0".
std::string KeyframeNumber(float value, int decimals);

// Appends KeyframeNumber(value, decimals) to *out.
void AppendKeyframeNumber(float value, int decimals, std::string* out);

// Room for the longest text KeyframeNumber gives, 13 characters
// (" 3.402823E+38"), with some to spare.
inline constexpr size_t kMaxKeyframeNumberLength = 16;

// Writes KeyframeNumber(value, decimals) from OUT on and returns the end of
// the text, for writers that fill reserved room through a pointer. REQUIRES:
// OUT has room for kMaxKeyframeNumberLength characters.
char* WriteKeyframeNumber(float value, int decimals, char* out);

// Plain decimal integer text, "-" for a negative number, no blanks.
std::string IntText(long value);

// Checked 16-bit arithmetic: false when the exact result leaves
// -32768..32767, *result untouched then.
bool Add16(int a, int b, int16_t* result);
bool Mul16(int a, int b, int16_t* result);

// TEXT as a message quotes it: at most kMaxQuotedText characters, followed
// by "..." when cut, so that a huge line never swells a message.
inline constexpr size_t kMaxQuotedText = 80;
std::string Excerpt(std::string_view text);

// The Excerpt of an offending TEXT in single quotes: "found 'x3'". Fixed
// words of the input language are quoted with double quotes instead
// ("expected \"offset\"").
std::string Quoted(std::string_view text);

// Removes leading and trailing blanks (spaces only).
std::string_view TrimBlanks(std::string_view text);

}  // namespace zum

#endif  // ZUM_ENGINE_NUMBER_RULES_H_
