// The number rules and their invariants, over any bytes as text and, from
// the first four bytes, any float.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/number_rules.h"

namespace {

// The length of the number that starts TEXT: a sign, digits with at most
// one point, an exponent only when digits follow its letter; 0 for none.
size_t NumberLength(std::string_view text) {
  size_t i = 0;
  auto digits = [&] {
    size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      ++i;
    }
    return i - start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  size_t count = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    count += digits();
  }
  if (count == 0) {
    return 0;
  }
  const size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      ++i;
    }
    return digits() > 0 ? i : end;
  }
  return end;
}

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// VALUE rounded half to even.
double HalfEven(double value) {
  const double floor = std::floor(value);
  const double rest = value - floor;
  if (rest != 0.5) {
    return rest < 0.5 ? floor : floor + 1;
  }
  return std::fmod(floor, 2) == 0 ? floor : floor + 1;
}

void CheckKeyframeNumber(float value, int decimals) {
  const std::string text = zum::KeyframeNumber(value, decimals);
  if (!std::isfinite(value)) {
    return;  // no crash is all that is asked
  }
  // At most 7 significant digits in the mantissa.
  std::string digits;
  for (char c : text.substr(0, text.find('E'))) {
    if (c >= '0' && c <= '9') {
      digits += c;
    }
  }
  digits.erase(0, digits.find_first_not_of('0'));
  digits.erase(digits.find_last_not_of('0') + 1);
  Check(digits.size() <= 7);
  // Read back within the rounding to DECIMALS places, the 7 digits and the
  // float the number passes through.
  const double back = std::strtod(text.c_str(), nullptr);
  const double magnitude = std::fabs(static_cast<double>(value));
  Check(std::fabs(back - value) <=
        0.5 * std::pow(10.0, -decimals) + magnitude * 7e-7 + 1e-30);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  // The leading-number parse is strtod on the number's own text, bit for bit.
  const size_t blanks = std::min(text.find_first_not_of(' '), text.size());
  const std::string number =
      text.substr(blanks, NumberLength(std::string_view(text).substr(blanks)));
  const double expected =
      number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
  Check(SameBits(zum::LeadingNumber(text), expected));
  // Read inside the text, as a row's numbers are read: the same number,
  // whatever follows it.
  double inside = 0;
  Check(zum::ReadNumberAt(text, blanks, &inside) == number.size());
  Check(number.empty() || SameBits(inside, expected));

  // The 16-bit conversion rounds half to even and checks the range.
  double whole;
  int16_t value = 0;
  std::string err;
  const bool converted = zum::ToInt16(text, &value, &err);
  if (zum::ParseWholeNumber(text, &whole)) {
    const double rounded = HalfEven(whole);
    const bool in_range = rounded >= -32768 && rounded <= 32767;
    Check(converted == in_range);
    Check(!converted || value == rounded);
  } else {
    Check(!converted);
  }

  // Floats: what is beyond their range is an error, and every float has
  // its keyframe text.
  float stored;
  if (zum::ToFloat32(text, &stored, &err)) {
    Check(std::isfinite(stored));
  }
  if (size >= 5) {
    float f;
    std::memcpy(&f, data + 1, sizeof f);
    CheckKeyframeNumber(f, (data[0] & 1) != 0 ? 3 : 1);
  }
  return 0;
}
