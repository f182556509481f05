// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The named places of the picture, in twips (x to the right, y downwards).
// Every stage of a run draws and sums with these.

namespace scene {

constexpr double surfaceY = 5000;                // the surface between substance (below) and air
constexpr double sweepTopY = surfaceY - 4500;    // top of the vertical lines, first probe position
constexpr double sweepBottomY = surfaceY + 2500; // bottom of the vertical lines
constexpr double plotLeftX = 3000;               // left end of the detector lines, curve origin
constexpr double plotRightX = 11500;             // right end of the horizontal lines
constexpr double stripLeftX = plotLeftX + 100;   // left end of the lit stretch
constexpr int stripSteps = 1000;                 // the lit stretch has stripSteps + 1 points
constexpr double lowerDepth = 1500;              // depth of detector L's line below the surface
constexpr double probeX = stripSteps * 5 + stripLeftX - 800; // detector V's vertical line
constexpr double spiralX = probeX + 2500;                    // spiral axis V

constexpr double substanceLeftX = plotLeftX - 350; // the substance and the surface start here
constexpr double detectorLY = surfaceY + lowerDepth;
constexpr double spiralAxisLY = surfaceY + lowerDepth + 500;

// Detector H's line lies this far above the surface.
constexpr double detectorHY(double detectorDistance)
{
    return surfaceY - detectorDistance;
}

// The sweep: y = sweepTopY, sweepTopY + sweepStep, ... while y < sweepBottomY.
constexpr int sweepStep = 15;
constexpr int sweepSteps = 467;
constexpr int sweepY(int step)
{
    return static_cast<int>(sweepTopY) + sweepStep * step;
}
static_assert(sweepY(sweepSteps - 1) == 7490 && sweepY(sweepSteps) >= sweepBottomY);

// Angles are turned into radians with 3.14 for pi, as the program always has.
constexpr double radians(double degrees)
{
    return degrees * 3.14 / 180;
}

} // namespace scene
