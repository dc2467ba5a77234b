#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "engine/number_rules.h"

namespace zum {
namespace {

TEST(KeyframeNumberTest, WorkedExamples) {
  struct Case {
    float value;
    int decimals;
    const char* text;
  } cases[] = {
      {0.0f, 3, " 0.0"},
      {20.0f, 3, " 20.0"},
      {0.25f, 3, "0.25"},
      {-0.5f, 3, "-0.5"},
      {-2.0f, 3, "-2.0"},
      {1.23456f, 3, " 1.235"},
      {12.75f, 1, " 12.8"},
      {12.25f, 1, " 12.2"},
      {0.0625f, 3, "0.062"},
      {-0.0001f, 3, " 0.0"},
      {-0.0f, 1, " 0.0"},
      {0.04f, 1, " 0.0"},
      {0.05f, 1, "0.1"},
      {-0.001f, 3, "-0.001"},
      {100.0f, 1, " 100.0"},
      {9999999.0f, 1, " 9999999.0"},
      {123456.789f, 3, " 123456.8"},
      {-1234.5678f, 3, "-1234.568"},
      {0.999f, 3, "0.999"},
      {0.9996f, 3, " 1.0"},
      {65535.0f, 1, " 65535.0"},
      // Whole parts and fractions of odd and even lengths, with zeros inside
      // and in front.
      {0.01f, 3, "0.01"},
      {10.101f, 3, " 10.101"},
      {99.099f, 3, " 99.099"},
      {1000.01f, 3, " 1000.01"},
      {-100.5f, 1, "-100.5"},
      {123456.5f, 1, " 123456.5"},
      {1234567.0f, 1, " 1234567.0"},
      // Exact floats that are ties at the rounding position go to even.
      {0.125f, 3, "0.125"},
      {0.1875f, 3, "0.188"},
      {2.25f, 1, " 2.2"},
      {-2.25f, 1, "-2.2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyframeNumber(c.value, c.decimals), c.text)
        << c.value << " with " << c.decimals << " decimals";
  }
}

// The same rules spelled out with the C library's exactly rounding printf:
// the slow reference for the fast formatter.
std::string ReferenceKeyframeNumber(float value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals,
                static_cast<double>(value));
  float stored = static_cast<float>(std::strtod(text, nullptr));
  if (stored == 0) {
    return " 0.0";
  }
  if (std::fabs(stored) >= 1e7f) {
    // The exponent form, the mantissa without trailing zeros.
    std::snprintf(text, sizeof text, "%.6E", static_cast<double>(stored));
    const std::string s(text);
    const size_t e = s.find('E');
    std::string mantissa = s.substr(0, e);
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.') {
      mantissa.pop_back();
    }
    return (stored > 0 ? " " : "") + mantissa + s.substr(e);
  }
  std::snprintf(text, sizeof text, "%.6e", static_cast<double>(stored));
  // Digits and exponent of the 7 significant digits.
  std::string s(text);
  bool negative = s[0] == '-';
  if (negative) {
    s.erase(0, 1);
  }
  std::string digits = s.substr(0, 1) + s.substr(2, 6);
  int exponent = std::atoi(s.c_str() + s.find('e') + 1);
  std::string whole, fraction;
  if (exponent >= 0) {
    whole = digits.substr(0, exponent + 1);
    fraction = digits.substr(exponent + 1);
  } else {
    fraction = std::string(-exponent - 1, '0') + digits;
  }
  while (!fraction.empty() && fraction.back() == '0') {
    fraction.pop_back();
  }
  std::string out = negative ? "-" : " ";
  out += whole;
  if (!fraction.empty()) {
    out += "." + fraction;
  }
  if (out == " " || out == "-") {
    return " 0.0";
  }
  size_t p;
  if ((p = out.find(" .")) != std::string::npos) {
    out.replace(p, 2, "0.");
  }
  if ((p = out.find("-.")) != std::string::npos) {
    out.replace(p, 2, "-0.");
  }
  if (out.find('.') == std::string::npos) {
    out += ".0";
  }
  return out;
}

TEST(KeyframeNumberTest, AgreesWithExactReferenceOnRandomValues) {
  std::mt19937 random(2004);
  std::uniform_real_distribution<double> magnitude(-4.0, 6.9);
  for (int i = 0; i < 600000; ++i) {
    double m = std::pow(10.0, magnitude(random));
    float value = static_cast<float>(random() % 2 ? m : -m);
    for (int decimals : {1, 3}) {
      ASSERT_EQ(KeyframeNumber(value, decimals),
                ReferenceKeyframeNumber(value, decimals))
          << "value " << value << " decimals " << decimals;
    }
  }
}

// Values as an exporter's six decimals give them, many of them ties or near
// ties at the third decimal once stored as floats.
TEST(KeyframeNumberTest, AgreesWithExactReferenceOnExporterValues) {
  std::mt19937 random(1025);
  for (int i = 0; i < 400000; ++i) {
    const long millionths = static_cast<long>(random() % 20000001) - 10000000;
    const float value =
        static_cast<float>(millionths / 1e6 * (1 << random() % 12));
    for (int decimals : {1, 3}) {
      ASSERT_EQ(KeyframeNumber(value, decimals),
                ReferenceKeyframeNumber(value, decimals))
          << "value " << value << " decimals " << decimals;
    }
  }
}

// Whole numbers, the common keys, on both sides of 10^6, 10^7 and 2^24,
// where the written form and the rounding change.
TEST(KeyframeNumberTest, AgreesWithExactReferenceOnWholeNumbers) {
  std::mt19937 random(1020);
  const double limits[] = {10, 1100, 1e6, 1.5e6, 1e7, 2e7, 3.4e7, 1e9, 1e20};
  for (int i = 0; i < 300000; ++i) {
    const double limit = limits[i % std::size(limits)];
    const double n =
        std::floor(std::uniform_real_distribution<double>(0, limit)(random));
    const float value = static_cast<float>(random() % 2 ? n : -n);
    for (int decimals : {1, 3}) {
      ASSERT_EQ(KeyframeNumber(value, decimals),
                ReferenceKeyframeNumber(value, decimals))
          << "value " << value << " decimals " << decimals;
    }
  }
  for (float value : {999999.0f, 1000000.0f, 9999999.0f, 10000000.0f,
                      16777215.0f, 16777216.0f, 16777218.0f, 123456792.0f}) {
    for (float signed_value : {value, -value}) {
      for (int decimals : {1, 3}) {
        EXPECT_EQ(KeyframeNumber(signed_value, decimals),
                  ReferenceKeyframeNumber(signed_value, decimals))
            << "value " << signed_value << " decimals " << decimals;
      }
    }
  }
  EXPECT_EQ(KeyframeNumber(1020.0f, 1), " 1020.0");
  EXPECT_EQ(KeyframeNumber(-5.0f, 3), "-5.0");
  EXPECT_EQ(KeyframeNumber(9999999.0f, 3), " 9999999.0");
  EXPECT_EQ(KeyframeNumber(10000000.0f, 1), " 1E+07");
  EXPECT_EQ(KeyframeNumber(-12345678.0f, 1), "-1.234568E+07");
}

// Values with one and with three decimals as an exporter's text gives them,
// exact ties at the rounding position (odd quarters for one decimal, odd
// sixteenths for three) and the reverse keys as the writer takes them, the
// last key less a key in float arithmetic.
TEST(KeyframeNumberTest, AgreesWithExactReferenceOnTiesAndReverseKeys) {
  std::mt19937 random(1025);
  const long limits[] = {10, 1000, 100000, 10000000, 100000000};
  const auto whole = [&](long limit) {
    const long n = static_cast<long>(random() % static_cast<unsigned>(limit));
    return random() % 2 ? n : -n;
  };
  for (int i = 0; i < 100000; ++i) {
    const long limit = limits[i % std::size(limits)];
    const long odd = 2 * static_cast<long>(random() % 8) + 1;
    const float last_key = static_cast<float>(whole(limit) / 10.0);
    const float values[] = {
        static_cast<float>(whole(limit) / 10.0),
        static_cast<float>(whole(limit) / 1000.0),
        static_cast<float>((whole(limit) * 4 + odd % 4) / 4.0),
        static_cast<float>((whole(limit) * 16 + odd) / 16.0),
        last_key - static_cast<float>(whole(limit) / 10.0),
        last_key - static_cast<float>(whole(limit)),
    };
    for (float value : values) {
      for (int decimals : {1, 3}) {
        ASSERT_EQ(KeyframeNumber(value, decimals),
                  ReferenceKeyframeNumber(value, decimals))
            << "value " << value << " decimals " << decimals;
      }
    }
  }
}

// The raw form writes the same text and never more than its room, for any
// number of decimals it takes and for every kind of float.
TEST(KeyframeNumberTest, WritesWithinItsRoom) {
  const float values[] = {0.0f,    -0.0f,     0.0005f,     -0.0005f,
                          1e-40f,  999.9995f, -999.9996f,  99999.95f,
                          1e7f,    -1e7f,     16777216.0f, 3e9f,
                          FLT_MAX, -FLT_MAX,  INFINITY,    -INFINITY,
                          NAN,     0.1f,      -123.456f,   1234567.5f};
  for (float value : values) {
    for (int decimals = 0; decimals <= 6; ++decimals) {
      char room[kMaxKeyframeNumberLength + 8];
      std::memset(room, '#', sizeof room);
      char* const end = WriteKeyframeNumber(value, decimals, room);
      EXPECT_LE(end - room, 13) << value << " with " << decimals;
      EXPECT_EQ(std::string(room + kMaxKeyframeNumberLength, 8), "########")
          << value << " with " << decimals;
      if (std::isfinite(value)) {
        EXPECT_EQ(std::string(room, static_cast<size_t>(end - room)),
                  ReferenceKeyframeNumber(value, decimals))
            << value << " with " << decimals;
      }
    }
  }
}

}  // namespace
}  // namespace zum
