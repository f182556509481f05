// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a run needs from the window around it while it sweeps.

#include "SweepStep.h"

#include <cstdint>

// Whether a run draws its next step, asked at the end of every step.
enum class AfterStep
{
    Continue,
    Stop
};

class RunHost
{
public:
    virtual ~RunHost() = default;

    // Everything of this sweep step is drawn: show it, before the step's pause.
    virtual void stepDrawn(SweepStep step) = 0;
    // The slow-down count N, read afresh after every step.
    virtual std::int64_t slowDownCount() = 0;
    // The step's pause is over. The host may wait here (a paused run) and says whether the run
    // goes on; a stopped run leaves its picture as it is.
    virtual AfterStep stepEnded() = 0;

protected:
    RunHost() = default;
    RunHost(const RunHost&) = default;
    RunHost& operator=(const RunHost&) = default;
};
