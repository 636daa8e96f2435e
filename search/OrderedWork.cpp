#include "OrderedWork.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace qorvan {
namespace {

// How far the workers may run ahead of the consumer, so that results waiting to be taken
// stay few whatever the consumer's pace.
constexpr std::size_t kWindow = 256;

void ProduceSafely(const ProduceFn& produce, std::size_t i, unsigned worker) {
  try {
    produce(i, worker);
  } catch (...) {
    // The item keeps whatever it had reached; the consumer sees it as done.
  }
}

void ProduceOnCaller(std::size_t count, const ProduceFn& produce, const ConsumeFn& consume) {
  for (std::size_t i = 0; i < count; ++i) {
    ProduceSafely(produce, i, 0);
    if (!consume(i)) return;
  }
}

// The items handed out, produced and consumed so far, shared by the workers and the consumer.
class OrderedItems {
 public:
  explicit OrderedItems(std::size_t count) : done_(count, false) {}

  // The next item for a worker, once it lies within the window; false when there is no more.
  bool Take(std::size_t& item) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (cancelled_ || next_ == done_.size()) return false;
    item = next_++;
    consumedMore_.wait(lock, [&] { return cancelled_ || item < consumed_ + kWindow; });
    return !cancelled_;
  }

  void MarkDone(std::size_t item) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_[item] = true;
    }
    producedMore_.notify_one();
  }

  // Waits until `item` is produced.
  void WaitFor(std::size_t item) {
    std::unique_lock<std::mutex> lock(mutex_);
    producedMore_.wait(lock, [&] { return done_[item]; });
  }

  // Every item below `count` has been consumed.
  void Consumed(std::size_t count) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      consumed_ = count;
    }
    consumedMore_.notify_all();
  }

  // No worker takes another item.
  void Cancel() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      cancelled_ = true;
    }
    consumedMore_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable producedMore_;
  std::condition_variable consumedMore_;
  std::vector<bool> done_;
  std::size_t next_ = 0;
  std::size_t consumed_ = 0;
  bool cancelled_ = false;
};

}  // namespace

unsigned WorkerCount(unsigned requested) {
  if (requested > 0) return requested;
  return std::max(1u, std::thread::hardware_concurrency());
}

void ProduceInOrder(std::size_t count, unsigned threads, const ProduceFn& produce,
                    const ConsumeFn& consume) {
  threads = static_cast<unsigned>(std::min<std::size_t>(WorkerCount(threads), count));
  if (threads <= 1) return ProduceOnCaller(count, produce, consume);
  OrderedItems items(count);
  auto work = [&](unsigned worker) {
    for (std::size_t i; items.Take(i);) {
      ProduceSafely(produce, i, worker);
      items.MarkDone(i);
    }
  };
  std::vector<std::jthread> workers;
  try {
    for (unsigned w = 0; w < threads; ++w) workers.emplace_back(work, w);
  } catch (const std::system_error&) {
    // The system has no more threads to give: the ones started do the work.
  }
  if (workers.empty()) return ProduceOnCaller(count, produce, consume);
  // However the loop below ends, the workers finish their current item and stop; they are
  // joined before anything they use goes away.
  struct CancelOnExit {
    OrderedItems& Items;
    ~CancelOnExit() { Items.Cancel(); }
  } cancelOnExit{items};
  for (std::size_t i = 0; i < count; ++i) {
    items.WaitFor(i);
    if (!consume(i)) return;
    items.Consumed(i + 1);
  }
}

}  // namespace qorvan
