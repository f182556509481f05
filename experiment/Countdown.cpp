// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Countdown.h"

#include <algorithm>
#include <array>
#include <chrono>

#include <time.h>

namespace {

// Busy iterations that the compiler must keep. On x86 each is a pause instruction: its length
// is fixed by the processor, while a plain loop runs at half speed whenever the other hardware
// thread of the core is busy, which on a shared machine comes and goes from second to second.
// The pause also leaves that other thread the core while we wait.
void spin(std::uint64_t spins)
{
    for (std::uint64_t s = 0; s < spins; ++s) {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
        asm volatile("" ::: "memory");
    }
}

// Processor time of this thread: a measurement that another process interrupts is not
// lengthened by the wait, so a busy machine at start-up does not shorten every later pause.
double threadSeconds()
{
    timespec now{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

} // namespace

Countdown::Countdown(std::uint64_t spinsPerDecrement) : m_spins(spinsPerDecrement) {}

// Never inlined: calibration must time the very machine code that later makes the pauses, not
// a copy the compiler specialised for the trial's constants.
__attribute__((noinline)) void Countdown::run(std::int64_t n) const
{
    // The counter lives in memory, so every decrement and test really happens.
    volatile std::int64_t counter = n;
    while (counter > 0) {
        counter = counter - 1;
        spin(m_spins);
        if (m_hook) {
            m_hook();
        }
    }
}

Countdown Countdown::calibrated(double decrementSeconds)
{
    // Each trial is long enough that the clock's grain and the loop's own cost hardly count,
    // and all of them together take a few milliseconds of start-up.
    constexpr std::uint64_t trialSpins = 64;
    constexpr std::int64_t trialDecrements = 256;
    const Countdown trial(trialSpins);

    // An idle processor runs slowly for its first milliseconds of work; measure only once it is
    // up to speed, or every pause would come out too long.
    constexpr double warmUpSeconds = 0.02;
    for (const double start = threadSeconds(); threadSeconds() - start < warmUpSeconds;) {
        trial.run(trialDecrements);
    }

    std::array<double, 15> secondsPerSpin{};
    for (auto& measured : secondsPerSpin) {
        const double start = threadSeconds();
        trial.run(trialDecrements);
        measured = (threadSeconds() - start) / double(trialSpins * trialDecrements);
    }
    // The median shrugs off a measurement disturbed by another process.
    auto middle = secondsPerSpin.begin() + secondsPerSpin.size() / 2;
    std::nth_element(secondsPerSpin.begin(), middle, secondsPerSpin.end());
    const double spins = *middle > 0 ? decrementSeconds / *middle : 0;
    return Countdown(std::uint64_t(std::max(0.0, spins) + 0.5));
}
