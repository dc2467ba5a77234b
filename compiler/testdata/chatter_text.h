#ifndef ZUM_COMPILER_TESTDATA_CHATTER_TEXT_H_
#define ZUM_COMPILER_TESTDATA_CHATTER_TEXT_H_

#include <cstddef>
#include <string>

namespace zum::testing {

// The `size` bytes the chatter helper writes for stream `tag` ("out" or
// "err"): numbered lines "<tag> line N\n", cut off after `size` bytes.
inline std::string ChatterText(const std::string& tag, std::size_t size) {
  std::string text;
  for (int line = 1; text.size() < size; ++line) {
    text += tag + " line " + std::to_string(line) + "\n";
  }
  text.resize(size);
  return text;
}

}  // namespace zum::testing

#endif  // ZUM_COMPILER_TESTDATA_CHATTER_TEXT_H_
