// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The resultants of every step of the sweep, worked out before the drawing starts and shared
// out over the processor's cores. Each step is summed the same way on whichever thread, so the
// picture is the same as when summing step by step.

#include "ChainSums.h"

#include <vector>

// workers 0 means one per core.
std::vector<StepResultants> sumSweep(const ChainSums& sums, unsigned workers = 0);
