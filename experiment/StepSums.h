// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the amplitude sums of one sweep step take and give: for each surface point of the lit
// stretch one arrow per detector, whose direction is the phase of the light's path.

#include "RunParameters.h"
#include "RunSettings.h"
#include "SceneGeometry.h"
#include "SweepStep.h"

#include <cmath>
#include <complex>

using Arrow = std::complex<double>; // x to the right, y downwards, in twips

struct SumInputs
{
    double refrIndex = 0;
    double sinAlpha = 0; // sine of the angle of incidence
    double phaseFactor = 0;
    double arrowLenVH = 0;
    double arrowLenL = 0;
    double detectorDistance = 0;

    // The inputs of a run with these settings and parameters.
    static SumInputs from(const RunSettings& settings, const RunParameters& parameters)
    {
        return {
            .refrIndex = settings.refrIndex,
            .sinAlpha = std::sin(scene::radians(settings.alpha)),
            .phaseFactor = phasePerTwip,
            .arrowLenVH = parameters.arrowLenVH,
            .arrowLenL = parameters.arrowLenL,
            .detectorDistance = settings.detectorDistance,
        };
    }

    // Detector L sees nothing while the probe is still high up in the air.
    double effectiveArrowLenL(SweepStep step) const { return step.y() < 1000 ? 0 : arrowLenL; }
};

// The resultants of the three chains of a step: last point minus start point.
struct StepResultants
{
    Arrow v;
    Arrow h;
    Arrow l;

    bool operator==(const StepResultants&) const = default;
};
