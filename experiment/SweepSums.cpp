// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SweepSums.h"

#include <algorithm>
#include <thread>

std::vector<StepResultants> sumSweep(const ChainSums& sums, unsigned workers)
{
    if (workers == 0) {
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
        std::vector<std::jthread> helpers;
        for (unsigned w = 1; w < workers; ++w) {
            helpers.emplace_back(sumBlock, w);
        }
        sumBlock(0);
    } // joins the helpers
    return all;
}
