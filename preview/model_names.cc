#include "preview/model_names.h"

namespace zum {

std::string_view TriggerStateWords(int state) {
  switch (state) {
    case 0:
      return "at rest at the start";
    case 1:
      return "waiting for the cycle to reach frame 0..3";
    case 2:
      return "opening";
    case 3:
      return "at rest at the end";
    case 4:
      return "waiting to close";
    case 5:
      return "closing";
    default:
      return "";
  }
}

int VariantOfState(int state) {
  for (int j = 1; j <= kVariantCount; ++j) {
    const TriggerStateRange range = VariantStates(j);
    if (state >= StateNumber(range.low) && state <= StateNumber(range.high)) {
      return j;
    }
  }
  return 0;
}

std::string_view VariantWords(int variant) {
  switch (variant) {
    case 1:
      return "hold at the first frame";
    case 2:
      return "forward";
    case 3:
      return "reverse";
    case 4:
      return "hold at the last frame";
    default:
      return "";
  }
}

}  // namespace zum
