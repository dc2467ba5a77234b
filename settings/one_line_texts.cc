#include "settings/one_line_texts.h"

namespace zum {
namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence that LEAD starts; 0 for a byte that
// starts none.
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) {
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    return 2;
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    return 4;
  }
  return 0;
}

}  // namespace

bool HoldsLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

size_t BoxLength(std::string_view text) {
  size_t units = 0;
  size_t i = 0;
  while (i < text.size()) {
    const size_t n = SequenceLength(static_cast<unsigned char>(text[i]));
    bool whole = n != 0 && i + n <= text.size();
    for (size_t k = 1; whole && k < n; ++k) {
      whole = IsContinuation(static_cast<unsigned char>(text[i + k]));
    }
    if (!whole) {
      ++units;  // shown as one replacement character
      ++i;
      continue;
    }
    units += n == 4 ? 2 : 1;
    i += n;
  }
  return units;
}

}  // namespace zum
