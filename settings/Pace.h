// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pace of a run: the slow-down count N counted down after every sweep step.

#include <cstdint>

namespace pace {

// The count at start-up: one decrement, as fast as the sums allow.
inline constexpr std::int64_t startCount = 1;

// The scroll bar's range; its value v gives the count v * 100 + 1.
inline constexpr int scrollMinimum = 0;
inline constexpr int scrollMaximum = 1000;

constexpr std::int64_t countForScrollValue(int value)
{
    return std::int64_t(value) * 100 + 1;
}

// The hidden speed options' fixed counts.
inline constexpr std::int64_t fastCount = 1;
inline constexpr std::int64_t slowerCount = 500000;
inline constexpr std::int64_t slowCount = 1000000;

} // namespace pace
