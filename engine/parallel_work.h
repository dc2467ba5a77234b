#ifndef ZUM_ENGINE_PARALLEL_WORK_H_
#define ZUM_ENGINE_PARALLEL_WORK_H_

#include <functional>

namespace zum {

// The most threads a run works on, however many cores the machine has.
inline constexpr int kMaxRunThreads = 4;

// The threads a run uses when asked for REQUESTED: REQUESTED itself when it
// is 1 or more (capped at kMaxRunThreads), else the machine's cores, at
// most kMaxRunThreads and at least 1.
int RunThreads(int requested);

// Calls WORK(0) .. WORK(COUNT - 1), each exactly once, on up to THREADS
// threads, the caller's among them; returns when every call has returned,
// so that no thread outlives it. Each call must touch only what is its
// own. With THREADS 1, or when no thread can be started, the caller makes
// every call itself, in order. An exception thrown by a call is rethrown
// here once all calls have ended (the lowest index's, when several throw).
void ParallelFor(int count, int threads, const std::function<void(int)>& work);

}  // namespace zum

#endif  // ZUM_ENGINE_PARALLEL_WORK_H_
