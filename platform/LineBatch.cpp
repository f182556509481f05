// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LineBatch.h"

#include <QPainter>

#include <cmath>

namespace {
// How far, in the painter's units, two lines' ends may lie apart along the lines and still
// count as level. Lines cut to the same edge differ by rounding alone.
constexpr double levelEnds = 1e-3;

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}
} // namespace

LineBatch::LineBatch(double penWidth, double devicePenWidth)
    : m_halfWidth(penWidth / 2), m_wide(devicePenWidth >= 2)
{}

// next continues the sweep when it is parallel to the last line, as long, with its ends level
// with the last line's ends, and beside it on the sweep's side by less than half the pen's
// width: then the band between the first and the last line's middles holds no pixel the lines
// leave out, and the first and last line cover the half pen beyond it.
bool LineBatch::continuesSweep(const QLineF& next) const
{
    // Measured against the last line's direction d unnormalised, so no square root is taken
    // for the many lines that start no sweep.
    const QPointF d = m_last.p2() - m_last.p1();
    const double length2 = QPointF::dotProduct(d, d);
    if (!(length2 > 0)) {
        return false;
    }
    if (std::abs(cross(d, next.p2() - next.p1())) > 1e-9 * length2) {
        return false;
    }
    const QPointF shiftFrom = next.p1() - m_last.p1();
    const QPointF shiftTo = next.p2() - m_last.p2();
    const double alongFrom = QPointF::dotProduct(shiftFrom, d);
    const double alongTo = QPointF::dotProduct(shiftTo, d);
    const double level2 = levelEnds * levelEnds * length2;
    if (alongFrom * alongFrom > level2 || alongTo * alongTo > level2) {
        return false;
    }
    const double beside = cross(d, shiftFrom);
    const int side = beside > 0 ? 1 : -1;
    return beside != 0 && beside * beside < m_halfWidth * m_halfWidth * length2 &&
           (m_side == 0 || side == m_side);
}

void LineBatch::add(const QLineF& line)
{
    if (m_count > 0 && line == m_last) {
        return; // lines put on the same pixels set nothing new
    }
    if (m_wide && m_count > 0 && continuesSweep(line)) {
        if (m_side == 0) {
            m_side = cross(m_last.p2() - m_last.p1(), line.p1() - m_last.p1()) > 0 ? 1 : -1;
        }
        m_last = line;
        ++m_count;
        return;
    }
    endSweep();
    m_first = line;
    m_last = line;
    m_count = 1;
}

void LineBatch::endSweep()
{
    if (m_count >= 3) {
        m_fills << QPolygonF{m_first.p1(), m_first.p2(), m_last.p2(), m_last.p1()};
    }
    if (m_count >= 1) {
        m_lines << m_first;
    }
    if (m_count >= 2) {
        m_lines << m_last;
    }
    m_count = 0;
    m_side = 0;
}

void LineBatch::draw(QPainter& painter)
{
    endSweep();
    if (!m_fills.isEmpty()) {
        const QPen pen = painter.pen();
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.color());
        for (const QPolygonF& fill : m_fills) {
            painter.drawPolygon(fill);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(pen);
    }
    if (m_wide) {
        painter.drawLines(m_lines);
    } else {
        // Thin lines go one by one: drawn together, the rasteriser of one-pixel lines carries
        // its last pixel over from each line to the next and sets pixels it would not alone.
        for (const QLineF& line : m_lines) {
            painter.drawLine(line);
        }
    }
    m_lines.clear();
    m_fills.clear();
}
