#include "engine/number_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace zum {
namespace {

TEST(LeadingNumberTest, ReadsTheNumberAtTheStart) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"12", 12},       {"  12abc", 12}, {"-3.5", -3.5}, {"+2", 2},
      {".5", 0.5},      {"5.", 5},       {"1e3", 1000},  {"1E+2x", 100},
      {"2.5e-1", 0.25}, {"1e", 1},       {"abc", 0},     {"", 0},
      {"   ", 0},       {"\t12", 0},     {"-", 0},       {".", 0},
      {"1,5", 1},       {"12 34", 12},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << "'" << c.text << "'";
  }
}

TEST(LeadingNumberTest, AgreesWithStrtodOnRandomDecimals) {
  std::mt19937 random(18);
  for (int i = 0; i < 400000; ++i) {
    std::string text = random() % 2 ? "-" : "";
    int digits = 1 + static_cast<int>(random() % 20);
    int point = static_cast<int>(random() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point) {
        text += '.';
      }
      text += static_cast<char>('0' + random() % 10);
    }
    if (random() % 4 == 0) {
      text += "e" + std::to_string(static_cast<int>(random() % 61) - 30);
    }
    ASSERT_EQ(LeadingNumber(text), std::strtod(text.c_str(), nullptr)) << text;
  }
}

// What the parse leaves to strtod's other forms: it reads decimal numbers
// only, and tabs are no blanks.
TEST(LeadingNumberTest, ReadsNoHexadecimalInfinityOrNan) {
  struct Case {
    const char* text;
    double value;
    bool whole;
  } cases[] = {
      {"0x1A", 0, false},      {"0X10", 0, false}, {"inf", 0, false},
      {"-INF", 0, false},      {"nan", 0, false},  {"infinity", 0, false},
      {"  +7", 7, true},       {"+-1", 0, false},  {"--1", 0, false},
      {"\t7", 0, false},       {"7\t", 7, false},  {" 1e400", HUGE_VAL, true},
      {"-1e-400", -0.0, true}, {"1e+", 1, false},  {"007.50", 7.5, true},
  };
  for (const Case& c : cases) {
    bool whole = !c.whole;
    const double value = LeadingNumber(c.text, &whole);
    EXPECT_EQ(value, c.value) << "'" << c.text << "'";
    EXPECT_EQ(std::signbit(value), std::signbit(c.value))
        << "'" << c.text << "'";
    EXPECT_EQ(whole, c.whole) << "'" << c.text << "'";
  }
}

// The texts an exporter writes: floats with six decimals or nine
// significant digits, whole keys with ".0", after blanks and a "+" or "-".
TEST(LeadingNumberTest, AgreesWithStrtodOnExporterTexts) {
  std::mt19937 random(2026);
  std::uniform_real_distribution<double> magnitude(-8.0, 8.0);
  const char* const formats[] = {"%.6f", "%.9g", "%.0f.0", "%.17g", "%.3e"};
  char text[64];
  for (int i = 0; i < 500000; ++i) {
    const double m = std::pow(10.0, magnitude(random));
    const char* format = formats[random() % 5];
    const char* sign = random() % 3 == 0 ? "-" : random() % 2 ? "+" : "";
    std::snprintf(text, sizeof text, "%*s%s", static_cast<int>(random() % 3),
                  "", sign);
    const size_t start = std::string(text).size();
    std::snprintf(text + start, sizeof text - start, format,
                  static_cast<double>(static_cast<float>(m)));
    bool whole = false;
    ASSERT_EQ(LeadingNumber(text, &whole), std::strtod(text, nullptr)) << text;
    ASSERT_TRUE(whole) << text;
  }
}

TEST(NumberRulesTest, ToInt16RoundsHalfToEvenWithinRange) {
  struct Case {
    const char* text;
    int value;  // 99: refused
  } cases[] = {
      {"0", 0},           {" 12 ", 12},         {"2.5", 2},   {"3.5", 4},
      {"-2.5", -2},       {"30.5", 30},         {"31.5", 32}, {"32767", 32767},
      {"32767.4", 32767}, {"-32768.5", -32768}, {"1e2", 100}, {"007", 7},
      {"", 99},           {"   ", 99},          {"abc", 99},  {"1 2", 99},
      {"32767.5", 99},    {"-32769", 99},       {"\t1", 99},  {"1e9", 99},
  };
  for (const Case& c : cases) {
    int16_t value = 99;
    std::string err;
    EXPECT_EQ(ToInt16(c.text, &value, &err), c.value != 99) << c.text;
    EXPECT_EQ(value, c.value) << "'" << c.text << "'";
    EXPECT_EQ(err.empty(), c.value != 99) << c.text;
  }
  int16_t value;
  std::string err;
  ToInt16("12abc", &value, &err);
  EXPECT_EQ(err, "expected a whole number, found '12abc'");
  ToInt16("40000", &value, &err);
  EXPECT_EQ(err, "number '40000' is outside the 16-bit range -32768..32767");
}

TEST(NumberRulesTest, NumericTestAcceptsNumbersWithBlanksOnly) {
  EXPECT_TRUE(IsNumeric("12"));
  EXPECT_TRUE(IsNumeric(" -1.5e3 "));
  EXPECT_TRUE(IsNumeric(".5"));
  EXPECT_FALSE(IsNumeric(""));
  EXPECT_FALSE(IsNumeric("0280h"));
  EXPECT_FALSE(IsNumeric("1.2.3"));
}

TEST(NumberRulesTest, Float32StorageRefusesOverflow) {
  float f;
  std::string err;
  EXPECT_TRUE(ToFloat32(" 2.5 ", &f, &err));
  EXPECT_EQ(f, 2.5f);
  EXPECT_FALSE(ToFloat32("1e39", &f, &err));
  EXPECT_FALSE(ToFloat32("x", &f, &err));
  EXPECT_TRUE(StoreFloat32(0.1, &f, &err));
  EXPECT_EQ(f, 0.1f);
  EXPECT_FALSE(StoreFloat32(1e300, &f, &err));
  EXPECT_FALSE(StoreFloat32(-1e300, &f, &err));
}

TEST(NumberRulesTest, CheckedArithmeticStopsAtSixteenBits) {
  int16_t r = 5;
  EXPECT_TRUE(Add16(32766, 1, &r));
  EXPECT_EQ(r, 32767);
  EXPECT_FALSE(Add16(32767, 1, &r));
  EXPECT_FALSE(Add16(-32768, -1, &r));
  EXPECT_EQ(r, 32767);
  EXPECT_TRUE(Mul16(-128, 256, &r));
  EXPECT_EQ(r, -32768);
  EXPECT_FALSE(Mul16(256, 128, &r));
  EXPECT_EQ(IntText(-12), "-12");
  EXPECT_EQ(IntText(0), "0");
}

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

}  // namespace
}  // namespace zum
