// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassicalOptics.h"

#include <cmath>

namespace optics {

namespace {
double toRadians(double degrees)
{
    return degrees * pi / 180;
}
double toDegrees(double radians)
{
    return radians * 180 / pi;
}
// n sin α, the sine of the refracted ray's angle when it is at most 1.
double outSine(double n, double incidenceDegrees)
{
    return n * std::sin(toRadians(incidenceDegrees));
}
} // namespace

double trueDegrees(double designDegrees)
{
    return designDegrees * 3.14 / pi;
}

double wavelengthIn(double n)
{
    return wavelengthInAir / n;
}

double criticalSine(double n)
{
    return 1 / n;
}

double criticalAngle(double n)
{
    return toDegrees(std::asin(criticalSine(n)));
}

std::optional<double> refractionAngle(double n, double incidenceDegrees)
{
    const double sine = outSine(n, incidenceDegrees);
    if (sine > 1) {
        return std::nullopt;
    }
    return toDegrees(std::asin(sine));
}

Reflectance reflectance(double n, double incidenceDegrees)
{
    const double sine = outSine(n, incidenceDegrees);
    if (sine >= 1) {
        return {100, 100};
    }
    // From the substance (index n) into air (index 1).
    const double cosIn = std::cos(toRadians(incidenceDegrees));
    const double cosOut = std::sqrt(1 - sine * sine);
    const double rs = (n * cosIn - cosOut) / (n * cosIn + cosOut);
    const double rp = (cosIn - n * cosOut) / (cosIn + n * cosOut);
    return {100 * rs * rs, 100 * rp * rp};
}

std::optional<double> penetrationDepth(double n, double incidenceDegrees)
{
    const double sine = outSine(n, incidenceDegrees);
    if (sine <= 1) {
        return std::nullopt;
    }
    return wavelengthInAir / (2 * pi * std::sqrt(sine * sine - 1));
}

double beamSpread(double n, double incidenceDegrees, double widthTwips)
{
    return toDegrees(wavelengthIn(n) / (widthTwips * std::cos(toRadians(incidenceDegrees))));
}

std::optional<Prediction> predict(double n, double designDegrees)
{
    const double incidence = trueDegrees(designDegrees);
    // Light that does not come up towards the surface has nothing to predict.
    if (!(n > 1) || !std::isfinite(n) || !(incidence >= 0 && incidence < 90)) {
        return std::nullopt;
    }
    Prediction p;
    p.n = n;
    p.criticalSine = criticalSine(n);
    p.criticalAngle = criticalAngle(n);
    p.incidence = incidence;
    p.refraction = refractionAngle(n, p.incidence);
    p.reflectance = reflectance(n, p.incidence);
    p.depthTwips = penetrationDepth(n, p.incidence);
    if (p.depthTwips) {
        p.depthWavelengths = *p.depthTwips / wavelengthInAir;
    }
    return p;
}

} // namespace optics
