// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a run needs from the window around it while it sweeps.

#include <cstdint>

class RunHost
{
public:
    virtual ~RunHost() = default;

    // Everything of one sweep step is drawn: show it, before the step's pause.
    virtual void stepDrawn() = 0;
    // The slow-down count N, read afresh after every step.
    virtual std::int64_t slowDownCount() = 0;

protected:
    RunHost() = default;
    RunHost(const RunHost&) = default;
    RunHost& operator=(const RunHost&) = default;
};
