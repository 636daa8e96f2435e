#include "OrderedWork.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace qorvan {
namespace {

// Items are handed out in chunks, so that workers and consumer meet once per chunk; the
// workers may run some chunks ahead of the consumer, so that results waiting to be taken stay
// few whatever the consumer's pace.
constexpr std::size_t kLargestChunk = 128;
constexpr std::size_t kChunksAhead = 16;

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

// The chunks handed out, produced and consumed so far, shared by the workers and the consumer.
class OrderedChunks {
 public:
  OrderedChunks(std::size_t count, unsigned threads)
      : count_(count),
        chunk_(std::clamp<std::size_t>(count / (threads * std::size_t{64}), 1, kLargestChunk)),
        done_((count + chunk_ - 1) / chunk_, false) {}

  std::size_t Chunks() const { return done_.size(); }
  std::size_t First(std::size_t chunk) const { return chunk * chunk_; }
  std::size_t End(std::size_t chunk) const { return std::min(count_, (chunk + 1) * chunk_); }

  // The next chunk for a worker, once it is near enough to the consumer; false when there is
  // no more.
  bool Take(std::size_t& chunk) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (cancelled_ || next_ == done_.size()) return false;
    chunk = next_++;
    if (chunk >= consumed_ + kChunksAhead) {
      ++workersWaiting_;
      consumedMore_.wait(lock, [&] { return cancelled_ || chunk < consumed_ + kChunksAhead; });
      --workersWaiting_;
    }
    return !cancelled_;
  }

  void MarkDone(std::size_t chunk) {
    std::lock_guard<std::mutex> lock(mutex_);
    done_[chunk] = true;
    if (consumerWaitsFor_ == chunk) producedMore_.notify_one();
  }

  // Waits until `chunk` is produced.
  void WaitFor(std::size_t chunk) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (done_[chunk]) return;
    consumerWaitsFor_ = chunk;
    producedMore_.wait(lock, [&] { return done_[chunk]; });
    consumerWaitsFor_ = kNone;
  }

  // Every chunk below `chunks` has been consumed.
  void Consumed(std::size_t chunks) {
    std::lock_guard<std::mutex> lock(mutex_);
    consumed_ = chunks;
    if (workersWaiting_ > 0) consumedMore_.notify_all();
  }

  // No worker takes another chunk.
  void Cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    cancelled_ = true;
    consumedMore_.notify_all();
  }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  const std::size_t count_;
  const std::size_t chunk_;  // items per chunk
  std::mutex mutex_;
  std::condition_variable producedMore_;
  std::condition_variable consumedMore_;
  std::vector<bool> done_;
  std::size_t next_ = 0;
  std::size_t consumed_ = 0;
  std::size_t consumerWaitsFor_ = kNone;
  unsigned workersWaiting_ = 0;
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
  OrderedChunks chunks(count, threads);
  auto work = [&](unsigned worker) {
    for (std::size_t c; chunks.Take(c);) {
      for (std::size_t i = chunks.First(c); i < chunks.End(c); ++i)
        ProduceSafely(produce, i, worker);
      chunks.MarkDone(c);
    }
  };
  std::vector<std::jthread> workers;
  try {
    for (unsigned w = 0; w < threads; ++w) workers.emplace_back(work, w);
  } catch (const std::system_error&) {
    // The system has no more threads to give: the ones started do the work.
  }
  if (workers.empty()) return ProduceOnCaller(count, produce, consume);
  // However the loop below ends, the workers finish their current chunk and stop; they are
  // joined before anything they use goes away.
  struct CancelOnExit {
    OrderedChunks& Chunks;
    ~CancelOnExit() { Chunks.Cancel(); }
  } cancelOnExit{chunks};
  for (std::size_t c = 0; c < chunks.Chunks(); ++c) {
    chunks.WaitFor(c);
    for (std::size_t i = chunks.First(c); i < chunks.End(c); ++i)
      if (!consume(i)) return;
    chunks.Consumed(c + 1);
  }
}

}  // namespace qorvan
