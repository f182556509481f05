// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The three angles of incidence: 35 degrees, 60 degrees, or the critical angle of the substance.

#include "TableLookup.h"

#include <array>
#include <optional>
#include <string_view>

enum class AngleCase
{
    Angle35,
    Critical,
    Angle60
};

struct AngleCaseRow
{
    AngleCase value;
    std::string_view key;  // the text of the hidden field nAlfaCaption (UTF-8)
    std::string_view name; // in English, for the command line
    // The angle written into nAlfa, in degrees; none for the critical angle, which is the
    // substance's.
    std::optional<double> degrees;
};

inline constexpr std::array<AngleCaseRow, 3> angleCaseTable{{
    {AngleCase::Angle35, "35", "35", 35.0},
    {AngleCase::Critical, "Mezní", "critical", std::nullopt},
    {AngleCase::Angle60, "60", "60", 60.0},
}};
static_assert(settingsTables::indexedByValue(angleCaseTable));

constexpr const AngleCaseRow& facts(AngleCase angleCase)
{
    return settingsTables::rowOf(angleCaseTable, angleCase);
}

constexpr std::optional<AngleCase> angleCaseFromKey(std::string_view key)
{
    return settingsTables::fromKey(angleCaseTable, key);
}
