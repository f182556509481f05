// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Lines of one colour and one pen, gathered to be drawn in one go. The picture's background is
// painted by thousands of parallel lines a fraction of a pixel apart; at full screen each of
// them is several device pixels wide, so drawing them one by one fills every pixel a dozen times
// over. Such a sweep is drawn as its first and last line with the band between their middles
// filled: the same pixels, each set once.
//
// Everything in a batch has the same colour and nothing is antialiased, so the order in which
// its parts are drawn does not change a pixel.

#include <QLineF>
#include <QList>
#include <QPolygonF>

class QPainter;

class LineBatch
{
public:
    // penWidth: the pen's width in the painter's units; devicePenWidth: the same in device
    // pixels. Only pens at least two device pixels wide are gathered into one call and merged
    // into sweeps: thinner lines are drawn by a different rasteriser, whose pixels neither a
    // fill nor one call for many lines would reproduce.
    LineBatch(double penWidth, double devicePenWidth);

    void add(const QLineF& line);
    bool empty() const { return m_count == 0 && m_lines.isEmpty(); }
    // Draws everything gathered with the painter's pen and colour, then forgets it.
    void draw(QPainter& painter);

private:
    bool continuesSweep(const QLineF& next) const;
    void endSweep();

    double m_halfWidth;
    bool m_wide;
    QList<QLineF> m_lines;
    QList<QPolygonF> m_fills;
    // The sweep being gathered: its first and last line, how many, and to which side it grows.
    QLineF m_first;
    QLineF m_last;
    int m_count = 0;
    int m_side = 0;
};
