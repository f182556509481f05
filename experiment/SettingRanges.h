// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The indices of refraction and angles of incidence a run accepts. Outside them a number means
// nothing physically, or the light paths and the Cornu spirals would leave the scene and cross
// the control panel.

#include "SceneGeometry.h"

namespace ranges {

struct Range
{
    double lowest = 0;
    double highest = 0;
    constexpr bool contains(double value) const { return value >= lowest && value <= highest; }
    friend constexpr bool operator==(const Range&, const Range&) = default;
};

// Beyond this magnitude a setting makes no sense to teach with, and the run's phases and
// drawing coordinates would lose all precision or overflow.
inline constexpr double largestSetting = 1e6;

// Nothing a run draws may lie left of this x: the incident beam at grazing incidence ends here,
// and further left lies the control panel.
inline constexpr double sceneLeftX = scene::stripLeftX - 500;

// With an index below about 0.26 the phases hardly turn, and detector L's spirals stretch
// left across the control panel at some angles in every angle case; 0.5 leaves a margin. Above
// it nothing reaches the panel (tests/experiment/test_setting_ranges.cpp sweeps the range).
inline constexpr Range refrIndex{0.5, largestSetting};

// Degrees, measured from the normal: the light comes up through the substance.
inline constexpr Range angle{0, 90};

} // namespace ranges
