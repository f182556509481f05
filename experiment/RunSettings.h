// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings of one run, as the window's choices and its two typed numbers give them when
// Start is pressed.

#include "AngleCase.h"
#include "DetectorDistance.h"
#include "Substance.h"

struct RunSettings
{
    double refrIndex = 0; // nIndex
    double alpha = 0;     // nAlfa, degrees
    AngleCase angleCase = AngleCase::Angle35;
    Substance substance = Substance::Water;
    DetectorDistance distance = DetectorDistance::Middle;
    double detectorDistance = 750; // the distance as a number, twips

    // A run of these choices with the two typed numbers.
    static constexpr RunSettings of(double refrIndex, double alpha, AngleCase angleCase,
                                    Substance substance, DetectorDistance distance)
    {
        return {refrIndex, alpha, angleCase, substance, distance, double(facts(distance).twips)};
    }

    friend bool operator==(const RunSettings&, const RunSettings&) = default;
};
