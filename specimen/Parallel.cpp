#include "specimen/Parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace specimen {

void forEachPart(int count, const std::function<void(int)>& work) {
#ifdef __EMSCRIPTEN__
    const int threads = 1;
#else
    constexpr unsigned kMaxThreads = 8;
    const int threads = static_cast<int>(std::min({std::max(1u, std::thread::hardware_concurrency()), kMaxThreads,
                                                   static_cast<unsigned>(std::max(count, 0))}));
#endif
    if (threads <= 1) {
        for (int k = 0; k < count; ++k) work(k);
        return;
    }
    // Parts are taken in turn, so a slow part does not hold up a whole share.
    std::atomic<int> next{0};
    auto worker = [&] {
        for (int k; (k = next.fetch_add(1)) < count;) work(k);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) helpers.emplace_back(worker);
    worker();
    for (std::thread& h : helpers) h.join();
}

}  // namespace specimen
