// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What classical wave optics predicts for light that meets the surface from the substance side:
// the critical angle, the angle of refraction by Snell's law, the Fresnel reflectances and how
// far the evanescent field reaches into the air under total internal reflection. All angles here
// are true degrees; the program's own degrees (turned into radians with 3.14 for pi) are
// converted first by trueDegrees.

#include <optional>

namespace optics {

// The light's wavelength in air, in twips: the phase turns 3 radians per twip of path.
inline constexpr double pi = 3.14159265358979323846;
inline constexpr double wavelengthInAir = 2 * pi / 3;

// The angle, in true degrees, that the program means by designDegrees: it turns degrees into
// radians with 3.14 for pi, so its 35 is 34.98 true degrees.
double trueDegrees(double designDegrees);

// The wavelength inside a substance of index n, in twips.
double wavelengthIn(double n);

// sin θc = 1/n, and θc in degrees; n must be above 1.
double criticalSine(double n);
double criticalAngle(double n);

// The angle of the refracted ray in air for incidence from the substance, by Snell's law
// n sin α = sin β; none when n sin α > 1 (total internal reflection).
std::optional<double> refractionAngle(double n, double incidenceDegrees);

// The share of the light's power that the surface reflects, in per cent, for the electric field
// perpendicular (s) and parallel (p) to the plane of incidence; 100 % for both beyond θc.
struct Reflectance
{
    double s = 0;
    double p = 0;
};
Reflectance reflectance(double n, double incidenceDegrees);

// The distance in twips over which the evanescent field's amplitude falls to 1/e in the air,
// d = λ0 / (2π √(n² sin² α − 1)); none where the light is not totally reflected.
std::optional<double> penetrationDepth(double n, double incidenceDegrees);

// How far the angle of incidence spreads about its value because the beam is only widthTwips
// wide along the surface: the wavelength in the substance over the beam's width across its
// path, λ0 / (width · n · cos α), in degrees (to the first dark fringe on either side).
double beamSpread(double n, double incidenceDegrees, double widthTwips);

// The numbers of one setting, for the theory panel of the picture and of the help window.
struct Prediction
{
    double n = 0;
    double criticalSine = 0;
    double criticalAngle = 0; // degrees
    double incidence = 0;     // true degrees
    std::optional<double> refraction;
    Reflectance reflectance;
    std::optional<double> depthTwips;
    std::optional<double> depthWavelengths; // in wavelengths in air
};

// For the index and the angle as the program holds them (its own degrees); none for an index of
// 1 or less, which has no critical angle, and for an angle outside 0 ... 90 degrees.
std::optional<Prediction> predict(double n, double designDegrees);

} // namespace optics
