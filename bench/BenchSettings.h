// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the benchmarks run with: the start-up settings, a surface that only counts, and a host
// with a fixed slow-down count.

#include "RunHost.h"
#include "RunSettings.h"
#include "Surface.h"

#include <cstddef>

inline RunSettings startUpSettings()
{
    return RunSettings::fromFields(1.33, 35, "35", "Voda", "750", 750);
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

class FixedPaceHost final : public RunHost
{
public:
    explicit FixedPaceHost(std::int64_t count) : m_count(count) {}
    void stepDrawn(SweepStep) override {}
    AfterStep stepEnded() override { return AfterStep::Continue; }
    std::int64_t slowDownCount() override { return m_count; }

private:
    std::int64_t m_count;
};
