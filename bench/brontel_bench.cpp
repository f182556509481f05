// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The speed of a run: the plain loop of the sums against the fast kernel, a whole run at the
// fastest pace, and a run at a slow pace against the pace it should keep.

#include "BenchSettings.h"
#include "ChainSums.h"
#include "Countdown.h"
#include "Curves.h"
#include "ExperimentRun.h"
#include "RunParameters.h"
#include "ScalarSums.h"
#include "SweepSums.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <stdlib.h> // mkdtemp

namespace {

// Scroll bar at 100: 100 * 100 + 1 decrements after every step.
constexpr std::int64_t slowCount = 10001;
constexpr double decrementSeconds = 1e-6;

struct Sums
{
    RunParameters parameters;
    SumInputs inputs;
};

const Sums& startUpSums()
{
    static const Sums sums = [] {
        const RunSettings s = startUpSettings();
        const RunParameters p = chooseRunParameters(s.angleCase, s.substance, s.distance);
        return Sums{p, SumInputs::from(s, p)};
    }();
    return sums;
}

const Countdown& microsecondCountdown()
{
    static const Countdown countdown = Countdown::calibrated(decrementSeconds);
    return countdown;
}

std::vector<StepResultants> plainSweep(const SumInputs& in)
{
    std::vector<StepResultants> all;
    all.reserve(scene::sweepSteps);
    for (int k = 0; k < scene::sweepSteps; ++k) {
        all.push_back(scalarStepSums(in, SweepStep{k}));
    }
    return all;
}

// The largest difference of any bar between two sweeps, in twips.
double largestBarDifference(const std::vector<StepResultants>& a,
                            const std::vector<StepResultants>& b, const RunParameters& p)
{
    double largest = 0;
    for (std::size_t k = 0; k < a.size(); ++k) {
        largest = std::max(
            {largest, std::abs(probability(p.scaleV, a[k].v) - probability(p.scaleV, b[k].v)),
             std::abs(probability(p.scaleH, a[k].h) - probability(p.scaleH, b[k].h)),
             std::abs(probability(p.scaleL, a[k].l) - probability(p.scaleL, b[k].l))});
    }
    return largest;
}

void plainSums(benchmark::State& state)
{
    const SumInputs& in = startUpSums().inputs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plainSweep(in));
    }
    state.SetItemsProcessed(state.iterations() * scene::sweepSteps * chainArrows * 3);
}

// range(0): the vector path; range(1): workers, 0 for one per core.
void fastSums(benchmark::State& state)
{
    const auto path = SimdPath(state.range(0));
    if (!simdPathSupported(path)) {
        state.SkipWithError("vector path not supported here");
        return;
    }
    const Sums& sums = startUpSums();
    const ChainSums kernel(sums.inputs, path);
    std::vector<StepResultants> all;
    for (auto _ : state) {
        all = sumSweep(kernel, unsigned(state.range(1)));
        benchmark::DoNotOptimize(all.data());
    }
    const double difference = largestBarDifference(all, plainSweep(sums.inputs), sums.parameters);
    state.counters["maxBarDiff"] = difference;
    if (difference > 1e-6) {
        state.SkipWithError("bars differ from the plain loop by more than 1e-6 twip");
    }
    state.SetItemsProcessed(state.iterations() * scene::sweepSteps * chainArrows * 3);
    state.SetLabel(std::string(simdPathName(path)));
}

void wholeRun(benchmark::State& state, std::int64_t count)
{
    const Countdown& countdown = microsecondCountdown();
    const RunSettings settings = startUpSettings();
    for (auto _ : state) {
        CountingSurface surface;
        runPaced(surface, settings, countdown, count);
        benchmark::DoNotOptimize(surface.calls);
    }
}

void fastestRun(benchmark::State& state)
{
    wholeRun(state, 1);
}

void slowRun(benchmark::State& state)
{
    wholeRun(state, slowCount);
    state.counters["spinsPerDecrement"] = double(microsecondCountdown().spinsPerDecrement());
}

// The whole command that makes a worksheet's files, as a process from start to exit: no
// display, the SVG and the CSV of the start-up run written into a scratch folder.
void commandLine(benchmark::State& state)
{
    char folder[] = "/tmp/brontel-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        state.SkipWithError("no scratch folder");
        return;
    }
    const std::string command =
        std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + BRONTEL_PROGRAM +
        " --picture " + folder + "/x.svg --curves " + folder + "/x.csv 2>/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the command failed");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}

// Keeps the real time of every benchmark for the summary after the table.
class SummaryReporter final : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> seconds;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
                seconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

double find(const std::map<std::string, double>& seconds, const std::string& prefix)
{
    for (const auto& [name, s] : seconds) {
        if (name.rfind(prefix, 0) == 0) {
            return s;
        }
    }
    return 0;
}

void printSummary(const std::map<std::string, double>& seconds)
{
    const double plain = find(seconds, "plainSums");
    std::printf("\nVector path chosen on this processor: %s\n",
                std::string(simdPathName(bestSimdPath())).c_str());
    for (const auto& [name, s] : seconds) {
        if (name.rfind("fastSums", 0) == 0 && plain > 0) {
            std::printf("speed-up of %-32s over the plain loop: %6.1fx\n", name.c_str(), plain / s);
        }
    }
    const double command = find(seconds, "commandLine");
    if (command > 0 && plain > 0) {
        std::printf("brontel --picture x.svg --curves x.csv: %.0f ms, %.1fx the plain loop\n",
                    command * 1e3, command / plain);
    }
    const double fastest = find(seconds, "fastestRun");
    const double slow = find(seconds, "slowRun");
    if (fastest > 0 && slow > 0) {
        const double expected = scene::sweepSteps * double(slowCount) * decrementSeconds + fastest;
        std::printf("run at N = %lld: %.3f s, expected %.3f s (467 x %lld us + fastest run "
                    "%.3f s): %+.1f %%\n",
                    static_cast<long long>(slowCount), slow, expected,
                    static_cast<long long>(slowCount), fastest, 100 * (slow / expected - 1));
    }
}

} // namespace

BENCHMARK(plainSums)->Unit(benchmark::kMillisecond);
BENCHMARK(fastSums)
    ->ArgNames({"path", "workers"})
    ->Args({int(SimdPath::Baseline), 1})
    ->Args({int(SimdPath::Avx2), 1})
    ->Args({int(SimdPath::Avx512), 1})
    ->Args({int(SimdPath::AdvSimd), 1})
    ->Args({int(SimdPath::Portable), 1})
    ->Args({int(bestSimdPath()), 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(fastestRun)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(commandLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(slowRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(1);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter.seconds);
    benchmark::Shutdown();
    return 0;
}
