#include "Countdown.h"

#include <algorithm>
#include <array>
#include <chrono>

#include <time.h>

namespace {

// Busy iterations that the compiler must keep: the empty asm with a memory clobber is a
// barrier it cannot see through.
void spin(std::uint64_t spins)
{
    for (std::uint64_t s = 0; s < spins; ++s) {
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

void Countdown::run(std::int64_t n) const
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
    // Long enough that the clock's grain and the loop's own cost hardly count, short enough
    // for start-up: a few milliseconds in all.
    constexpr std::uint64_t trialSpins = 4096;
    constexpr std::int64_t trialDecrements = 256;
    const Countdown trial(trialSpins);

    // An idle processor runs slowly for its first milliseconds of work; measure only once it is
    // up to speed, or every pause would come out too long.
    constexpr double warmUpSeconds = 0.02;
    for (const double start = threadSeconds(); threadSeconds() - start < warmUpSeconds;) {
        trial.run(trialDecrements);
    }

    std::array<double, 9> secondsPerSpin{};
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
