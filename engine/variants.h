#ifndef ZUM_ENGINE_VARIANTS_H_
#define ZUM_ENGINE_VARIANTS_H_

#include <cstdint>
#include <string_view>

// The copies of every animated part and the trigger states that pick one.
//
// With the animation trigger every command, matrix and scene-graph entry is
// written in four variants, one per phase of the animation; without it only
// the forward variant is drawn (two are written, see RunShape). The trigger
// state machine keeps its state in local word 6h of part 1; each variant is
// drawn while the state lies in its range.
namespace zum {

// The variants, numbered as the copy formulas number them (j = 1..4).
enum class Variant : int {
  kHoldStart = 1,  // at rest at the first frame
  kForward = 2,
  kReverse = 3,
  kHoldEnd = 4,  // at rest at the last frame
};
inline constexpr int kVariantCount = 4;

// The trigger states (the value of local word 6h).
enum class TriggerState : int16_t {
  kAtStart = 0,           // at rest at the first frame
  kStartRequested = 1,    // the trigger holds; waits for the start window
  kForward = 2,           // running forward
  kAtEnd = 3,             // at rest at the last frame
  kReverseRequested = 4,  // the trigger stopped holding; waits likewise
  kReverse = 5,           // running backwards
};

// The local word that holds the trigger state, as the drawing code names it.
inline constexpr std::string_view kTriggerStateWord = "6h";

// The label suffix of variant J (1..4) of a command or keyframe table:
// "_a" .. "_d".
constexpr std::string_view VariantSuffix(int j) {
  constexpr std::string_view kSuffix[] = {"", "_a", "_b", "_c", "_d"};
  return kSuffix[j];
}

// The states in which variant J (1..4) is drawn, lowest and highest: the
// hold start while at rest or a start is requested, forward and reverse
// while running, the hold end while at rest or a reverse is requested.
struct TriggerStateRange {
  TriggerState low;
  TriggerState high;
};
constexpr TriggerStateRange VariantStates(int j) {
  switch (static_cast<Variant>(j)) {
    case Variant::kHoldStart:
      return {TriggerState::kAtStart, TriggerState::kStartRequested};
    case Variant::kForward:
      return {TriggerState::kForward, TriggerState::kForward};
    case Variant::kReverse:
      return {TriggerState::kReverse, TriggerState::kReverse};
    case Variant::kHoldEnd:
      break;
  }
  return {TriggerState::kAtEnd, TriggerState::kReverseRequested};
}

constexpr int16_t StateNumber(TriggerState state) {
  return static_cast<int16_t>(state);
}

}  // namespace zum

#endif  // ZUM_ENGINE_VARIANTS_H_
