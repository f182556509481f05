// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole run at the fastest pace with all its drawing, into the window's real picture, beside
// the plain loop of the sums alone; and the finished run's picture rendered again at full screen
// on a 3840 x 2160 screen, as when the window is resized or goes full screen.

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
#include <fstream>
#include <string>

namespace {

// The picture as the window has it: 763 x 575 design pixels.
constexpr QSize pictureSize(763, 575);
// Full screen on 3840 x 2160: the design fits by its height.
constexpr double fullScreenFactor = 2160.0 / 575;

double plainSeconds = 0;
double pictureSeconds = 0;
double rerenderSeconds = 0;

// Resident memory of this process, in MB, from the kernel.
double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
    }
    return 0;
}

void plainSums(benchmark::State& state)
{
    const RunSettings s = startUpSettings();
    const SumInputs in =
        SumInputs::from(s, chooseRunParameters(s.angleCase, s.substance, s.distance));
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
        picture.clear(); // as the window does at Start
        runPaced(picture, settings, countdown, 1);
        benchmark::DoNotOptimize(picture.image().constBits());
    }
}

// The picture of a finished run rendered whole at full screen.
void rerenderFullScreen(benchmark::State& state)
{
    const Countdown countdown(0);
    PictureSurface picture(pictureSize, 1);
    runPaced(picture, startUpSettings(), countdown, 1);
    bool large = false;
    for (auto _ : state) {
        large = !large;
        picture.setScale(large ? fullScreenFactor : fullScreenFactor - 0.01, 1);
        benchmark::DoNotOptimize(picture.image().constBits());
    }
    state.counters["commands"] = double(picture.drawing().size());
}

// A run drawn while the window is full screen on 3840 x 2160, then the memory it holds.
void runAtFullScreen(benchmark::State& state)
{
    const Countdown countdown(0);
    PictureSurface picture(pictureSize, 1, fullScreenFactor);
    for (auto _ : state) {
        picture.clear();
        runPaced(picture, startUpSettings(), countdown, 1);
        benchmark::DoNotOptimize(picture.image().constBits());
    }
    state.counters["resident_MB"] = residentMegabytes();
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
            } else if (run.benchmark_name().rfind("rerenderFullScreen", 0) == 0) {
                rerenderSeconds = s;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(plainSums)->Unit(benchmark::kMillisecond);
BENCHMARK(runIntoPicture)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(rerenderFullScreen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(runAtFullScreen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

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
    if (plainSeconds > 0 && rerenderSeconds > 0) {
        std::printf("the whole picture again at full screen 3840 x 2160: %.1f ms, %.2fx the plain "
                    "loop\n",
                    rerenderSeconds * 1e3, rerenderSeconds / plainSeconds);
    }
    benchmark::Shutdown();
    return 0;
}
