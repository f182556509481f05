// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The comparison chart as a class sees it: its lines rendered from the recorded drawing as the
// main picture is, its tick labels, axis names and legend as text. On the screen, and as PNG
// (1×, 2×, 4×), SVG and the chart's table as CSV.

#include "ComparisonChart.h"
#include "DrawingList.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

class ChartPicture
{
public:
    ChartPicture(const ComparisonChart& chart, std::vector<KeptRun> runs);

    // In design pixels (15 twips each).
    static QSizeF size();

    // The chart on painter, scaled by factor, on a white ground.
    void paint(QPainter& painter, double factor) const;

    // The same as vectors, one unit per design pixel: lines as shapes, words as text.
    void paintVectors(QPainter& painter) const;

    // A null image where there is too little memory for it.
    QImage image(double scale) const;
    QByteArray png(double scale) const;
    QByteArray svg() const;

    // A kept run's settings in one line, as its legend entry names it.
    static QString describe(const KeptRun& run);

private:
    void paintText(QPainter& painter, double factor) const;

    ComparisonChart m_chart;
    std::vector<KeptRun> m_runs;
    DrawingList m_drawing;
};
