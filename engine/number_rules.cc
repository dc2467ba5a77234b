#include "engine/number_rules.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zum {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr double kExactPow10[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Reads the digits from P on into *mantissa (which wraps beyond 19 digits)
// and returns the position after them. The text ends at END; with
// kTerminated the character at END is readable and no digit (a string's
// terminating NUL), which spares a bounds check per character.
template <bool kTerminated>
const char* TakeDigits(const char* p, const char* end, uint64_t* mantissa) {
  uint64_t m = *mantissa;
  for (; kTerminated || p < end; ++p) {
    const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (digit > 9) {
      break;
    }
    m = m * 10 + digit;
  }
  *mantissa = m;
  return p;
}

// Reads the common number that starts at BEGIN and returns its length: at
// most 19 digits, no exponent, and its digits, the point left out, at most
// 2^53. It is an exact double divided by an exact power of ten: one
// correctly rounded operation. Returns 0 for other texts. The text ends at
// END, as TakeDigits reads it.
template <bool kTerminated>
size_t ReadShortNumber(const char* begin, const char* end, double* value) {
  const auto char_at = [end](const char* p) {
    return kTerminated || p < end ? *p : '\0';
  };
  const char* p = begin;
  const bool negative = char_at(p) == '-';
  if (char_at(p) == '+' || char_at(p) == '-') {
    ++p;
  }
  uint64_t mantissa = 0;
  const char* const whole_start = p;
  p = TakeDigits<kTerminated>(p, end, &mantissa);
  size_t digits = static_cast<size_t>(p - whole_start);
  size_t decimals = 0;
  if (char_at(p) == '.') {
    const char* const fraction_start = ++p;
    p = TakeDigits<kTerminated>(p, end, &mantissa);
    decimals = static_cast<size_t>(p - fraction_start);
    digits += decimals;
  }
  if (digits == 0 || digits > 19 || mantissa > (uint64_t{1} << 53) ||
      char_at(p) == 'e' || char_at(p) == 'E') {
    return 0;
  }
  const double result = static_cast<double>(mantissa) / kExactPow10[decimals];
  *value = negative ? -result : result;
  return static_cast<size_t>(p - begin);
}

// Reads the number that starts TEXT (sign, digits with an optional point,
// an optional exponent) and returns its length, 0 when TEXT does not start
// with a number. Numbers of at most 15 significant digits with a small
// decimal exponent are an exact double divided or multiplied by an exact
// power of ten: one correctly rounded operation. Others go to strtod.
size_t ReadLongNumber(std::string_view text, double* value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  uint64_t mantissa = 0;
  int significant = 0;  // digits counted from the first non-zero one
  int exponent = 0;
  // Takes digit D; a digit after the point also lowers the exponent unless
  // it is beyond what the mantissa holds (strtod reads such numbers).
  const auto take = [&](unsigned d, int place) {
    if (significant < 19 && (mantissa != 0 || d != 0)) {
      ++significant;
      mantissa = mantissa * 10 + d;
      exponent -= place;
    } else if (mantissa == 0) {
      exponent -= place;  // a leading zero
    } else {
      ++significant;
    }
  };
  const size_t whole_start = i;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    take(static_cast<unsigned>(text[i] - '0'), 0);
  }
  size_t digits = i - whole_start;
  if (i < text.size() && text[i] == '.') {
    const size_t fraction_start = ++i;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      take(static_cast<unsigned>(text[i] - '0'), 1);
    }
    digits += i - fraction_start;
  }
  if (digits == 0) {
    return 0;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    int sign = 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      sign = text[j] == '-' ? -1 : 1;
      ++j;
    }
    if (j < text.size() && IsDigit(text[j])) {
      int written = 0;
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        if (written < 10000) {
          written = written * 10 + (text[j] - '0');
        }
      }
      exponent += sign * written;
      i = j;
    }
  }
  if (significant <= 15 && exponent >= -22 && exponent <= 22) {
    const double m = static_cast<double>(mantissa);
    const double result =
        exponent < 0 ? m / kExactPow10[-exponent] : m * kExactPow10[exponent];
    *value = negative ? -result : result;
  } else {
    // strtod needs a terminated string; the number is short.
    const std::string copy(text.substr(0, i));
    *value = std::strtod(copy.c_str(), nullptr);
  }
  return i;
}

// The number that starts TEXT: the common one by ReadShortNumber, others by
// ReadLongNumber. With kTerminated, TEXT is followed in memory by a byte
// that is no part of a number (see ReadNumberAt).
template <bool kTerminated>
size_t ReadNumber(std::string_view text, double* value) {
  if (const size_t length = ReadShortNumber<kTerminated>(
          text.data(), text.data() + text.size(), value)) {
    return length;
  }
  return ReadLongNumber(text, value);
}

size_t ReadDecimalNumber(std::string_view text, double* value) {
  return ReadNumber<false>(text, value);
}

// VALUE as short text for a message: "40000", "1e+39".
std::string NumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

}  // namespace

std::string Excerpt(std::string_view text) {
  if (text.size() <= kMaxQuotedText) {
    return std::string(text);
  }
  return std::string(text.substr(0, kMaxQuotedText)) + "...";
}

std::string Quoted(std::string_view text) {
  return "'" + Excerpt(text) + "'";
}

std::string_view TrimBlanks(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) {
    return {};
  }
  size_t end = text.find_last_not_of(' ');
  return text.substr(begin, end - begin + 1);
}

size_t ReadNumberPrefix(std::string_view text, double* value) {
  return ReadDecimalNumber(text, value);
}

size_t ReadNumberAt(std::string_view text, size_t start, double* value) {
  return ReadNumber<true>(text.substr(start), value);
}

double LeadingNumber(std::string_view text) {
  bool whole;
  return LeadingNumber(text, &whole);
}

double LeadingNumber(std::string_view text, bool* whole) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) {
    *whole = false;
    return 0;
  }
  text.remove_prefix(begin);
  double value;
  const size_t length = ReadDecimalNumber(text, &value);
  *whole = length != 0 && length == text.size();
  return length == 0 ? 0 : value;
}

bool ParseWholeNumber(std::string_view text, double* value) {
  std::string_view t = TrimBlanks(text);
  double number;
  size_t length = ReadDecimalNumber(t, &number);
  if (length == 0 || length != t.size()) {
    return false;
  }
  *value = number;
  return true;
}

bool IsNumeric(std::string_view text) {
  double ignored;
  return ParseWholeNumber(text, &ignored);
}

bool RoundToInt16(double value, int16_t* result, std::string* err) {
  double rounded = std::nearbyint(value);  // the default mode: ties to even
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
    *err = "number " + NumberText(value) +
           " is outside the 16-bit range -32768..32767";
    return false;
  }
  *result = static_cast<int16_t>(rounded);
  return true;
}

bool ToInt16(std::string_view text, int16_t* value, std::string* err) {
  double number;
  if (!ParseWholeNumber(text, &number)) {
    *err = text.empty() ? "expected a whole number, found nothing"
                        : "expected a whole number, found " + Quoted(text);
    return false;
  }
  if (!RoundToInt16(number, value, err)) {
    *err = "number " + Quoted(TrimBlanks(text)) +
           " is outside the 16-bit range -32768..32767";
    return false;
  }
  return true;
}

bool ToInt16Named(std::string_view what, std::string_view text, int16_t* value,
                  std::string* err) {
  if (ToInt16(text, value, err)) {
    return true;
  }
  *err = std::string(what) + ": " + *err;
  return false;
}

bool StoreFloat32(double value, float* result, std::string* err) {
  // The conversion rounds to nearest; what rounds beyond the largest float
  // becomes infinite.
  float f = static_cast<float>(value);
  if (!std::isfinite(f)) {
    *err = "number " + NumberText(value) +
           " is beyond the range of a 32-bit float";
    return false;
  }
  *result = f;
  return true;
}

bool ToFloat32(std::string_view text, float* value, std::string* err) {
  double number;
  if (!ParseWholeNumber(text, &number)) {
    *err = text.empty() ? "expected a number, found nothing"
                        : "expected a number, found " + Quoted(text);
    return false;
  }
  if (!StoreFloat32(number, value, err)) {
    *err = "number " + Quoted(TrimBlanks(text)) +
           " is beyond the range of a 32-bit float";
    return false;
  }
  return true;
}

std::string IntText(long value) {
  return std::to_string(value);
}

bool Add16(int a, int b, int16_t* result) {
  long sum = static_cast<long>(a) + b;
  if (sum < -32768 || sum > 32767) {
    return false;
  }
  *result = static_cast<int16_t>(sum);
  return true;
}

bool Mul16(int a, int b, int16_t* result) {
  long long product = static_cast<long long>(a) * b;
  if (product < -32768 || product > 32767) {
    return false;
  }
  *result = static_cast<int16_t>(product);
  return true;
}

}  // namespace zum
