// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A polyline drawn solid or with a dash pattern through the drawing port, which draws only
// straight lines: a dashed line is its "on" pieces. The pattern runs on along the whole polyline,
// so a curve of many short segments is dashed as evenly as one long line.

#include "Surface.h"

#include <span>

struct ChartPoint
{
    double x = 0;
    double y = 0;
};

// Lengths in twips, alternately on and off; an empty pattern draws the line solid.
struct DashPattern
{
    double lengths[4] = {};
    int count = 0;

    static constexpr DashPattern solid() { return {}; }
    static constexpr DashPattern of(double on, double off) { return {{on, off}, 2}; }
    static constexpr DashPattern of(double on1, double off1, double on2, double off2)
    {
        return {{on1, off1, on2, off2}, 4};
    }
};

void drawPolyline(Surface& surface, std::span<const ChartPoint> points, const DashPattern& dashes,
                  Colour colour);
