#include "OrderedWork.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace qorvan {
namespace {

TEST(ProduceInOrder, ConsumesEveryItemInOrderAfterItWasProduced) {
  for (unsigned threads : {0u, 1u, 2u, 7u}) {
    constexpr std::size_t kCount = 2000;
    std::vector<std::atomic<bool>> produced(kCount);
    std::vector<std::size_t> consumed;
    const std::thread::id caller = std::this_thread::get_id();
    bool allOnCaller = true;
    ProduceInOrder(
        kCount, threads, [&](std::size_t i, unsigned) { produced[i] = true; },
        [&](std::size_t i) {
          EXPECT_TRUE(produced[i]);
          allOnCaller = allOnCaller && std::this_thread::get_id() == caller;
          consumed.push_back(i);
          return true;
        });
    ASSERT_EQ(consumed.size(), kCount) << threads;
    for (std::size_t i = 0; i < kCount; ++i) ASSERT_EQ(consumed[i], i) << threads;
    EXPECT_TRUE(allOnCaller) << threads;
  }
}

// "p0", "c1" and so on, built by appending: GCC 12 warns wrongly about "p" + text at -O2.
std::string Step(char kind, std::size_t i) {
  std::string step(1, kind);
  step += std::to_string(i);
  return step;
}

TEST(ProduceInOrder, OneThreadAlternatesOnTheCaller) {
  std::vector<std::string> steps;
  ProduceInOrder(
      3, 1, [&](std::size_t i, unsigned) { steps.push_back(Step('p', i)); },
      [&](std::size_t i) {
        steps.push_back(Step('c', i));
        return true;
      });
  EXPECT_EQ(steps, (std::vector<std::string>{"p0", "c0", "p1", "c1", "p2", "c2"}));
}

TEST(ProduceInOrder, FalseFromTheConsumerEndsTheWork) {
  for (unsigned threads : {1u, 3u}) {
    std::atomic<std::size_t> producedCount{0};
    std::vector<std::size_t> consumed;
    ProduceInOrder(
        100000, threads, [&](std::size_t, unsigned) { ++producedCount; },
        [&](std::size_t i) {
          consumed.push_back(i);
          return i < 9;
        });
    EXPECT_EQ(consumed.size(), 10u) << threads;
    EXPECT_LT(producedCount.load(), 100000u) << threads;  // the workers stopped taking items
  }
}

TEST(ProduceInOrder, AFailingItemIsStillConsumed) {
  std::vector<int> results(50, 0);
  std::vector<std::size_t> consumed;
  ProduceInOrder(
      results.size(), 4,
      [&](std::size_t i, unsigned worker) {
        EXPECT_LT(worker, 4u);
        if (i % 7 == 3) throw std::runtime_error("bad item");
        results[i] = 1;
      },
      [&](std::size_t i) {
        consumed.push_back(i);
        return true;
      });
  EXPECT_EQ(consumed.size(), results.size());
  for (std::size_t i = 0; i < results.size(); ++i) EXPECT_EQ(results[i], i % 7 == 3 ? 0 : 1);
}

}  // namespace
}  // namespace qorvan
