// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the explore view sums: a beam meeting the surface from the substance side at a true
// angle, its lit surface sampled at a chosen step, arrows of a chosen kind, and maybe a second
// block across an air gap. Free of the main window's three settings.

#include "EvanescentKernel.h"

enum class BeamShape
{
    Hard,    // the main window's lit stretch: 1000 twips, evenly lit, hard edges
    Gaussian // a smooth beam, e^{−(x/w)²} in amplitude, lit over ±3 waists
};

namespace explore {
inline constexpr double hardStretch = 1000; // twips
inline constexpr double smallestIndex = 1.0;
inline constexpr double largestIndex = 3.0;
inline constexpr double smallestWaist = 100;
inline constexpr double largestWaist = 5000;
inline constexpr double largestAngle = 89.9; // true degrees
inline constexpr double fineStep = 0.5;      // twips
inline constexpr double mainWindowStep = 1;  // twips, the main window's sampling
inline constexpr double largestGapInDepths = 10;
inline constexpr double largestGapTwips = 100; // on the command line
} // namespace explore

struct ExploreSettings
{
    double index = 1.33;
    double alphaDegrees = 50; // true degrees, in the substance
    BeamShape beam = BeamShape::Gaussian;
    double waistTwips = 600;
    double stepTwips = explore::fineStep;
    ArrowKind arrows = ArrowKind::Exact;
    // The second block and the largest gap its curve reaches (twips); the block's index.
    bool secondBlock = false;
    double gapTwips = 0;
    double index2 = 1.33;

    bool operator==(const ExploreSettings&) const = default;
};
