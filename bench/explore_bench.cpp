// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explore view's live budget: one height curve (61 heights, a Gaussian beam of waist
// 600 twips sampled every 0.5 twip, exact wavelets) with the fast loop and with the plain loop
// (Boost's H1 for every arrow); and one gap curve.

#include "ExploreSums.h"

#include <benchmark/benchmark.h>

namespace {

ExploreSettings waterAt60()
{
    ExploreSettings s;
    s.index = 1.33;
    s.alphaDegrees = 60;
    s.waistTwips = 600;
    s.stepTwips = 0.5;
    s.arrows = ArrowKind::Exact;
    return s;
}

void heightCurveFast(benchmark::State& state)
{
    const ExploreSettings s = waterAt60();
    for (auto _ : state) {
        benchmark::DoNotOptimize(heightCurve(s));
    }
}
BENCHMARK(heightCurveFast)->Unit(benchmark::kMillisecond);

void heightCurvePlainLoop(benchmark::State& state)
{
    const ExploreSettings s = waterAt60();
    for (auto _ : state) {
        benchmark::DoNotOptimize(heightCurvePlain(s));
    }
}
BENCHMARK(heightCurvePlainLoop)->Unit(benchmark::kMillisecond);

void heightCurveEqualArrows(benchmark::State& state)
{
    ExploreSettings s = waterAt60();
    s.arrows = ArrowKind::Equal;
    for (auto _ : state) {
        benchmark::DoNotOptimize(heightCurve(s));
    }
}
BENCHMARK(heightCurveEqualArrows)->Unit(benchmark::kMillisecond);

void gapCurveFast(benchmark::State& state)
{
    ExploreSettings s = waterAt60();
    s.secondBlock = true;
    s.gapTwips = 6 * *decayLength(s.index, s.alphaDegrees);
    for (auto _ : state) {
        benchmark::DoNotOptimize(gapCurve(s));
    }
}
BENCHMARK(gapCurveFast)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
