// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The explore view's sums: detector H straight above the beam's centre, at heights from the
// surface up; the light that crosses an air gap into a second block; the chain of arrows at one
// height. Classical optics beside each for comparison.

#include "ExploreSettings.h"

#include <complex>
#include <optional>
#include <vector>

// The lit surface: one point per step, centred on the beam (place 0), each carrying the
// incoming wave's amplitude envelope × e^{i k n sin α x}.
SurfacePoints litSurface(const ExploreSettings& s);

// The incoming wave's amplitude on the surface at place x.
std::complex<double> surfaceAmplitude(const ExploreSettings& s, double x);

// The amplitude decay length d of the evanescent field, 1/(k √(n² sin²α − 1)); none at or
// below the critical angle.
std::optional<double> decayLength(double n, double alphaDegrees);

// The largest sampling step that sends no false beam into the air, λ0/(1 + n sin α), nor back
// into the substance, λ0/(2 n sin α).
double largestCleanStep(double n, double alphaDegrees);

struct HeightRow
{
    double z = 0;
    double amplitudeSquared = 0;
    double relative = 0;             // to the row at z = 0
    std::optional<double> classical; // e^{−2z/d}, beyond the critical angle only
};

// The heights: from 0 to 6 d in steps of d/10 beyond the critical angle, else 0 to 10 twips.
std::vector<double> exploreHeights(const ExploreSettings& s);

// One row per height. At z = 0 the exact arrows give the surface's own amplitude; the equal
// arrows give their own sum there, which the rows are then relative to.
std::vector<HeightRow> heightCurve(const ExploreSettings& s);

// The same with the plain loop (Boost's H1 for every arrow): the benchmark's reference.
std::vector<HeightRow> heightCurvePlain(const ExploreSettings& s);

struct GapRow
{
    double gap = 0;
    double amplitudeSquared = 0;
    double relative = 0;              // to the row at gap 0, the blocks touching
    double classicalTransmission = 0; // the gap's transmission, s polarisation
};

namespace explore {
inline constexpr int gapIntervals = 40;
// How deep in the second block its detector sits, twips.
inline constexpr double blockDepth = 10;
} // namespace explore

// One row per gap from 0 to s.gapTwips (41 rows). The arrows go from the lit surface to points
// of the block's face, and from there on to a detector blockDepth inside the block, on the ray
// from the beam's centre. They take one pass: light reflected back and forth in the gap is not
// summed (classical optics sums it), so the level differs; the fall with the gap is the same.
std::vector<GapRow> gapCurve(const ExploreSettings& s);

// The chain of arrows at height z: its points from the start, one per surface point (the
// resultant is the last point minus the first).
std::vector<std::complex<double>> arrowChain(const ExploreSettings& s, double z);

// The least-squares decay length of the rows' intensity: fits ln(intensity) = a − 2z/d over
// from ≤ z ≤ to and returns d; none if fewer than 3 rows fall in the range or it does not fall.
std::optional<double> fittedDecayLength(const std::vector<double>& z,
                                        const std::vector<double>& intensity, double from,
                                        double to);
