// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The arrows of the explore view: from every point of a lit surface to one detector at a height
// z above it. Each surface point carries the light's amplitude there; its arrow to the detector
// is either
//   - the exact 2-D Huygens wavelet (Rayleigh–Sommerfeld): (i k z / 2r) H1(k r) per twip of
//     surface, which carries a plane wave, an evanescent one included, up to any height exactly;
//   - or an arrow of equal length that only turns, e^{i k r}, as in the main window.
// For the exact wavelet the points right under the detector stand for their own stretch of
// surface: the wavelet's near part z/(πr²) is summed over the stretch in closed form, so the sum
// tends to the surface's own amplitude as z falls to 0 instead of blowing up between points.

#include <complex>
#include <vector>

enum class ArrowKind
{
    Exact, // the Huygens wavelet
    Equal  // equal-length arrows, the main window's
};

// Surface points on an even grid: place (twips, along the surface), amplitude (real and
// imaginary parts, kept apart so the fast loop reads them as plain arrays).
struct SurfacePoints
{
    double step = 0.5; // twips between points: the stretch each one stands for
    std::vector<double> x;
    std::vector<double> re;
    std::vector<double> im;

    std::size_t size() const { return x.size(); }
};

// The same points folded about place 0: a point and its mirror image are as far from a
// detector above 0, so they share one arrow carrying both amplitudes. Halves the work.
SurfacePoints foldedAboutZero(const SurfacePoints& points);

// The summed amplitude at (detectorX, z), z > 0, with wave number k (radians per twip). Sum of
// amplitude × arrow × step over every point. The fast loop: a table and the asymptotic series
// of H1, the near correction only within a few twips.
std::complex<double> arrowSum(const SurfacePoints& points, double detectorX, double z, double k,
                              ArrowKind kind);

// The same sum, plainly: every arrow from Boost.Math's H1, one complex product at a time. The
// reference the fast loop is checked against, and the benchmark's plain loop.
std::complex<double> arrowSumPlain(const SurfacePoints& points, double detectorX, double z,
                                   double k, ArrowKind kind);

// The weight of one point's arrow (per the point's stretch) at offset dx from the detector's
// foot, height z: the plain loop's term without the amplitude.
std::complex<double> arrowWeight(double dx, double z, double k, double step, ArrowKind kind);

// The exact wavelet's weight as the fast loop computes it.
std::complex<double> arrowWeightFast(double dx, double z, double k, double step);
