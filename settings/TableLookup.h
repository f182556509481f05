// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Finding a row of one of the settings tables by its enum or by its key text.

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace settingsTables {

// Every table is indexed by its enum, so a row's place is its enum's value.
template <typename Row, std::size_t N, typename Enum>
constexpr const Row& rowOf(const std::array<Row, N>& table, Enum value)
{
    return table[static_cast<std::size_t>(value)];
}

// Key texts are compared whole, character for character, case-sensitively.
template <typename Row, std::size_t N>
constexpr auto fromKey(const std::array<Row, N>& table, std::string_view key)
    -> std::optional<decltype(Row::value)>
{
    const auto found =
        std::find_if(table.begin(), table.end(), [key](const Row& row) { return row.key == key; });
    if (found == table.end()) {
        return std::nullopt;
    }
    return found->value;
}

// A table is well formed when row i holds the enum value i.
template <typename Row, std::size_t N>
constexpr bool indexedByValue(const std::array<Row, N>& table)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(table[i].value) != i) {
            return false;
        }
    }
    return true;
}

} // namespace settingsTables
