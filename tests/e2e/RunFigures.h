// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a run must put on the screen, worked out by the experiment library itself: the longest
// bar of each probability curve and the chains of every Cornu spiral, in twips.

#include <complex>
#include <vector>

struct RunSettings;

struct CurveBar
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Spiral
{
    std::complex<double> start;               // on its spiral axis
    std::vector<std::complex<double>> points; // every point the chain passes, start first
};

struct RunFigures
{
    CurveBar longestV; // horizontal, from the probe line to the right
    CurveBar longestH; // vertical, rising from detector H's line
    CurveBar longestL; // vertical, rising from detector L's line
    std::vector<Spiral> spiralsV;
    std::vector<Spiral> spiralsL;

    static RunFigures of(const RunSettings& settings);
};
