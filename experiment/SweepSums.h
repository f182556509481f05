// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The resultants of every step of the sweep at once, shared out over the processor's cores: the
// whole curves without the drawing, for the checks and measurements of the sums. Each step is
// summed the same way on whichever thread, so they are the resultants a run sums step by step.

#include "ChainSums.h"

#include <vector>

// workers 0 means one per core.
std::vector<StepResultants> sumSweep(const ChainSums& sums, unsigned workers = 0);
