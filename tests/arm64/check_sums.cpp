// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sums on a machine other than the one the program is developed on (`make check-arm64` runs it
// under qemu-aarch64): the fast kernel against the plain loop at every step, and the longest bars
// of the start-up run against the values worked out by hand. Needs nothing but the Qt-free core,
// so it builds with a bare cross compiler. Exit status 0 only when everything agrees.

#include "ChainSums.h"
#include "Curves.h"
#include "RunParameters.h"
#include "RunSettings.h"
#include "ScalarSums.h"
#include "SweepSums.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Bars of the fast sums may differ from the plain loop's by no more than this, in twips.
constexpr double barTolerance = 1e-6;

enum class Detector
{
    V,
    H,
    L
};

struct Case
{
    const char* name;
    RunSettings settings;
};

struct Run
{
    RunParameters parameters;
    SumInputs inputs;
};

Run prepare(const RunSettings& s)
{
    Run r;
    r.parameters = chooseRunParameters(s.angleCase, s.substance, s.distance);
    r.inputs = SumInputs::from(s, r.parameters);
    return r;
}

double bar(const RunParameters& p, const StepResultants& r, Detector d)
{
    switch (d) {
    case Detector::V:
        return probability(p.scaleV, r.v);
    case Detector::H:
        return probability(p.scaleH, r.h);
    case Detector::L:
        return probability(p.scaleL, r.l);
    }
    return 0;
}

// The largest difference between the fast bars and the plain loop's over the whole sweep,
// unscaled H included so that a zero scale cannot hide a wrong chain.
double largestDifference(const Run& run, const std::vector<StepResultants>& fast)
{
    double largest = 0;
    for (int k = 0; k < scene::sweepSteps; ++k) {
        const StepResultants plain = scalarStepSums(run.inputs, SweepStep{k});
        for (const Detector d : {Detector::V, Detector::H, Detector::L}) {
            largest = std::max(
                largest, std::abs(bar(run.parameters, fast[k], d) - bar(run.parameters, plain, d)));
        }
        largest = std::max(largest, std::abs(std::norm(fast[k].h) - std::norm(plain.h)));
        if (!std::isfinite(bar(run.parameters, fast[k], Detector::V))) {
            return INFINITY;
        }
    }
    return largest;
}

bool checkPaths(const Case& c)
{
    const Run run = prepare(c.settings);
    bool ok = true;
    for (const SimdPath path : allSimdPaths) {
        if (!simdPathSupported(path)) {
            continue;
        }
        const double diff = largestDifference(run, sumSweep(ChainSums(run.inputs, path)));
        const bool pass = diff <= barTolerance;
        std::printf("%-4s %-22s %-26s largest bar difference from the plain loop %.3g twip\n",
                    pass ? "ok" : "FAIL", c.name, std::string(simdPathName(path)).c_str(), diff);
        ok = ok && pass;
    }
    return ok;
}

struct Expected
{
    Detector detector;
    const char* name;
    double longest; // twips, to a tenth
    double at;      // y for V, x for H and L
};

bool checkWorkedValues(const RunSettings& settings)
{
    const Run run = prepare(settings);
    const std::vector<StepResultants> all = sumSweep(ChainSums(run.inputs));
    const Expected expected[] = {
        {Detector::V, "V", 1694.7, 1565},
        {Detector::H, "H", 1451.2, 4050},
        {Detector::L, "L", 832.3, 5090},
    };
    bool ok = true;
    for (const Expected& e : expected) {
        double longest = -1;
        int longestStep = 0;
        for (int k = 0; k < scene::sweepSteps; ++k) {
            const double b = bar(run.parameters, all[k], e.detector);
            if (b > longest) {
                longest = b;
                longestStep = k;
            }
        }
        const SweepStep step{longestStep};
        const double at = e.detector == Detector::V ? step.y() : step.detectorX();
        const double rounded = std::round(longest * 10) / 10;
        const bool pass = rounded == e.longest && at == e.at;
        std::printf("%-4s longest %s bar %.4f twips (%.1f) at %s %.0f; expected %.1f at %.0f\n",
                    pass ? "ok" : "FAIL", e.name, longest, rounded,
                    e.detector == Detector::V ? "y" : "x", at, e.longest, e.at);
        ok = ok && pass;
    }
    return ok;
}

} // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line as it comes, even into a pipe
    const RunSettings startUp =
        RunSettings::of(1.33, 35, AngleCase::Angle35, Substance::Water, DetectorDistance::Middle);
    std::printf("vector path chosen: %s\n", std::string(simdPathName(bestSimdPath())).c_str());
#if defined(BRONTEL_HAVE_SLEEF) && defined(__aarch64__)
    // Built with SLEEF, the kernel must use it; falling back unnoticed would test the wrong code.
    if (bestSimdPath() != SimdPath::AdvSimd) {
        std::printf("FAIL the Advanced SIMD path is not chosen\n");
        return 1;
    }
#endif
    const Case cases[] = {
        {"start-up", startUp},
        {"35 glass 1500",
         RunSettings::of(1.5, 35, AngleCase::Angle35, Substance::Glass, DetectorDistance::Far)},
        {"60 water 100",
         RunSettings::of(1.33, 60, AngleCase::Angle60, Substance::Water, DetectorDistance::Near)},
        {"critical glass 100", RunSettings::of(1.5, 41.839, AngleCase::Critical, Substance::Glass,
                                               DetectorDistance::Near)},
        // The largest numbers the window lets through: phases of some 1e10 radians.
        {"huge index",
         RunSettings::of(1e6, 35, AngleCase::Angle35, Substance::Glass, DetectorDistance::Near)},
        {"huge angle",
         RunSettings::of(1.5, -1e6, AngleCase::Angle60, Substance::Glass, DetectorDistance::Near)},
    };
    bool ok = true;
    for (const Case& c : cases) {
        ok = checkPaths(c) && ok;
    }
    ok = checkWorkedValues(startUp) && ok;
    std::printf("%s\n", ok ? "arm64 sums: all checks passed" : "arm64 sums: checks FAILED");
    return ok ? 0 : 1;
}
