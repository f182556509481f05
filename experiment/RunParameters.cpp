// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunParameters.h"

#include <optional>

namespace {

struct ByDistance
{
    double far = 0;    // "1500"
    double middle = 0; // "750"
    double near = 0;   // "100"
};

std::optional<double> pick(const ByDistance& values, std::string_view distanceKey)
{
    if (distanceKey == keys::distanceFar) {
        return values.far;
    }
    if (distanceKey == keys::distanceMiddle) {
        return values.middle;
    }
    if (distanceKey == keys::distanceNear) {
        return values.near;
    }
    return std::nullopt;
}

void chooseCritical(RunParameters& p, std::string_view substance, std::string_view distanceKey)
{
    p.arrowLenVH = 1;
    const bool water = substance == keys::water;
    if (!water && substance != keys::glass) {
        return;
    }
    const auto scaleH = pick({0.01, 0.02, 0.0001}, distanceKey);
    if (!scaleH) {
        return;
    }
    p.scaleH = *scaleH;
    p.scaleL = water ? 0.0025 : 0.004;
    p.scaleV = 0.0015;
    p.arrowLenL = 5;
}

void choose35(RunParameters& p, std::string_view substance, std::string_view distanceKey)
{
    p.arrowLenVH = 3;
    const bool water = substance == keys::water;
    if (!water && substance != keys::glass) {
        return;
    }
    const auto scaleH =
        pick(water ? ByDistance{0.01, 0.02, 0.12} : ByDistance{0.005, 0.01, 0.05}, distanceKey);
    if (!scaleH) {
        return;
    }
    p.scaleV = water ? 0.005 : 0.003;
    p.scaleH = *scaleH;
    p.scaleL = 0.004;
    p.arrowLenL = 6;
}

void choose60(RunParameters& p)
{
    // Beyond the critical angle nothing leaves the substance: detector H's curve stays flat.
    p.scaleV = 0.013;
    p.scaleH = 0;
    p.scaleL = 0.005;
    p.arrowLenL = 3;
    p.arrowLenVH = 2;
}

} // namespace

RunParameters chooseRunParameters(std::string_view angleCase, std::string_view substance,
                                  std::string_view distanceKey)
{
    RunParameters p;
    if (angleCase == keys::angleCritical) {
        chooseCritical(p, substance, distanceKey);
    } else if (angleCase == keys::angle35) {
        choose35(p, substance, distanceKey);
    } else if (angleCase == keys::angle60) {
        choose60(p);
    }
    return p;
}
