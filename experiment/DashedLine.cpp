// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DashedLine.h"

#include <cmath>

namespace {
void segment(Surface& surface, ChartPoint a, ChartPoint b, Colour colour)
{
    surface.line(float(a.x), float(a.y), float(b.x), float(b.y), colour);
}

ChartPoint along(ChartPoint a, ChartPoint b, double fraction)
{
    return {a.x + (b.x - a.x) * fraction, a.y + (b.y - a.y) * fraction};
}
} // namespace

void drawPolyline(Surface& surface, std::span<const ChartPoint> points, const DashPattern& dashes,
                  Colour colour)
{
    if (points.size() < 2) {
        return;
    }
    double patternLength = 0;
    for (int k = 0; k < dashes.count; ++k) {
        patternLength += dashes.lengths[k];
    }
    if (patternLength <= 0) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            segment(surface, points[i - 1], points[i], colour);
        }
        return;
    }
    int piece = 0; // the pattern's current piece; even pieces are drawn
    double leftOfPiece = dashes.lengths[0];
    for (std::size_t i = 1; i < points.size(); ++i) {
        const ChartPoint a = points[i - 1];
        const ChartPoint b = points[i];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        double done = 0; // of this segment, twips
        while (done < length) {
            const double step = std::min(leftOfPiece, length - done);
            if (piece % 2 == 0 && step > 0) {
                segment(surface, along(a, b, done / length), along(a, b, (done + step) / length),
                        colour);
            }
            done += step;
            leftOfPiece -= step;
            if (leftOfPiece <= 0) {
                piece = (piece + 1) % dashes.count;
                leftOfPiece = dashes.lengths[piece];
            }
        }
    }
}
