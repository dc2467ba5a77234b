#ifndef ZUM_PREVIEW_DEFAULT_SCENARIO_H_
#define ZUM_PREVIEW_DEFAULT_SCENARIO_H_

#include <cstdint>
#include <string>

#include "preview/program.h"
#include "preview/scenario.h"

namespace zum {

// The scenario made from the written code itself: at 0 s every simulator
// variable that the code tests takes a value that passes its first test (the
// middle of a range, a mask itself) and the viewer stands in the middle of
// the first box tested; the trigger starts failing, holds from 1 s until 2 s
// after the object reaches its end pose, then fails until 2 s after it is
// back at rest. A run that does not reach its pose within two frame cycles
// (at least kMinWaitSeconds, at most kMaxWaitSeconds) goes on to the next
// step then. Without a trigger the scenario lasts 10 s.
Scenario DefaultScenario(const PreviewProgram& program);

inline constexpr double kMinWaitSeconds = 60;
inline constexpr double kMaxWaitSeconds = 300;

}  // namespace zum

#endif  // ZUM_PREVIEW_DEFAULT_SCENARIO_H_
