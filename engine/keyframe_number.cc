// The keyframe number format (number_rules.h): the rounded value is worked
// out in integers and its text written forward through a raw pointer.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/number_rules.h"

namespace zum {
namespace {

constexpr uint64_t kPow10[] = {1ULL,          10ULL,         100ULL,
                               1000ULL,       10000ULL,      100000ULL,
                               1000000ULL,    10000000ULL,   100000000ULL,
                               1000000000ULL, 10000000000ULL};

// Rounds |F| x 10^SCALE to a whole number, ties to even, exactly. REQUIRES:
// |F| < 2^24 and 0 <= SCALE <= 6. The product of a float's 24-bit
// mantissa and 10^6 fits in a double's 53 bits, so the product is exact, and
// below 2^52 adding 2^52 rounds it to a whole number in the default
// rounding mode, to nearest with ties to even, which the subtraction keeps.
uint64_t RoundScaled(float f, int scale) {
  const double scaled =
      std::fabs(static_cast<double>(f)) * static_cast<double>(kPow10[scale]);
  constexpr double kTwoTo52 = 4503599627370496.0;
  return static_cast<uint64_t>(
      static_cast<int64_t>((scaled + kTwoTo52) - kTwoTo52));
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

// The number of decimal digits of VALUE, 1 for 0.
int DigitCount(uint64_t value) {
  int count = 1;
  for (; value >= 100; value /= 100) {
    count += 2;
  }
  return value >= 10 ? count + 1 : count;
}

// Writes the last WIDTH decimal digits of VALUE from OUT on, leading zeros
// included; returns their end.
char* WriteDigits(uint64_t value, int width, char* out) {
  char* const end = out + width;
  char* at = end;
  for (; at - out >= 2; value /= 100) {
    at -= 2;
    std::memcpy(at, &kDigitPairs[2 * (value % 100)], 2);
  }
  if (at != out) {
    *out = static_cast<char>('0' + value % 10);
  }
  return end;
}

// A whole number of magnitude below 10^7, which is the common key: the sign
// (blank or "-"), the digits and ".0". Zero, negative zero too, is " 0.0".
char* WriteWholeNumber(int32_t whole, char* out) {
  *out++ = whole < 0 ? '-' : ' ';
  const uint32_t magnitude =
      whole < 0 ? 0u - static_cast<uint32_t>(whole) : whole;
  out = WriteDigits(magnitude, DigitCount(magnitude), out);
  std::memcpy(out, ".0", 2);
  return out + 2;
}

// Writes Q / 10^SCALE (Q > 0) in the keyframe form: the sign (blank or "-"),
// the whole part ("0" when below 1) and, unless Q is whole, the point and the
// fraction without trailing zeros; ".0" for a whole number.
template <int kScale>
char* WriteScaledBy(uint64_t q, bool negative, char* out) {
  constexpr uint64_t kDivisor = kPow10[kScale];
  const uint64_t whole = q / kDivisor;
  uint64_t fraction = q - whole * kDivisor;
  if (whole != 0 || negative) {
    *out++ = negative ? '-' : ' ';  // ".5" reads "0.5", "-.5" "-0.5"
  }
  out = WriteDigits(whole, DigitCount(whole), out);
  *out++ = '.';
  if (fraction == 0) {
    *out = '0';
    return out + 1;
  }
  int width = kScale;
  for (; fraction % 10 == 0; fraction /= 10) {
    --width;
  }
  return WriteDigits(fraction, width, out);
}

// The same for a SCALE known only at run time (0..6); the divisions by a
// constant of the common scales 1 and 3 are multiplications.
char* WriteScaled(uint64_t q, int scale, bool negative, char* out) {
  switch (scale) {
    case 0:
      return WriteScaledBy<0>(q, negative, out);
    case 1:
      return WriteScaledBy<1>(q, negative, out);
    case 2:
      return WriteScaledBy<2>(q, negative, out);
    case 3:
      return WriteScaledBy<3>(q, negative, out);
    case 4:
      return WriteScaledBy<4>(q, negative, out);
    case 5:
      return WriteScaledBy<5>(q, negative, out);
    default:
      return WriteScaledBy<6>(q, negative, out);
  }
}

// The digits of a number below 1000 as one entry of a table, written at
// once: all four bytes are copied, the length says how many count.
struct ShortDigits {
  char text[3];
  uint8_t length;
};

// 0 .. 999 without leading zeros: "0", "7", "42", "999".
constexpr std::array<ShortDigits, 1000> kWholeDigits = [] {
  std::array<ShortDigits, 1000> table{};
  for (int i = 0; i < 1000; ++i) {
    const int length = i >= 100 ? 3 : i >= 10 ? 2 : 1;
    for (int d = 0, rest = i; d < length; ++d, rest /= 10) {
      table[i].text[length - 1 - d] = static_cast<char>('0' + rest % 10);
    }
    table[i].length = static_cast<uint8_t>(length);
  }
  return table;
}();

// Thousandths 0 .. 999 as the digits after the point, without trailing
// zeros: "0" for none, "5" for 500, "05" for 50, "125".
constexpr std::array<ShortDigits, 1000> kThousandthDigits = [] {
  std::array<ShortDigits, 1000> table{};
  for (int i = 0; i < 1000; ++i) {
    table[i].text[0] = static_cast<char>('0' + i / 100);
    table[i].text[1] = static_cast<char>('0' + i / 10 % 10);
    table[i].text[2] = static_cast<char>('0' + i % 10);
    table[i].length = i % 100 == 0 ? 1 : i % 10 == 0 ? 2 : 3;
  }
  return table;
}();

char* PutShortDigits(const ShortDigits& digits, char* out) {
  std::memcpy(out, &digits, sizeof digits);
  return out + digits.length;
}

// WriteScaledBy<3> for Q < 10^6, the common value: two table entries.
char* WriteThousandths(uint32_t q, bool negative, char* out) {
  const uint32_t whole = q / 1000;
  if (whole != 0 || negative) {
    *out++ = negative ? '-' : ' ';
  }
  out = PutShortDigits(kWholeDigits[whole], out);
  *out++ = '.';
  return PutShortDigits(kThousandthDigits[q - whole * 1000], out);
}

// Numbers of 10 000 000 or more keep 7 significant digits in exponent form,
// without the mantissa's trailing zeros: " 1.234567E+07", "-2E+10". At most
// 13 characters, since a float stays below 3.5E+38.
char* WriteLargeNumber(float value, char* out) {
  char text[32];
  const int length =
      std::snprintf(text, sizeof text, "%.6E", static_cast<double>(value));
  const char* const exponent =
      static_cast<const char*>(std::memchr(text, 'E', length));
  if (exponent == nullptr) {
    // Not finite ("INF", "-NAN"): no caller writes such a value.
    std::memcpy(out, text, length);
    return out + length;
  }
  const char* mantissa_end = exponent;
  while (mantissa_end > text && mantissa_end[-1] == '0') {
    --mantissa_end;
  }
  if (mantissa_end > text && mantissa_end[-1] == '.') {
    --mantissa_end;
  }
  if (value >= 0) {
    *out++ = ' ';
  }
  std::memcpy(out, text, mantissa_end - text);
  out += mantissa_end - text;
  std::memcpy(out, exponent, text + length - exponent);
  return out + (text + length - exponent);
}

}  // namespace

char* WriteKeyframeNumber(float value, int decimals, char* out) {
  if (std::fabs(value) < 1e7f) {
    // A whole number stays itself when rounded to any number of places and
    // when stored as a float, and has at most 7 digits.
    const auto whole = static_cast<int32_t>(value);
    if (static_cast<float>(whole) == value) {
      return WriteWholeNumber(whole, out);
    }
  } else if (!(std::fabs(value) < 16777216.0f)) {
    // Far beyond any keyframe data: round in double, then write.
    double scale = static_cast<double>(kPow10[decimals]);
    float rounded = static_cast<float>(
        std::nearbyint(static_cast<double>(value) * scale) / scale);
    return WriteLargeNumber(rounded, out);
  }
  // First rounding: to DECIMALS places on the exact float value.
  uint64_t q = RoundScaled(value, decimals);
  bool negative = value < 0 && q != 0;
  if (q == 0) {
    std::memcpy(out, " 0.0", 4);
    return out + 4;
  }
  if (q < 1000000) {
    // Six digits or fewer: storing q / 10^DECIMALS as a float moves it by
    // less than half a unit of the seventh significant digit (at most half
    // a float ulp, and 2^e / 10^E stays below 8.39 for every power of two
    // 2^e in the decade [10^E, 10^(E+1)) that such numbers reach), so the
    // seven-digit form of the stored float is q / 10^DECIMALS itself.
    if (decimals == 3) {
      return WriteThousandths(static_cast<uint32_t>(q), negative, out);
    }
    return WriteScaled(q, decimals, negative, out);
  }
  // The rounded number is stored as a float, then written with at most 7
  // significant digits, again rounding the exact float value.
  float stored = static_cast<float>(static_cast<double>(q) /
                                    static_cast<double>(kPow10[decimals]));
  double magnitude = std::fabs(static_cast<double>(stored));
  if (magnitude >= 1e7) {
    return WriteLargeNumber(negative ? -stored : stored, out);
  }
  // Here the stored number is 100 or more: keep 7 significant digits.
  int integer_digits = 1;
  while (integer_digits < 7 &&
         magnitude >= static_cast<double>(kPow10[integer_digits])) {
    ++integer_digits;
  }
  const int scale = 7 - integer_digits;
  return WriteScaled(RoundScaled(stored, scale), scale, negative, out);
}

void AppendKeyframeNumber(float value, int decimals, std::string* out) {
  char text[kMaxKeyframeNumberLength];
  out->append(text, WriteKeyframeNumber(value, decimals, text));
}

std::string KeyframeNumber(float value, int decimals) {
  std::string text;
  AppendKeyframeNumber(value, decimals, &text);
  return text;
}

}  // namespace zum
