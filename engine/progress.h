#ifndef ZUM_ENGINE_PROGRESS_H_
#define ZUM_ENGINE_PROGRESS_H_

#include <functional>

namespace zum {

// Receives the run's progress shares; the shares of one run add up to at
// most 100.
using ProgressFn = std::function<void(double share)>;

}  // namespace zum

#endif  // ZUM_ENGINE_PROGRESS_H_
