// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two substances the light comes up through.

#include "TableLookup.h"

#include <array>
#include <optional>
#include <string_view>

enum class Substance
{
    Water,
    Glass
};

struct SubstanceRow
{
    Substance value;
    std::string_view key;  // the text of the hidden field nLátka (UTF-8)
    std::string_view name; // in English, for the command line and exported files
    double refrIndex;
    // Degrees. The program's own constants, not computed from the indices: they lie just past
    // the angle at which, with its 3.14 for pi, the refracted ray would graze the surface.
    double criticalAngle;
};

inline constexpr std::array<SubstanceRow, 2> substanceTable{{
    {Substance::Water, "Voda", "water", 1.33, 48.783},
    {Substance::Glass, "Sklo", "glass", 1.5, 41.839},
}};
static_assert(settingsTables::indexedByValue(substanceTable));

constexpr const SubstanceRow& facts(Substance substance)
{
    return settingsTables::rowOf(substanceTable, substance);
}

constexpr std::optional<Substance> substanceFromKey(std::string_view key)
{
    return settingsTables::fromKey(substanceTable, key);
}
