// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One press of Start: the scene, the light paths, then 467 sweep steps, each drawing the
// detector markers, the Cornu spirals now and then, one bar of each probability curve, and
// pausing for the slow-down count.

class Countdown;
class RunHost;
class Surface;
struct RunSettings;

class ExperimentRun
{
public:
    ExperimentRun(Surface& surface, RunHost& host, const Countdown& countdown);

    void run(const RunSettings& settings);

private:
    Surface& m_surface;
    RunHost& m_host;
    const Countdown& m_countdown;
};
