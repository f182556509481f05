// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One press of Start: the scene, the light paths, then 467 sweep steps, each drawing the
// detector markers, the Cornu spirals now and then, one bar of each probability curve, and
// pausing for the slow-down count. The host may stop the run at the end of any step.

#include "CurveRecord.h"

class Countdown;
class RunHost;
class Surface;

class ExperimentRun
{
public:
    ExperimentRun(Surface& surface, RunHost& host, const Countdown& countdown);

    // Returns the points of the curves it drew: scene::sweepSteps of them unless the host
    // stopped the run earlier.
    CurveRecord run(const RunSettings& settings);

private:
    Surface& m_surface;
    RunHost& m_host;
    const Countdown& m_countdown;
};
