// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Classical optics for light that meets an air gap between the substance (index n) and a second
// block (index n2): the share of the power that crosses the gap into the block, with every
// reflection inside the gap summed (the Airy sum of a thin layer). Beyond the critical angle the
// field in the gap is evanescent and the light tunnels (frustrated total internal reflection).

namespace optics {

struct Transmission
{
    double s = 0; // electric field perpendicular to the plane of incidence
    double p = 0; // parallel to it
};

// Shares from 0 to 1. gapTwips ≥ 0; incidence in true degrees in the substance; the wavelength
// in air is 2π/3 twips as everywhere in the program. Zero where the block itself would reflect
// totally (n sin α ≥ n2).
Transmission gapTransmission(double n, double incidenceDegrees, double gapTwips, double n2);

// Brewster's angle for light coming from the substance to the air, true degrees: tan θB = 1/n.
double brewsterAngle(double n);

} // namespace optics
