// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunProgress.h"

namespace {
constexpr int stagesSaid = 4;
}

int progressStage(const RunProgress& progress)
{
    if (progress.total <= 0) {
        return 0;
    }
    return progress.drawn * stagesSaid / progress.total;
}
