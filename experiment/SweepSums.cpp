// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SweepSums.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace {
#if defined(__cpp_lib_jthread)
using Helper = std::jthread;
#else
// WebAssembly's standard library has no jthread; a thread that joins when it goes serves alike.
class Helper
{
public:
    template <typename F, typename... Args>
    explicit Helper(F&& f, Args&&... args)
        : m_thread(std::forward<F>(f), std::forward<Args>(args)...)
    {}
    Helper(Helper&&) = default;
    Helper& operator=(Helper&&) = delete;
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;
    ~Helper()
    {
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

private:
    std::thread m_thread;
};
#endif

// A page built without threads has the one core it runs on.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool threadsAvailable = false;
#else
constexpr bool threadsAvailable = true;
#endif
} // namespace

std::vector<StepResultants> sumSweep(const ChainSums& sums, unsigned workers)
{
    if (!threadsAvailable) {
        workers = 1;
    } else if (workers == 0) {
        workers = std::max(1U, std::thread::hardware_concurrency());
    }
    workers = std::min<unsigned>(workers, scene::sweepSteps);

    std::vector<StepResultants> all(scene::sweepSteps);
    // Every step costs the same, so equal blocks of steps keep the workers equally busy.
    const auto sumBlock = [&](unsigned worker) {
        const int first = int(worker * all.size() / workers);
        const int last = int((worker + 1) * all.size() / workers);
        for (int k = first; k < last; ++k) {
            all[k] = sums.resultants(SweepStep{k});
        }
    };
    {
        std::vector<Helper> helpers;
        for (unsigned w = 1; w < workers; ++w) {
            helpers.emplace_back(sumBlock, w);
        }
        sumBlock(0);
    } // joins the helpers
    return all;
}
