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

// Calls WORK(0) .. WORK(COUNT - 1) on up to THREADS threads of its own and
// TAKE(0), TAKE(1), ... in order on the caller's thread, each as soon as its
// WORK call has returned, so that the caller uses one result while later
// ones are made. TAKE returns false to stop: no later TAKE is called and no
// WORK call that has not started yet. Returns once every thread has ended.
// With THREADS 1, or when no thread can be started, the caller alternates
// WORK(i) and TAKE(i) itself. An exception thrown by WORK(i) is rethrown in
// the place of TAKE(i); one thrown by TAKE leaves after the threads ended.
void ParallelInOrder(int count, int threads,
                     const std::function<void(int)>& work,
                     const std::function<bool(int)>& take);

}  // namespace zum

#endif  // ZUM_ENGINE_PARALLEL_WORK_H_
