// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One position of the sweep, and where the detectors, their markers and their chains stand at it.

#include "SceneGeometry.h"

struct SweepStep
{
    int index = 0; // 0 ... scene::sweepSteps - 1

    // The probe's height, which is also detector V's position on the probe line.
    constexpr int y() const { return scene::sweepY(index); }
    // Detectors H and L move on 10 twips per step.
    constexpr double curveOffset() const { return 10.0 * index; }
    constexpr double detectorX() const { return scene::plotLeftX + curveOffset(); }
    // The markers on the H and L lines follow the probe, not the detectors: they move
    // markerPerProbeTwip twips for every twip the probe moves down (10.8 a step against the
    // detectors' 10), so they start 140 twips left of the detectors and end 232.8 right of them.
    static constexpr double markerPerProbeTwip = 0.72;
    constexpr double markerX() const
    {
        return scene::plotLeftX - scene::sweepTopY + markerPerProbeTwip * y();
    }
    constexpr bool probeInSubstance() const { return y() > scene::surfaceY; }
    constexpr bool drawsChainV() const { return y() % 100 == 0; }
    constexpr bool drawsChainL() const { return y() % 250 == 0; }

    // Where each chain starts; H's starts on detector H itself.
    constexpr double chainVStartX() const { return scene::spiralX; }
    constexpr double chainLStartY() const { return scene::spiralAxisLY; }
};
