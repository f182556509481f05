// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StepSums.h"

#include "RunParameters.h"
#include "RunSettings.h"
#include "SceneGeometry.h"

#include <cmath>

SumInputs SumInputs::from(const RunSettings& settings, const RunParameters& parameters)
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
