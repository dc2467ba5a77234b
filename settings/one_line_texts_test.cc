#include "settings/one_line_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace zum {
namespace {

TEST(OneLineTextsTest, LineBreaksAreCrAndLf) {
  struct Case {
    std::string text;
    bool breaks;
  };
  const Case cases[] = {
      {"", false},         {"gate.asm", false},
      {"a\nb.asm", true},  {"a\rb", true},
      {"\r\n", true},      {"tab\there", false},
      {"end\n", true},     {"\x0b\x0c", false},
      {"\xc2\x85", false}, {"x\xe2\x80\xa8", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HoldsLineBreak(c.text), c.breaks) << "'" << c.text << "'";
  }
}

TEST(OneLineTextsTest, BoxLengthCountsAsATextBoxDoes) {
  struct Case {
    std::string text;
    size_t length;
  };
  const Case cases[] = {
      {"", 0},
      {"gate.asm", 8},
      {"\xc3\xa9t\xc3\xa9", 3},  // "été": two 2-byte characters
      {"\xe2\x82\xac", 1},       // the euro sign, 3 bytes
      {"\xf0\x9f\x98\x80", 2},   // beyond U+FFFF: a surrogate pair
      {"\xe9t\xe9", 3},          // Latin-1 bytes: each invalid, one each
      {"\x80\x80", 2},           // stray continuation bytes
      {"\xc3", 1},               // a cut sequence
      {"\xe2\x82", 2},           // a cut 3-byte sequence: two bytes
      {"\xc0\xaf", 2},           // an overlong lead byte
      {"\xf5\x80\x80\x80", 4},   // beyond U+10FFFF
      {"a\xe2\x82\xac"
       "b",
       3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BoxLength(c.text), c.length) << "'" << c.text << "'";
  }
  EXPECT_EQ(BoxLength(std::string(kMaxBoxLength, 'x')), kMaxBoxLength);
  std::string wide;
  for (size_t i = 0; i < kMaxBoxLength; ++i) {
    wide += "\xc3\xa9";
  }
  EXPECT_EQ(BoxLength(wide), kMaxBoxLength);
}

}  // namespace
}  // namespace zum
