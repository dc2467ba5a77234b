#include "settings/testing.h"

#include <vector>

namespace zum::testing {

std::string CompanionText(int transforms, int animates,
                          std::initializer_list<int> frames,
                          std::string_view label_base) {
  std::vector<std::string> lines;
  std::string base(label_base);
  int part = 0;
  for (int frame : frames) {
    ++part;
    lines.push_back(base + "_trans_" + std::to_string(part) + " label word");
    lines.push_back("    dw 1");
    lines.push_back("    dw 0");
    lines.push_back("    dw 0");
    lines.push_back("    dw 2");
    lines.push_back("    real4 0.0, 0.0, 0.0, 0.0");
    lines.push_back("    real4 " + std::to_string(frame) + ".0, 1.0, 2.0, 3.0");
  }
  for (int i = 0; i < transforms; ++i) {
    lines.push_back("    BGL_TRANSFORM_INDIRECT");
  }
  for (int i = 0; i < animates; ++i) {
    lines.push_back("    BGL_ANIMATE_INDIRECT");
  }
  return CrLf(lines);
}

}  // namespace zum::testing
