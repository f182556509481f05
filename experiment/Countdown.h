// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pause after each sweep step: a busy countdown of the slow-down count N. It reads no clock
// and hands nothing to the window; only the length of one decrement is fixed, about a
// microsecond, measured once when the program starts.

#include <cstdint>
#include <functional>

class Countdown
{
public:
    // spinsPerDecrement: busy iterations that make up one decrement (0 makes it as short as
    // the machine allows).
    explicit Countdown(std::uint64_t spinsPerDecrement = 0);

    // A countdown whose decrement lasts about decrementSeconds on this machine.
    static Countdown calibrated(double decrementSeconds = 1e-6);

    // Counts n down to 0, one decrement at a time, in full.
    void run(std::int64_t n) const;

    std::uint64_t spinsPerDecrement() const { return m_spins; }

    // Called once per decrement; for tests, which count decrements without a clock.
    void setDecrementHook(std::function<void()> hook) { m_hook = std::move(hook); }

private:
    std::uint64_t m_spins = 0;
    std::function<void()> m_hook;
};
