// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PixelSweeps.h"

#include <cmath>

namespace {
// How far two lines' ends may lie apart along the lines and still count as level, in pixels.
// Lines cut to the same edge differ by rounding alone.
constexpr double levelEnds = 1e-3;

PixelPoint minus(PixelPoint a, PixelPoint b)
{
    return {a.x - b.x, a.y - b.y};
}

double cross(PixelPoint a, PixelPoint b)
{
    return a.x * b.y - a.y * b.x;
}

double dot(PixelPoint a, PixelPoint b)
{
    return a.x * b.x + a.y * b.y;
}

// Places alike but for rounding: the same line drawn twice.
bool alike(PixelPoint a, PixelPoint b)
{
    return std::abs(a.x - b.x) <= 1e-12 && std::abs(a.y - b.y) <= 1e-12;
}
} // namespace

// next continues the sweep when it is parallel to the last line, as long, with its ends level
// with the last line's ends, and beside it on the sweep's side by less than half the pen's
// width: then the band between the first and the last line's middles holds no pixel the lines
// leave out, and the first and last line cover the half pen beyond it.
bool PixelSweeps::continuesSweep(const PixelLine& next) const
{
    // Measured against the last line's direction d unnormalised, so no square root is taken
    // for the many lines that start no sweep.
    const PixelPoint d = minus(m_last.p2, m_last.p1);
    const double length2 = dot(d, d);
    if (!(length2 > 0)) {
        return false;
    }
    if (std::abs(cross(d, minus(next.p2, next.p1))) > 1e-9 * length2) {
        return false;
    }
    const PixelPoint shiftFrom = minus(next.p1, m_last.p1);
    const PixelPoint shiftTo = minus(next.p2, m_last.p2);
    const double alongFrom = dot(shiftFrom, d);
    const double alongTo = dot(shiftTo, d);
    const double level2 = levelEnds * levelEnds * length2;
    if (alongFrom * alongFrom > level2 || alongTo * alongTo > level2) {
        return false;
    }
    const double beside = cross(d, shiftFrom);
    const int side = beside > 0 ? 1 : -1;
    const double half = m_penWidth / 2;
    return beside != 0 && beside * beside < half * half * length2 &&
           (m_side == 0 || side == m_side);
}

void PixelSweeps::add(const PixelLine& line)
{
    if (m_count > 0 && alike(line.p1, m_last.p1) && alike(line.p2, m_last.p2)) {
        return; // lines put on the same pixels set nothing new
    }
    if (m_wide && m_count > 0 && continuesSweep(line)) {
        if (m_side == 0) {
            m_side = cross(minus(m_last.p2, m_last.p1), minus(line.p1, m_last.p1)) > 0 ? 1 : -1;
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

void PixelSweeps::endSweep()
{
    if (m_count >= 3) {
        m_fills.push_back({m_first.p1, m_first.p2, m_last.p2, m_last.p1});
    }
    if (m_count >= 1) {
        m_lines.push_back(m_first);
    }
    if (m_count >= 2) {
        m_lines.push_back(m_last);
    }
    m_count = 0;
    m_side = 0;
}

void PixelSweeps::draw(const PixelCanvas& canvas, std::uint32_t argb)
{
    endSweep();
    for (const auto& corners : m_fills) {
        fillQuad(canvas, corners, argb);
    }
    for (const PixelLine& line : m_lines) {
        wideLine(canvas, line.p1, line.p2, m_penWidth, argb);
    }
    m_lines.clear();
    m_fills.clear();
}
