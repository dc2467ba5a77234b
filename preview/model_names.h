#ifndef ZUM_PREVIEW_MODEL_NAMES_H_
#define ZUM_PREVIEW_MODEL_NAMES_H_

#include <string_view>

#include "engine/variants.h"

// The six trigger states and the four variants (engine/variants.h) in the
// words the preview shows them in.
namespace zum {

inline constexpr int kTriggerStateCount = 6;

// The state in words, as the timeline's band names it: "at rest at the
// start", "waiting for the cycle to reach frame 0..3", "opening", "at rest at
// the end", "waiting to close", "closing". STATE outside 0..5 gives "".
std::string_view TriggerStateWords(int state);

// The variant that a selection block draws in STATE (1 for 0 and 1, 2 for
// 2, 4 for 3 and 4, 3 for 5); 0 for a value outside 0..5.
int VariantOfState(int state);

// "hold at the first frame", "forward", "reverse", "hold at the last frame";
// "" for another number.
std::string_view VariantWords(int variant);

}  // namespace zum

#endif  // ZUM_PREVIEW_MODEL_NAMES_H_
