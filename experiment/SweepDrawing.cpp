// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SweepDrawing.h"

#include "Surface.h"

using namespace scene;

namespace {

constexpr float markerRadius = 10;

// A chain's current point: moves on by each arrow, drawing the segment when asked to.
class ChainPen
{
public:
    ChainPen(bool draws, Arrow start) : m_draws(draws), m_point(start) {}

    void add(Surface& surface, Arrow arrow)
    {
        const Arrow next = m_point + arrow;
        if (m_draws) {
            surface.line(float(m_point.real()), float(m_point.imag()), float(next.real()),
                         float(next.imag()));
        }
        m_point = next;
    }

private:
    bool m_draws;
    Arrow m_point;
};

} // namespace

void drawMarkers(Surface& surface, SweepStep step, double detectorDistance)
{
    const auto markerX = float(step.markerX());
    surface.circle(float(probeX), float(step.y()), markerRadius);
    surface.circle(markerX, float(detectorLY), markerRadius);
    surface.circle(markerX, float(detectorHY(detectorDistance)), markerRadius);
}

void drawSpirals(Surface& surface, SweepStep step, const StepArrows& arrows)
{
    ChainPen v(step.drawsChainV(), {step.chainVStartX(), double(step.y())});
    ChainPen l(step.drawsChainL(), {step.detectorX(), step.chainLStartY()});
    for (int i = 0; i < chainArrows; ++i) {
        v.add(surface, arrows.v[i]);
        l.add(surface, arrows.l[i]);
    }
}
