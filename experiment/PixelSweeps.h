// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Lines of one colour and one pen, gathered to be drawn in one go. The picture's background is
// painted by thousands of parallel lines a fraction of a pixel apart; at large factors each of
// them is several pixels wide, so drawing them one by one would set every pixel a dozen times
// over. A sweep of them is drawn as its first and last line with the band between their
// middles filled: the same pixels, each set about once.

#include "PixelSpans.h"

#include <array>
#include <vector>

struct PixelLine
{
    PixelPoint p1;
    PixelPoint p2;
};

class PixelSweeps
{
public:
    // penWidth: the pen's width in pixels. Only pens at least two pixels wide are merged into
    // sweeps.
    explicit PixelSweeps(double penWidth) : m_penWidth(penWidth), m_wide(penWidth >= 2) {}

    void add(const PixelLine& line);
    bool empty() const { return m_count == 0 && m_lines.empty(); }
    double penWidth() const { return m_penWidth; }
    // Draws everything gathered in argb, then forgets it.
    void draw(const PixelCanvas& canvas, std::uint32_t argb);

private:
    bool continuesSweep(const PixelLine& next) const;
    void endSweep();

    double m_penWidth;
    bool m_wide;
    std::vector<PixelLine> m_lines;
    std::vector<std::array<PixelPoint, 4>> m_fills;
    PixelLine m_first{};
    PixelLine m_last{};
    int m_count = 0;
    int m_side = 0;
};
