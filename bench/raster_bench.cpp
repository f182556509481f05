// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The finished run's picture drawn whole on a 3840 x 2160 screen, the design fitted by its
// height (2866 x 2160 pixels), by the Qt-free rasteriser the page uses and by the window's
// renderer; and the same at the design's size. Each redraw clears the pixels first, as a new
// size does.

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

constexpr int screenHeight = 2160;
constexpr double designWidth = 763;
constexpr double designHeight = 575;

// range(0): 1 for full screen on 3840 x 2160, 0 for the design's own size.
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
    std::vector<std::uint32_t> pixels(std::size_t(width) * height);
    for (auto _ : state) {
        std::fill(pixels.begin(), pixels.end(), 0u);
        rasterisePicture({pixels.data(), width, height, width}, list, 0, list.size(), factor);
        benchmark::DoNotOptimize(pixels.data());
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
