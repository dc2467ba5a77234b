#include "engine/parallel_work.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace zum {

int RunThreads(int requested) {
  if (requested >= 1) {
    return std::min(requested, kMaxRunThreads);
  }
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores, 1, kMaxRunThreads);
}

void ParallelFor(int count, int threads, const std::function<void(int)>& work) {
  std::vector<std::exception_ptr> failures(std::max(count, 0));
  std::atomic<int> next{0};
  const auto take_calls = [&] {
    for (int i = next++; i < count; i = next++) {
      try {
        work(i);
      } catch (...) {
        failures[i] = std::current_exception();
      }
    }
  };
  std::vector<std::thread> helpers;
  const int wanted = std::min(threads, count) - 1;
  try {
    helpers.reserve(std::max(wanted, 0));
    for (int t = 0; t < wanted; ++t) {
      helpers.emplace_back(take_calls);
    }
  } catch (const std::system_error&) {
    // Fewer threads: the ones started and the caller take every call.
  } catch (const std::bad_alloc&) {
  }
  take_calls();
  for (std::thread& helper : helpers) {
    helper.join();
  }
  for (const std::exception_ptr& failure : failures) {
    if (failure) {
      std::rethrow_exception(failure);
    }
  }
}

}  // namespace zum
