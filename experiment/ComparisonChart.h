// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The chart that compares kept runs on one scale: a panel for each detector, stacked (V, H, L),
// each drawing every run's squared resultants per unit arrow against the detector's place, one
// vertical scale for all runs in a panel, linear or logarithmic. Each run has its own colour and
// dash, so the runs stay apart in print and for readers who do not tell the colours apart.
//
// The chart draws its lines through the drawing port, in twips on a canvas of its own, so it is
// rendered, scaled and exported as the main picture is. Words and numbers are the front end's:
// the chart says where its tick labels and legend entries go and which value each stands for.

#include "DashedLine.h"
#include "KeptRun.h"

#include <span>
#include <vector>

enum class ChartScale
{
    Linear,
    Logarithmic
};

struct RunStyle
{
    Colour colour;
    DashPattern dashes;
};

class ComparisonChart
{
public:
    static constexpr double width = 10080; // twips: 672 pixels at 100 %
    static constexpr double height = 9360; // 624 pixels
    static constexpr int maxRuns = 4;
    // A logarithmic panel shows this many decades below its top.
    static constexpr int decades = 6;

    struct Rect
    {
        double left, top, right, bottom;
    };
    struct Span
    {
        double low, high;
    };
    // A tick and where its label is anchored: left of the vertical axis (right-aligned there)
    // or under the horizontal one (centred).
    struct Tick
    {
        double value;
        ChartPoint label;
    };

    // Only the first maxRuns runs are charted.
    ComparisonChart(std::span<const KeptRun> runs, ChartScale scale);

    static RunStyle style(int run);
    static Rect panel(Detector detector);
    // Where the legend entry of a run starts: its sample line runs from here to the right, its
    // caption follows the line.
    static ChartPoint legendSample(int run);
    static constexpr double legendSampleLength = 600;

    ChartScale scale() const { return m_scale; }
    Span values(Detector detector) const { return m_values[index(detector)]; }
    Span places(Detector detector) const { return m_places[index(detector)]; }
    std::vector<Tick> valueTicks(Detector detector) const;
    std::vector<Tick> placeTicks(Detector detector) const;

    // The place of a value in the panel, in twips on the chart's canvas.
    ChartPoint at(Detector detector, double place, double value) const;

    void draw(Surface& surface) const;

private:
    static int index(Detector detector) { return int(detector); }
    double valueY(Detector detector, double value) const;

    std::vector<KeptRun> m_runs;
    ChartScale m_scale;
    Span m_values[3];
    Span m_places[3];
};
