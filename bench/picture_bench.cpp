// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole run at the fastest pace with all its drawing, into the window's real picture, beside
// the plain loop of the sums alone.

#include "BenchSettings.h"
#include "Countdown.h"
#include "ExperimentRun.h"
#include "PictureSurface.h"
#include "RunParameters.h"
#include "ScalarSums.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// The picture as the window has it: 763 x 575 logical pixels.
constexpr QSize pictureSize(763, 575);

double plainSeconds = 0;
double pictureSeconds = 0;

void plainSums(benchmark::State& state)
{
    const RunSettings s = startUpSettings();
    const SumInputs in =
        SumInputs::from(s, chooseRunParameters(s.angleCase, s.substance, s.distanceKey));
    for (auto _ : state) {
        for (int k = 0; k < scene::sweepSteps; ++k) {
            benchmark::DoNotOptimize(scalarStepSums(in, SweepStep{k}));
        }
    }
}

// range(0): the device pixel ratio of the picture.
void runIntoPicture(benchmark::State& state)
{
    const Countdown countdown(0);
    const RunSettings settings = startUpSettings();
    PictureSurface picture(pictureSize, qreal(state.range(0)));
    for (auto _ : state) {
        FixedPaceHost host(1);
        ExperimentRun(picture, host, countdown).run(settings);
        benchmark::DoNotOptimize(picture.image().constBits());
    }
}

class Reporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const double s =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.benchmark_name().rfind("plainSums", 0) == 0) {
                plainSeconds = s;
            } else if (run.benchmark_name() == "runIntoPicture/1/real_time") {
                pictureSeconds = s;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(plainSums)->Unit(benchmark::kMillisecond);
BENCHMARK(runIntoPicture)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (plainSeconds > 0 && pictureSeconds > 0) {
        std::printf("\nwhole run into the picture: %.1f ms, %.2fx the plain loop of the sums "
                    "(%.1f ms)\n",
                    pictureSeconds * 1e3, pictureSeconds / plainSeconds, plainSeconds * 1e3);
    }
    benchmark::Shutdown();
    return 0;
}
