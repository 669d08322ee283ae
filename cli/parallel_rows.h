#pragma once

#include <cstddef>
#include <functional>

namespace viskora {

// The most threads a batch may ask for: far more than a machine has cores,
// and few enough that starting them cannot exhaust the system.
unsigned mostBatchThreads();

// Calls work(i) once for every i below `count`, on up to `threads` threads
// (0: one per core), the calling thread among them. When the system cannot
// start a thread, the work goes on on those that run. An exception thrown
// by work stops the others' taking of further rows and is thrown again here
// once every thread has ended.
void forEachRow(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);

} // namespace viskora
