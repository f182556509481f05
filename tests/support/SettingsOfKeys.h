// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Run settings named in a test's table by the settings' key texts ("35", "Voda", "750"): a
// shorter row than the enums. A key outside the settings tables is a mistake in the table.

#include "RunSettings.h"

#include <stdexcept>
#include <string>
#include <string_view>

inline RunSettings settingsOfKeys(double refrIndex, double alpha, std::string_view angleKey,
                                  std::string_view substanceKey, std::string_view distanceKey,
                                  double detectorDistance)
{
    const auto angleCase = angleCaseFromKey(angleKey);
    const auto substance = substanceFromKey(substanceKey);
    const auto distance = detectorDistanceFromKey(distanceKey);
    if (!angleCase || !substance || !distance) {
        throw std::invalid_argument("no such settings: " + std::string(angleKey) + " " +
                                    std::string(substanceKey) + " " + std::string(distanceKey));
    }
    RunSettings settings = RunSettings::of(refrIndex, alpha, *angleCase, *substance, *distance);
    settings.detectorDistance = detectorDistance;
    return settings;
}
