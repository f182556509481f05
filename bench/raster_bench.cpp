// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The finished run's picture drawn whole on a 3840 x 2160 screen, the design fitted by its
// height, by the Qt-free rasteriser the page uses and by the window's renderer; and the same at
// the design's size. Each redraw clears the pixels first, as a new size does.

#include "BenchSettings.h"
#include "DrawingList.h"
#include "ExperimentRun.h"
#include "PictureRenderer.h"
#include "PixelRaster.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int screenWidth = 3840;
constexpr int screenHeight = 2160;
constexpr double designWidth = 763;
constexpr double designHeight = 575;

// range(0): 1 for the whole 3840 x 2160 screen, 0 for the design's own size.
double factorFor(const benchmark::State& state)
{
    return state.range(0) == 1 ? screenHeight / designHeight : 1.0;
}

const DrawingList& finishedRun()
{
    static const DrawingList list = [] {
        DrawingList drawing;
        runWhole(drawing, startUpSettings());
        return drawing;
    }();
    return list;
}

void rasteriser(benchmark::State& state)
{
    const DrawingList& list = finishedRun();
    const double factor = factorFor(state);
    const int width = int(std::lround(designWidth * factor));
    const int height = int(std::lround(designHeight * factor));
    // The screen's pixels, the picture in the middle of them.
    const int screenW = state.range(0) == 1 ? screenWidth : width;
    const int screenH = state.range(0) == 1 ? screenHeight : height;
    std::vector<std::uint32_t> screen(std::size_t(screenW) * screenH);
    const int left = (screenW - width) / 2;
    for (auto _ : state) {
        std::fill(screen.begin(), screen.end(), 0u);
        rasterisePicture({screen.data() + left, width, height, screenW}, list, 0, list.size(),
                         factor);
        benchmark::DoNotOptimize(screen.data());
    }
    state.counters["commands"] = double(list.size());
}

void windowRenderer(benchmark::State& state)
{
    const DrawingList& list = finishedRun();
    const double factor = factorFor(state);
    QImage image(int(std::lround(designWidth * factor)), int(std::lround(designHeight * factor)),
                 QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        PictureRenderer::render(image, list, 0, list.size(), factor);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(rasteriser)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(windowRenderer)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

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
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
