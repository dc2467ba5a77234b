#include "engine/number_rules.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace zum {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the number that starts TEXT (sign, digits with an optional
// point, an optional exponent), 0 when it does not start with one.
size_t NumberLength(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    ++i;
    ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) {
    return 0;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      ++j;
    }
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) {
        ++j;
      }
      i = j;
    }
  }
  return i;
}

constexpr double kExactPow10[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Reads a number that NumberLength accepted in full. Numbers with at most 15
// significant digits and a small decimal exponent, which is what the
// exporter writes, are exact doubles divided or multiplied by an exact power
// of ten: one correctly rounded operation. Others go to strtod.
double ParseNumber(std::string_view number) {
  size_t i = 0;
  bool negative = false;
  if (number[i] == '+' || number[i] == '-') {
    negative = number[i] == '-';
    ++i;
  }
  uint64_t mantissa = 0;
  int digits = 0;
  int exponent = 0;
  bool after_point = false;
  for (; i < number.size(); ++i) {
    char c = number[i];
    if (c == '.') {
      after_point = true;
    } else if (IsDigit(c)) {
      if (mantissa != 0 || c != '0') {
        ++digits;
      }
      mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      if (after_point) {
        --exponent;
      }
      if (digits > 15) {
        break;
      }
    } else {
      break;  // the exponent
    }
  }
  if (digits <= 15 && i < number.size()) {
    int sign = 1;
    size_t j = i + 1;
    if (number[j] == '+' || number[j] == '-') {
      sign = number[j] == '-' ? -1 : 1;
      ++j;
    }
    int value = 0;
    for (; j < number.size() && value < 1000; ++j) {
      value = value * 10 + (number[j] - '0');
    }
    exponent += sign * value;
  }
  if (digits <= 15 && exponent >= -22 && exponent <= 22) {
    double m = static_cast<double>(mantissa);
    double result =
        exponent < 0 ? m / kExactPow10[-exponent] : m * kExactPow10[exponent];
    return negative ? -result : result;
  }
  // strtod needs a terminated string; the number is short.
  std::string copy(number);
  return std::strtod(copy.c_str(), nullptr);
}

// VALUE as short text for a message: "40000", "1e+39".
std::string NumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

std::string Quote(std::string_view text) {
  return "'" + std::string(text) + "'";
}

constexpr uint64_t kPow10[] = {1ULL,          10ULL,         100ULL,
                               1000ULL,       10000ULL,      100000ULL,
                               1000000ULL,    10000000ULL,   100000000ULL,
                               1000000000ULL, 10000000000ULL};

// Rounds |F| x 10^SCALE to a whole number, ties to even, exactly. REQUIRES:
// |F| < 2^24 and 0 <= SCALE <= 10, so that the product of the float's
// mantissa and 10^SCALE fits in 64 bits.
uint64_t RoundScaled(float f, int scale) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  uint32_t biased = (bits >> 23) & 0xff;
  uint64_t m = bits & 0x7fffff;
  // |f| = m * 2^-shift.
  int shift = 149;
  if (biased != 0) {
    m |= uint64_t{1} << 23;
    shift = 150 - static_cast<int>(biased);
  }
  uint64_t n = m * kPow10[scale];
  if (shift <= 0) {
    return n << -shift;
  }
  if (shift >= 64) {
    return 0;  // below a quarter: n < 2^58 < 2^(shift - 1)
  }
  uint64_t q = n >> shift;
  uint64_t rest = n & ((uint64_t{1} << shift) - 1);
  uint64_t half = uint64_t{1} << (shift - 1);
  if (rest > half || (rest == half && (q & 1) != 0)) {
    ++q;
  }
  return q;
}

void AppendDigits(uint64_t value, std::string* out) {
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (n > 0) {
    out->push_back(digits[--n]);
  }
}

// Appends Q / 10^SCALE (Q > 0) in the keyframe form: the sign (blank or
// "-"), the whole part ("0" when below 1) and, unless Q is whole, the point
// and the fraction without trailing zeros; ".0" for a whole number.
void AppendScaled(uint64_t q, int scale, bool negative, std::string* out) {
  uint64_t whole = q / kPow10[scale];
  uint64_t fraction = q - whole * kPow10[scale];
  if (whole == 0 && !negative) {
    out->push_back('0');  // " .5" reads "0.5"
  } else {
    out->push_back(negative ? '-' : ' ');
    if (whole == 0) {
      out->push_back('0');  // "-.5" reads "-0.5"
    }
  }
  if (whole != 0) {
    AppendDigits(whole, out);
  }
  if (fraction == 0) {
    out->append(".0");
    return;
  }
  int width = scale;
  while (fraction % 10 == 0) {
    fraction /= 10;
    --width;
  }
  out->push_back('.');
  char buffer[16];
  for (int i = width - 1; i >= 0; --i) {
    buffer[i] = static_cast<char>('0' + fraction % 10);
    fraction /= 10;
  }
  out->append(buffer, width);
}

// Numbers of 10 000 000 or more keep 7 significant digits in exponent form.
void AppendLargeNumber(float value, std::string* out) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6E", static_cast<double>(value));
  std::string s(text);
  // Drop trailing zeros of the mantissa and the exponent's third digit.
  size_t e = s.find('E');
  std::string mantissa = s.substr(0, e);
  std::string exponent = s.substr(e);
  while (!mantissa.empty() && mantissa.back() == '0') {
    mantissa.pop_back();
  }
  if (!mantissa.empty() && mantissa.back() == '.') {
    mantissa.pop_back();
  }
  if (value >= 0) {
    out->push_back(' ');
  }
  out->append(mantissa);
  out->append(exponent);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) {
    return {};
  }
  size_t end = text.find_last_not_of(' ');
  return text.substr(begin, end - begin + 1);
}

double LeadingNumber(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) {
    return 0;
  }
  text.remove_prefix(begin);
  size_t length = NumberLength(text);
  return length == 0 ? 0 : ParseNumber(text.substr(0, length));
}

bool ParseWholeNumber(std::string_view text, double* value) {
  std::string_view t = TrimBlanks(text);
  size_t length = NumberLength(t);
  if (length == 0 || length != t.size()) {
    return false;
  }
  *value = ParseNumber(t);
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
                        : "expected a whole number, found " + Quote(text);
    return false;
  }
  if (!RoundToInt16(number, value, err)) {
    *err = "number " + Quote(TrimBlanks(text)) +
           " is outside the 16-bit range -32768..32767";
    return false;
  }
  return true;
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
                        : "expected a number, found " + Quote(text);
    return false;
  }
  if (!StoreFloat32(number, value, err)) {
    *err = "number " + Quote(TrimBlanks(text)) +
           " is beyond the range of a 32-bit float";
    return false;
  }
  return true;
}

void AppendKeyframeNumber(float value, int decimals, std::string* out) {
  if (!(std::fabs(value) < 16777216.0f)) {
    // Far beyond any keyframe data: round in double, then write.
    double scale = static_cast<double>(kPow10[decimals]);
    float rounded = static_cast<float>(
        std::nearbyint(static_cast<double>(value) * scale) / scale);
    AppendLargeNumber(rounded, out);
    return;
  }
  // First rounding: to DECIMALS places on the exact float value.
  uint64_t q = RoundScaled(value, decimals);
  bool negative = value < 0 && q != 0;
  if (q == 0) {
    out->append(" 0.0");
    return;
  }
  if (q < 1000000) {
    // Six digits or fewer: storing q / 10^DECIMALS as a float moves it by
    // less than half a unit of the seventh significant digit (at most half
    // a float ulp, and 2^e / 10^E stays below 8.39 for every power of two
    // 2^e in the decade [10^E, 10^(E+1)) that such numbers reach), so the
    // seven-digit form of the stored float is q / 10^DECIMALS itself.
    AppendScaled(q, decimals, negative, out);
    return;
  }
  // The rounded number is stored as a float, then written with at most 7
  // significant digits, again rounding the exact float value.
  float stored = static_cast<float>(static_cast<double>(q) /
                                    static_cast<double>(kPow10[decimals]));
  double magnitude = std::fabs(static_cast<double>(stored));
  if (magnitude >= 1e7) {
    AppendLargeNumber(negative ? -stored : stored, out);
    return;
  }
  // Here the stored number is 100 or more: keep 7 significant digits.
  int integer_digits = 1;
  while (integer_digits < 7 &&
         magnitude >= static_cast<double>(kPow10[integer_digits])) {
    ++integer_digits;
  }
  const int scale = 7 - integer_digits;
  AppendScaled(RoundScaled(stored, scale), scale, negative, out);
}

std::string KeyframeNumber(float value, int decimals) {
  std::string text;
  AppendKeyframeNumber(value, decimals, &text);
  return text;
}

std::string IntText(long value) { return std::to_string(value); }

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
