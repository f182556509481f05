// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The three heights of detector H's line above the surface, and where the window shows them.

#include "TableLookup.h"

#include <array>
#include <optional>
#include <string_view>

enum class DetectorDistance
{
    Near,
    Middle,
    Far
};

struct DetectorDistanceRow
{
    DetectorDistance value;
    std::string_view key; // the text of the hidden field nDistance
    int twips;            // the same as a number
    int markerY;          // where the marker line Line1 runs, twips
    int labelTop;         // the top of the label nDetektorH, twips
};

inline constexpr std::array<DetectorDistanceRow, 3> detectorDistanceTable{{
    {DetectorDistance::Near, "100", 100, 4900, 4600},
    {DetectorDistance::Middle, "750", 750, 4280, 4400},
    {DetectorDistance::Far, "1500", 1500, 3530, 3700},
}};
static_assert(settingsTables::indexedByValue(detectorDistanceTable));

// The marker line always spans the same stretch, and the label keeps its left edge; only their
// heights follow the distance.
namespace marker {
inline constexpr int leftX = 2880;
inline constexpr int rightX = 11400;
inline constexpr int labelLeft = 5800;
} // namespace marker

constexpr const DetectorDistanceRow& facts(DetectorDistance distance)
{
    return settingsTables::rowOf(detectorDistanceTable, distance);
}

constexpr std::optional<DetectorDistance> detectorDistanceFromKey(std::string_view key)
{
    return settingsTables::fromKey(detectorDistanceTable, key);
}
