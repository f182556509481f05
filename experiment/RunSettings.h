// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings of one run, built from the window's settings fields when Start is pressed.

#include "AngleCase.h"
#include "DetectorDistance.h"
#include "Substance.h"

#include <optional>
#include <string_view>

struct RunSettings
{
    double refrIndex = 0; // nIndex
    double alpha = 0;     // nAlfa, degrees
    // The keys of nAlfaCaption, nLátka and nDistance. The window only ever writes known keys;
    // a text outside the tables leaves its setting empty, and the run then draws and sums
    // what it can without it.
    std::optional<AngleCase> angleCase;
    std::optional<Substance> substance;
    std::optional<DetectorDistance> distance;
    double detectorDistance = 0; // nDistance as a number, twips

    // From the fields' texts as the window holds them (the keys in UTF-8).
    static RunSettings fromFields(double refrIndex, double alpha, std::string_view angleKey,
                                  std::string_view substanceKey, std::string_view distanceKey,
                                  double detectorDistance)
    {
        return {refrIndex,
                alpha,
                angleCaseFromKey(angleKey),
                substanceFromKey(substanceKey),
                detectorDistanceFromKey(distanceKey),
                detectorDistance};
    }
};
