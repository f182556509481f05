// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The parameters of one run that depend on the angle case, the substance and the distance: the
// arrow lengths of the amplitude chains and the scales of the three curves.

#include "AngleCase.h"
#include "DetectorDistance.h"
#include "Substance.h"

// Radians of phase per twip of optical path, the same in every run: one wavelength is
// 2π/3 ≈ 2.09 twips.
inline constexpr double phasePerTwip = 3;

struct RunParameters
{
    // Every angle case sets every value; these are only where a case starts from.
    double arrowLenVH = 0;
    double arrowLenL = 0;
    double scaleV = 0.001;
    double scaleH = 0;
    double scaleL = 0;

    bool operator==(const RunParameters&) const = default;
};

// The parameters for the given settings.
RunParameters chooseRunParameters(AngleCase angleCase, Substance substance,
                                  DetectorDistance distance);
