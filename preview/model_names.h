#ifndef ZUM_PREVIEW_MODEL_NAMES_H_
#define ZUM_PREVIEW_MODEL_NAMES_H_

#include <string_view>

// The names of the six trigger states and the four variants that the written
// code uses, kept in this one place of the preview.
namespace zum {

// The values of the trigger state word (local word 6h of part 1).
enum class TriggerState : int {
  kHoldStart = 0,         // at rest at the first frame
  kStartRequested = 1,    // waits for the frame to enter the start window
  kForward = 2,           // the forward run
  kHoldEnd = 3,           // at rest at the last frame
  kReverseRequested = 4,  // waits for the frame to enter the start window
  kReverse = 5,           // the reverse run
};
inline constexpr int kTriggerStateCount = 6;

// The copies of every command, by their keyframe tables' suffixes.
enum class Variant : int {
  kHoldStart = 1,  // "_a"
  kForward = 2,    // "_b"
  kReverse = 3,    // "_c"
  kHoldEnd = 4,    // "_d"
};

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
