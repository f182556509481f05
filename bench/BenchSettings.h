// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the benchmarks run with: the start-up settings, a surface that only counts, and a host
// with a fixed slow-down count.

#include "Countdown.h"
#include "ExperimentRun.h"
#include "RunSettings.h"
#include "Surface.h"

#include <cstddef>

inline RunSettings startUpSettings()
{
    return RunSettings::of(1.33, 35, AngleCase::Angle35, Substance::Water,
                           DetectorDistance::Middle);
}

// Drawing costs nothing here, so a run measures the engine alone.
class CountingSurface final : public Surface
{
public:
    std::size_t calls = 0;

    void setDrawWidth(int) override { ++calls; }
    void line(float, float, float, float) override { ++calls; }
    void line(float, float, float, float, Colour) override { ++calls; }
    void circle(float, float, float) override { ++calls; }
};

// A run stepped as the window steps it, each step followed by its countdown of count.
inline CurveRecord runPaced(Surface& surface, const RunSettings& settings,
                            const Countdown& countdown, std::int64_t count)
{
    ExperimentRun run(surface, settings);
    while (!run.finished()) {
        run.drawStep();
        countdown.run(count);
    }
    return run.record();
}
