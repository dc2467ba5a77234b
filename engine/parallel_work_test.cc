#include "engine/parallel_work.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace zum {
namespace {

TEST(RunThreadsTest, AskedCountsAreCappedAndZeroTakesTheCores) {
  EXPECT_EQ(RunThreads(1), 1);
  EXPECT_EQ(RunThreads(3), 3);
  EXPECT_EQ(RunThreads(kMaxRunThreads + 5), kMaxRunThreads);
  const int cores = RunThreads(0);
  EXPECT_GE(cores, 1);
  EXPECT_LE(cores, kMaxRunThreads);
  EXPECT_EQ(RunThreads(-1), cores);
}

TEST(ParallelForTest, CallsEveryIndexOnce) {
  for (int threads : {1, 2, kMaxRunThreads}) {
    for (int count : {0, 1, 3, 50}) {
      std::vector<std::atomic<int>> calls(count);
      ParallelFor(count, threads, [&](int i) { ++calls[i]; });
      for (int i = 0; i < count; ++i) {
        EXPECT_EQ(calls[i], 1) << i << " of " << count << ", " << threads;
      }
    }
  }
}

TEST(ParallelForTest, OneThreadCallsInOrderOnTheCallersThread) {
  std::vector<int> order;
  const std::thread::id caller = std::this_thread::get_id();
  bool elsewhere = false;
  ParallelFor(5, 1, [&](int i) {
    order.push_back(i);
    elsewhere = elsewhere || std::this_thread::get_id() != caller;
  });
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_FALSE(elsewhere);
}

TEST(ParallelForTest, RethrowsTheLowestIndexsExceptionAfterEveryCall) {
  for (int threads : {1, kMaxRunThreads}) {
    std::atomic<int> calls{0};
    try {
      ParallelFor(20, threads, [&](int i) {
        ++calls;
        if (i == 7 || i == 13) {
          throw std::runtime_error("call " + std::to_string(i));
        }
      });
      ADD_FAILURE() << "nothing thrown";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "call 7");
    }
    EXPECT_EQ(calls, 20) << threads << " threads";
  }
}

TEST(ParallelInOrderTest, TakesEveryResultInOrder) {
  for (int threads : {1, 2, kMaxRunThreads}) {
    std::vector<int> results(50, -1);
    std::vector<int> taken;
    ParallelInOrder(
        50, threads, [&](int i) { results[i] = i * i; },
        [&](int i) {
          taken.push_back(results[i]);
          return true;
        });
    std::vector<int> squares;
    for (int i = 0; i < 50; ++i) {
      squares.push_back(i * i);
    }
    EXPECT_EQ(taken, squares) << threads << " threads";
  }
}

TEST(ParallelInOrderTest, StopsWhereTakeSaysSo) {
  for (int threads : {1, kMaxRunThreads}) {
    std::atomic<int> work_calls{0};
    std::atomic<bool> stopped{false};
    std::vector<int> taken;
    ParallelInOrder(
        1000, threads,
        [&](int i) {
          ++work_calls;
          // Calls after the fourth wait for the stop, so that the threads
          // cannot have made them all before it.
          while (i >= 4 && !stopped) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
          }
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
        },
        [&](int i) {
          taken.push_back(i);
          stopped = i == 3;
          return i < 3;
        });
    EXPECT_EQ(taken, (std::vector<int>{0, 1, 2, 3})) << threads;
    EXPECT_LT(work_calls, 100) << threads;
  }
}

TEST(ParallelInOrderTest, AWorkExceptionComesInPlaceOfItsTake) {
  for (int threads : {1, kMaxRunThreads}) {
    std::vector<int> taken;
    try {
      ParallelInOrder(
          20, threads,
          [&](int i) {
            if (i == 5 || i == 9) {
              throw std::runtime_error("work " + std::to_string(i));
            }
          },
          [&](int i) {
            taken.push_back(i);
            return true;
          });
      ADD_FAILURE() << "nothing thrown";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "work 5");
    }
    EXPECT_EQ(taken, (std::vector<int>{0, 1, 2, 3, 4})) << threads;
  }
}

TEST(ParallelInOrderTest, ATakeExceptionLeavesAfterTheThreads) {
  std::atomic<int> running{0};
  EXPECT_THROW(ParallelInOrder(
                   100, kMaxRunThreads,
                   [&](int) {
                     ++running;
                     std::this_thread::sleep_for(std::chrono::microseconds(50));
                     --running;
                   },
                   [&](int i) -> bool {
                     if (i == 10) {
                       throw std::runtime_error("take");
                     }
                     return true;
                   }),
               std::runtime_error);
  EXPECT_EQ(running, 0);
}

}  // namespace
}  // namespace zum
