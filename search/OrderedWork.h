// Work on many items spread over a few threads, with the results taken in item order on the
// calling thread, so that whatever they feed ends up exactly as a sequential loop leaves it.
#pragma once

#include <cstddef>
#include <functional>

namespace qorvan {

// The number of worker threads for a request: `requested`, or every core when it is 0.
unsigned WorkerCount(unsigned requested);

// What a worker does with one item; `worker` (below the thread count) tells the workers apart,
// so that each can keep scratch space of its own.
using ProduceFn = std::function<void(std::size_t item, unsigned worker)>;
// What the calling thread does with a produced item; false ends the work.
using ConsumeFn = std::function<bool(std::size_t item)>;

// Calls produce(i, w) for every i in [0, count) on `threads` threads (WorkerCount), in any
// order, and consume(i) on the calling thread for i = 0, 1, ... each once produce(i) has
// returned. Once consume returns false nothing more is consumed and the workers stop taking
// items. With one thread everything runs on the calling thread: produce(0), consume(0),
// produce(1), ... An exception from produce(i) is dropped; consume(i) still follows.
void ProduceInOrder(std::size_t count, unsigned threads, const ProduceFn& produce,
                    const ConsumeFn& consume);

}  // namespace qorvan
