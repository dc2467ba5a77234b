#include "engine/number_rules.h"

#include <array>
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

constexpr double kExactPow10[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Reads the number that starts TEXT (sign, digits with an optional point,
// an optional exponent) in one pass and returns its length, 0 when TEXT does
// not start with a number. Numbers of at most 15 significant digits with a
// small decimal exponent, which is what the exporter writes, are an exact
// double divided or multiplied by an exact power of ten: one correctly
// rounded operation. Others go to strtod.
// The common number of at most 19 digits and no exponent whose digits, the
// point left out, are at most 2^53: an exact double divided by an exact
// power of ten, one correctly rounded operation. Returns 0 for others.
size_t ReadShortNumber(std::string_view text, double* value) {
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  uint64_t mantissa = 0;
  const size_t whole_start = i;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    mantissa = mantissa * 10 + static_cast<uint64_t>(text[i] - '0');
  }
  size_t digits = i - whole_start;
  size_t decimals = 0;
  if (i < text.size() && text[i] == '.') {
    const size_t fraction_start = ++i;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      mantissa = mantissa * 10 + static_cast<uint64_t>(text[i] - '0');
    }
    decimals = i - fraction_start;
    digits += decimals;
  }
  if (digits == 0 || digits > 19 || mantissa > (uint64_t{1} << 53) ||
      (i < text.size() && (text[i] == 'e' || text[i] == 'E'))) {
    return 0;
  }
  const double result = static_cast<double>(mantissa) / kExactPow10[decimals];
  *value = negative ? -result : result;
  return i;
}

size_t ReadDecimalNumber(std::string_view text, double* value) {
  if (const size_t length = ReadShortNumber(text, value)) {
    return length;
  }
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

// VALUE as short text for a message: "40000", "1e+39".
std::string NumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
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

// "00", "01", .. "99": two digits at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Writes the two digits of PAIR (< 100) just before END; returns where they
// start.
char* PairBefore(char* end, uint64_t pair) {
  end -= 2;
  std::memcpy(end, &kDigitPairs[2 * pair], 2);
  return end;
}

// Writes VALUE's decimal digits to the end of the buffer that ends at END;
// returns where they start.
char* DigitsBefore(char* end, uint64_t value) {
  while (value >= 100) {
    end = PairBefore(end, value % 100);
    value /= 100;
  }
  if (value >= 10) {
    return PairBefore(end, value);
  }
  *--end = static_cast<char>('0' + value);
  return end;
}

// Appends Q / 10^SCALE (Q > 0) in the keyframe form: the sign (blank or
// "-"), the whole part ("0" when below 1) and, unless Q is whole, the point
// and the fraction without trailing zeros; ".0" for a whole number. The text
// is built backwards in one buffer and appended at once.
template <int kScale>
void AppendScaledBy(uint64_t q, bool negative, std::string* out) {
  constexpr uint64_t kDivisor = kPow10[kScale];
  const uint64_t whole = q / kDivisor;
  uint64_t fraction = q - whole * kDivisor;
  char buffer[48];
  char* const end = buffer + sizeof buffer;
  char* begin = end;
  if (fraction == 0) {
    *--begin = '0';
  } else {
    int width = kScale;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --width;
    }
    // WIDTH digits, the leading zeros included.
    for (; width >= 2; width -= 2) {
      begin = PairBefore(begin, fraction % 100);
      fraction /= 100;
    }
    if (width == 1) {
      *--begin = static_cast<char>('0' + fraction);
    }
  }
  *--begin = '.';
  begin = DigitsBefore(begin, whole);  // "0" when below 1
  if (whole != 0 || negative) {
    *--begin = negative ? '-' : ' ';  // " .5" reads "0.5", "-.5" "-0.5"
  }
  out->append(begin, static_cast<size_t>(end - begin));
}

// The same for a SCALE known only at run time (0..6); the divisions by a
// constant of the common scales 1 and 3 are multiplications.
void AppendScaled(uint64_t q, int scale, bool negative, std::string* out) {
  switch (scale) {
    case 0:
      return AppendScaledBy<0>(q, negative, out);
    case 1:
      return AppendScaledBy<1>(q, negative, out);
    case 2:
      return AppendScaledBy<2>(q, negative, out);
    case 3:
      return AppendScaledBy<3>(q, negative, out);
    case 4:
      return AppendScaledBy<4>(q, negative, out);
    case 5:
      return AppendScaledBy<5>(q, negative, out);
    default:
      return AppendScaledBy<6>(q, negative, out);
  }
}

// Numbers of 10 000 000 or more keep 7 significant digits in exponent form.
void AppendLargeNumber(float value, std::string* out) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6E", static_cast<double>(value));
  std::string s(text);
  // Drop trailing zeros of the mantissa and the exponent's third digit.
  size_t e = s.find('E');
  if (e == std::string::npos) {
    out->append(s);  // not finite: no caller writes such a value
    return;
  }
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
