#include "engine/parallel_work.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
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

namespace {

// What the threads of ParallelInOrder share; every member but the results
// of WORK is guarded by MUTEX.
class InOrderCalls {
 public:
  InOrderCalls(int count, const std::function<void(int)>& work)
      : count_(count), work_(work), done_(count, false), failures_(count) {}
  InOrderCalls(const InOrderCalls&) = delete;
  InOrderCalls& operator=(const InOrderCalls&) = delete;
  // Stops the calls not started and waits for the threads.
  ~InOrderCalls() { StopAndJoin(); }

  // Starts up to THREADS threads; returns how many started.
  int Start(int threads) {
    try {
      helpers_.reserve(threads);
      for (int t = 0; t < threads; ++t) {
        helpers_.emplace_back([this] { TakeCalls(); });
      }
    } catch (const std::system_error&) {
    } catch (const std::bad_alloc&) {
    }
    return static_cast<int>(helpers_.size());
  }

  // Waits until WORK(I) has returned; rethrows what it threw.
  void WaitFor(int i) {
    std::unique_lock<std::mutex> lock(mutex_);
    done_changed_.wait(lock, [&] { return static_cast<bool>(done_[i]); });
    if (failures_[i]) {
      std::rethrow_exception(failures_[i]);
    }
  }

  void StopAndJoin() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    for (std::thread& helper : helpers_) {
      if (helper.joinable()) {
        helper.join();
      }
    }
  }

 private:
  void TakeCalls() {
    for (;;) {
      int i;
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (stop_ || next_ >= count_) {
          return;
        }
        i = next_++;
      }
      std::exception_ptr failure;
      try {
        work_(i);
      } catch (...) {
        failure = std::current_exception();
      }
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        done_[i] = true;
        failures_[i] = failure;
      }
      done_changed_.notify_all();
    }
  }

  const int count_;
  const std::function<void(int)>& work_;
  std::mutex mutex_;
  std::condition_variable done_changed_;
  int next_ = 0;
  bool stop_ = false;
  std::vector<bool> done_;
  std::vector<std::exception_ptr> failures_;
  std::vector<std::thread> helpers_;
};

}  // namespace

void ParallelInOrder(int count, int threads,
                     const std::function<void(int)>& work,
                     const std::function<bool(int)>& take) {
  if (threads > 1 && count > 1) {
    InOrderCalls calls(count, work);
    if (calls.Start(std::min(threads, count)) > 0) {
      for (int i = 0; i < count; ++i) {
        calls.WaitFor(i);
        if (!take(i)) {
          return;
        }
      }
      return;
    }
  }
  for (int i = 0; i < count; ++i) {
    work(i);
    if (!take(i)) {
      return;
    }
  }
}

}  // namespace zum
