// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ComparisonChart.h"

#include "SceneGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double leftMargin = 1400; // room for the value labels
constexpr double rightMargin = 300;
constexpr double topMargin = 700;   // room for the measure's name and the first title
constexpr double panelHeight = 2000;
constexpr double panelPitch = 2700; // room under each panel for its place labels
constexpr double legendTop = topMargin + 2 * panelPitch + panelHeight + 900;
constexpr double tickLength = 80;
constexpr double labelGap = 60;

constexpr Colour gridGrey = 0x00D8D8D8;
constexpr Colour surfaceMarkGrey = 0x00808080;

// A round step (1, 2 or 5 times a power of ten) that cuts the span into at most `most` parts.
double roundStep(double span, int most)
{
    const double raw = span / most;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10 * power;
}

double largestValue(const std::vector<KeptRun>& runs, Detector detector)
{
    double largest = 0;
    for (const KeptRun& run : runs) {
        for (const CurvePoint& p : run.points()) {
            largest = std::max(largest, run.perUnitArrow(p, detector));
        }
    }
    return largest;
}
} // namespace

ComparisonChart::ComparisonChart(std::span<const KeptRun> runs, ChartScale scale)
    : m_runs(runs.begin(), runs.begin() + std::min<std::ptrdiff_t>(runs.size(), maxRuns)),
      m_scale(scale)
{
    for (const Detector d : allDetectors) {
        const double largest = largestValue(m_runs, d);
        if (scale == ChartScale::Logarithmic) {
            const double high = largest > 0 ? std::pow(10.0, std::ceil(std::log10(largest))) : 1;
            m_values[index(d)] = {high * std::pow(10.0, -decades), high};
        } else {
            const double step = largest > 0 ? roundStep(largest, 5) : 0.2;
            m_values[index(d)] = {0, largest > 0 ? std::ceil(largest / step) * step : 1};
        }
        Span places{d == Detector::V ? scene::sweepTopY : scene::plotLeftX, 0};
        places.high = places.low + 1;
        bool first = true;
        for (const KeptRun& run : m_runs) {
            for (const CurvePoint& p : run.points()) {
                const double place = KeptRun::place(p, d);
                places.low = first ? place : std::min(places.low, place);
                places.high = first ? place : std::max(places.high, place);
                first = false;
            }
        }
        if (places.high <= places.low) {
            places.high = places.low + 1;
        }
        m_places[index(d)] = places;
    }
}

RunStyle ComparisonChart::style(int run)
{
    // Black, blue, red, dark green; solid, dashed, dotted, dash-dot.
    static constexpr RunStyle styles[maxRuns] = {
        {0x00000000, DashPattern::solid()},
        {0x00C04000, DashPattern::of(160, 80)},
        {0x000000C0, DashPattern::of(30, 60)},
        {0x00007000, DashPattern::of(160, 60, 30, 60)},
    };
    return styles[std::clamp(run, 0, maxRuns - 1)];
}

ComparisonChart::Rect ComparisonChart::panel(Detector detector)
{
    const double top = topMargin + int(detector) * panelPitch;
    return {leftMargin, top, width - rightMargin, top + panelHeight};
}

ChartPoint ComparisonChart::legendSample(int run)
{
    const double column = (width - leftMargin - rightMargin) / 2;
    return {leftMargin + (run % 2) * column, legendTop + (run / 2) * 300};
}

double ComparisonChart::valueY(Detector detector, double value) const
{
    const Rect r = panel(detector);
    const Span v = values(detector);
    double fraction = 0;
    if (m_scale == ChartScale::Logarithmic) {
        const double clamped = std::clamp(value, v.low, v.high);
        fraction = std::log10(clamped / v.low) / std::log10(v.high / v.low);
    } else {
        fraction = std::clamp((value - v.low) / (v.high - v.low), 0.0, 1.0);
    }
    return r.bottom - fraction * (r.bottom - r.top);
}

ChartPoint ComparisonChart::at(Detector detector, double place, double value) const
{
    const Rect r = panel(detector);
    const Span p = places(detector);
    return {r.left + (place - p.low) / (p.high - p.low) * (r.right - r.left),
            valueY(detector, value)};
}

std::vector<ComparisonChart::Tick> ComparisonChart::valueTicks(Detector detector) const
{
    const Rect r = panel(detector);
    const Span v = values(detector);
    std::vector<Tick> ticks;
    const auto add = [&](double value) {
        ticks.push_back({value, {r.left - tickLength - labelGap, valueY(detector, value)}});
    };
    if (m_scale == ChartScale::Logarithmic) {
        for (int k = 0; k <= decades; ++k) {
            add(v.low * std::pow(10.0, k));
        }
    } else {
        const double step = roundStep(v.high - v.low, 5);
        for (int k = 0; v.low + k * step <= v.high * (1 + 1e-12); ++k) {
            add(v.low + k * step);
        }
    }
    return ticks;
}

std::vector<ComparisonChart::Tick> ComparisonChart::placeTicks(Detector detector) const
{
    const Rect r = panel(detector);
    const Span p = places(detector);
    const double step = roundStep(p.high - p.low, 8);
    std::vector<Tick> ticks;
    for (double value = std::ceil(p.low / step) * step; value <= p.high; value += step) {
        ticks.push_back({value, {at(detector, value, 0).x, r.bottom + tickLength + labelGap}});
    }
    return ticks;
}

void ComparisonChart::draw(Surface& surface) const
{
    surface.setDrawWidth(1);
    for (const Detector d : allDetectors) {
        const Rect r = panel(d);
        for (const Tick& t : valueTicks(d)) {
            const auto y = float(valueY(d, t.value));
            surface.line(float(r.left), y, float(r.right), y, gridGrey);
            surface.line(float(r.left - tickLength), y, float(r.left), y, colours::black);
        }
        for (const Tick& t : placeTicks(d)) {
            const auto x = float(at(d, t.value, 0).x);
            surface.line(x, float(r.bottom), x, float(r.bottom + tickLength), colours::black);
        }
        if (d == Detector::V && places(d).low < scene::surfaceY &&
            scene::surfaceY < places(d).high) {
            // Where V's line crosses the surface: above it the air, below it the substance.
            const double x = at(d, scene::surfaceY, 0).x;
            const ChartPoint mark[] = {{x, r.top}, {x, r.bottom}};
            drawPolyline(surface, mark, DashPattern::of(60, 60), surfaceMarkGrey);
        }
        const ChartPoint frame[] = {{r.left, r.top},
                                    {r.right, r.top},
                                    {r.right, r.bottom},
                                    {r.left, r.bottom},
                                    {r.left, r.top}};
        drawPolyline(surface, frame, DashPattern::solid(), colours::black);
    }
    surface.setDrawWidth(2);
    for (int run = 0; run < int(m_runs.size()); ++run) {
        const RunStyle s = style(run);
        for (const Detector d : allDetectors) {
            std::vector<ChartPoint> curve;
            curve.reserve(m_runs[run].points().size());
            for (const CurvePoint& p : m_runs[run].points()) {
                curve.push_back(at(d, KeptRun::place(p, d), m_runs[run].perUnitArrow(p, d)));
            }
            drawPolyline(surface, curve, s.dashes, s.colour);
        }
        const ChartPoint from = legendSample(run);
        const ChartPoint sample[] = {from, {from.x + legendSampleLength, from.y}};
        drawPolyline(surface, sample, s.dashes, s.colour);
    }
}
