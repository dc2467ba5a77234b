#include "preview/operands.h"

#include <cmath>
#include <cstdio>

#include "engine/number_rules.h"

namespace zum {

bool ReadOperand(std::string_view text, long* value) {
  text = TrimBlanks(text);
  if (text.size() >= 2 && (text.back() == 'h' || text.back() == 'H') &&
      text.front() >= '0' && text.front() <= '9') {
    long result = 0;
    for (char c : text.substr(0, text.size() - 1)) {
      int digit;
      if (c >= '0' && c <= '9') {
        digit = c - '0';
      } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
      } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
      } else {
        return false;
      }
      result = result * 16 + digit;
      if (result > 0xFFFFFFFL) {
        return false;
      }
    }
    *value = result;
    return true;
  }
  double number;
  if (!ParseWholeNumber(text, &number) || !(std::fabs(number) < 1e15)) {
    return false;
  }
  *value = static_cast<long>(std::nearbyint(number));  // ties to even
  return true;
}

std::string OffsetText(uint16_t offset) {
  char text[16];
  std::snprintf(text, sizeof text, "%04Xh", offset);
  return (text[0] >= 'A' && text[0] <= 'F') ? "0" + std::string(text) : text;
}

std::string VariableKey(std::string_view text) {
  long value;
  if (ReadOperand(text, &value) && value >= 0 && value <= 0xFFFF) {
    return OffsetText(static_cast<uint16_t>(value));
  }
  return std::string(TrimBlanks(text));
}

bool ReadWord(std::string_view text, uint16_t* word) {
  long value;
  if (!ReadOperand(text, &value) || value < -32768 || value > 65535) {
    return false;
  }
  *word = static_cast<uint16_t>(value & 0xFFFF);
  return true;
}

}  // namespace zum
