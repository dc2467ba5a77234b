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

// A random number text: a sign, up to 24 whole digits (leading zeros
// often), a point, up to 24 fraction digits, an exponent now and then; some
// are no number at all ("-", ".").
std::string RandomNumberText(std::mt19937& random) {
  std::string text = random() % 3 == 0 ? "-" : random() % 4 == 0 ? "+" : "";
  const auto digits = [&](int count) {
    for (int d = 0; d < count; ++d) {
      text += static_cast<char>('0' + random() % 10);
    }
  };
  if (random() % 4 == 0) {
    text += std::string(random() % 4, '0');
  }
  digits(static_cast<int>(random() % 25) * (random() % 3 == 0 ? 1 : 0) +
         static_cast<int>(random() % 5));
  if (random() % 4 != 0) {
    text += '.';
    digits(static_cast<int>(random() % 25) * (random() % 2 == 0 ? 1 : 0) +
           static_cast<int>(random() % 8));
  }
  if (random() % 8 == 0) {
    text += random() % 2 ? "e" : "E";
    text += random() % 2 ? "-" : "";
    digits(static_cast<int>(random() % 3));
  }
  return text;
}

// The parse inside a row, which relies on the string's terminating NUL
// instead of a bounds check: numbers of every length at every distance from
// the row's end, followed by characters on both sides of the digits ('/',
// ':'), bytes above 0x7f, a NUL inside the row and the row's end. Value and
// length agree with strtod on the number's own text.
TEST(LeadingNumberTest, AgreesWithStrtodInsideRows) {
  std::mt19937 random(8);
  const std::string followers[] = {
      "",
      ",",
      ", 1.5, -2.25",
      " ",
      "/",
      ":",
      "x",
      ".",
      "e",
      "E+",
      std::string("\0 7", 3),
      "\xb9\xb9",
      "\x80",
      "\xff"
      "0",
      "      ;x",
  };
  for (int i = 0; i < 600000; ++i) {
    const std::string prefix = std::string(random() % 12, ' ') + "real4 ";
    const std::string number = RandomNumberText(random);
    const std::string row = prefix + number +
                            followers[random() % std::size(followers)] +
                            std::string(random() % 10, ',');
    double value = 12345;
    const size_t length = ReadNumberAt(row, prefix.size(), &value);
    char* end = nullptr;
    const double expected = std::strtod(row.c_str() + prefix.size(), &end);
    ASSERT_EQ(length, static_cast<size_t>(end - (row.c_str() + prefix.size())))
        << "'" << row << "'";
    if (length != 0) {
      ASSERT_EQ(value, expected) << "'" << row << "'";
      ASSERT_EQ(std::signbit(value), std::signbit(expected)) << row;
    } else {
      ASSERT_EQ(value, 12345) << "'" << row << "'";
    }
    double prefix_value = 12345;
    ASSERT_EQ(ReadNumberPrefix(std::string_view(row).substr(prefix.size()),
                               &prefix_value),
              length)
        << "'" << row << "'";
    ASSERT_EQ(prefix_value, value) << "'" << row << "'";
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

}  // namespace
}  // namespace zum
