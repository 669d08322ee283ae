#include "cli/parallel_rows.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace viskora {
namespace {

constexpr unsigned kMostThreadsAnywhere = 64;

unsigned coreCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace

unsigned mostBatchThreads() {
    return std::max(kMostThreadsAnywhere, coreCount());
}

void forEachRow(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work) {
    if (count == 0) {
        return;
    }
    const std::size_t wanted =
        std::min<std::size_t>({threads == 0 ? coreCount() : threads, mostBatchThreads(), count});
    std::atomic<std::size_t> next{0};
    std::mutex failureLock;
    std::exception_ptr failure;
    const auto run = [&] {
        try {
            for (std::size_t i = next++; i < count; i = next++) {
                work(i);
            }
        } catch (...) {
            next = count;
            const std::lock_guard lock(failureLock);
            if (!failure) {
                failure = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        helpers.reserve(wanted - 1);
        try {
            while (helpers.size() + 1 < wanted) {
                helpers.emplace_back(run);
            }
        } catch (const std::system_error&) {
            // No more threads to be had: those started share the rows.
        }
        run();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace viskora
