#include "engine/text_encoding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/testing.h"

namespace zum {
namespace {

std::string Hex(const std::string& bytes) {
  std::string hex;
  for (char c : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof(digits), "%02X ",
                  static_cast<unsigned char>(c));
    hex += digits;
  }
  if (!hex.empty()) {
    hex.pop_back();
  }
  return hex;
}

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 3) {
    bytes.push_back(
        static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

// The table's text with each \uXXXX written as UTF-8.
std::string Unescaped(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\\u") == 0 && i + 6 <= text.size()) {
      const unsigned code = std::stoul(text.substr(i + 2, 4), nullptr, 16);
      if (code < 0x80) {
        out.push_back(static_cast<char>(code));
      } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
      } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
      }
      i += 5;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

TEST(TextEncodingTest, CaseTable) {
  const auto rows = testing::ReadCaseRows(
      std::string(ZUM_SOURCE_DIR) + "/engine/testdata/text_encoding_cases.txt");
  ASSERT_GT(rows.size(), 20u);
  for (const testing::CaseRow& row : rows) {
    SCOPED_TRACE("text_encoding_cases.txt:" + std::to_string(row.line));
    if (row.input.starts_with("read")) {
      const std::string bytes = FromHex(row.input.substr(5));
      const std::string read = SettingsTextToUtf8(bytes);
      EXPECT_EQ(read, Unescaped(row.expected));
      EXPECT_TRUE(IsValidUtf8(read));
#ifndef _WIN32
      // Outside Windows the ANSI code page is Windows-1252.
      if (!IsValidUtf8(bytes) && !bytes.starts_with("\xEF\xBB\xBF")) {
        EXPECT_EQ(AnsiToUtf8(bytes), read);
      }
#endif
    } else {
      ASSERT_TRUE(row.input.starts_with("write"));
      const std::string text = Unescaped(row.input.substr(6));
      std::string bytes;
      const bool written = Utf8ToWindows1252(text, &bytes);
      EXPECT_EQ(written ? Hex(bytes) : "none", row.expected);
      if (written) {
        EXPECT_EQ(Windows1252ToUtf8(bytes), text);
      }
    }
  }
}

TEST(TextEncodingTest, InvalidUtf8IsNeverWritten) {
  std::string bytes;
  EXPECT_FALSE(Utf8ToWindows1252("\xC3", &bytes));
  EXPECT_FALSE(Utf8ToAnsi("\xFF", &bytes));
}

TEST(TextEncodingTest, EveryByteReadsAndWritesBack) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    std::string back;
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(byte), &back)) << b;
    EXPECT_EQ(back, byte) << b;
  }
}

#ifdef _WIN32
TEST(TextEncodingTest, WideNamesKeepEveryLetter) {
  const std::string name = "Z:\\J\xC3\xB6rg M\xC3\xBCller\\Szenerie \xCE\xA9";
  EXPECT_EQ(Widen(name), L"Z:\\J\u00F6rg M\u00FCller\\Szenerie \u03A9");
  EXPECT_EQ(Narrow(Widen(name)), name);
}
#endif

}  // namespace
}  // namespace zum
