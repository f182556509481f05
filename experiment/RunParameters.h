// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The parameters of one run that depend on the angle case, the substance and the distance: the
// phase factor, the arrow lengths of the amplitude chains and the scales of the three curves.

#include <string_view>

namespace keys {
// The key texts of the settings, compared whole and case-sensitively (UTF-8).
constexpr std::string_view angle35 = "35";
constexpr std::string_view angle60 = "60";
constexpr std::string_view angleCritical = "Mezní";
constexpr std::string_view water = "Voda";
constexpr std::string_view glass = "Sklo";
constexpr std::string_view distanceNear = "100";
constexpr std::string_view distanceMiddle = "750";
constexpr std::string_view distanceFar = "1500";
} // namespace keys

struct RunParameters
{
    double phaseFactor = 3; // radians of phase per twip of optical path
    // A value the angle case leaves unset counts as 0, except scaleV, which keeps 0.001.
    double arrowLenVH = 0;
    double arrowLenL = 0;
    double scaleV = 0.001;
    double scaleH = 0;
    double scaleL = 0;

    bool operator==(const RunParameters&) const = default;
};

// The parameters for the given key texts. The angle case is tested in the order "Mezní", "35",
// "60"; a case that matches sets its arrow length for V and H even when the substance or the
// distance text is unknown, and then sets nothing further.
RunParameters chooseRunParameters(std::string_view angleCase, std::string_view substance,
                                  std::string_view distanceKey);
