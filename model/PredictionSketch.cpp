// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PredictionSketch.h"

#include "WindowLayout.h"
#include "SceneGeometry.h"

#include <algorithm>

namespace {
// The scene the sketch may cover: right of the control panel, below the title row, down to the
// bottom of the detectors' lines.
ChartPoint onScene(ChartPoint p)
{
    return {std::clamp(p.x, layout::sceneBounds.leftX, scene::plotRightX),
            std::clamp(p.y, layout::sceneBounds.topY, scene::sweepBottomY)};
}
} // namespace

void PredictionSketch::setSketching(bool on)
{
    if (on != m_sketching) {
        m_sketching = on;
        changed();
    }
}

void PredictionSketch::beginStroke(ChartPoint at)
{
    if (!m_sketching) {
        return;
    }
    m_strokes.push_back({onScene(at)});
    changed();
}

void PredictionSketch::extendStroke(ChartPoint to)
{
    if (!m_sketching || m_strokes.empty()) {
        return;
    }
    const ChartPoint p = onScene(to);
    const ChartPoint last = m_strokes.back().back();
    if (p.x == last.x && p.y == last.y) {
        return;
    }
    m_strokes.back().push_back(p);
    changed();
}

void PredictionSketch::clear()
{
    if (!m_strokes.empty()) {
        m_strokes.clear();
        changed();
    }
}

void PredictionSketch::setInExports(bool on)
{
    if (on != m_inExports) {
        m_inExports = on;
        changed();
    }
}

void PredictionSketch::draw(Surface& surface) const
{
    surface.setDrawWidth(drawWidth);
    for (const auto& stroke : m_strokes) {
        if (stroke.size() == 1) {
            // A tap marks a point: a short level dash.
            const ChartPoint p = stroke.front();
            const ChartPoint dash[] = {{p.x - 40, p.y}, {p.x + 40, p.y}};
            drawPolyline(surface, dash, DashPattern::solid(), colour);
        } else {
            drawPolyline(surface, stroke, dashes, colour);
        }
    }
    surface.setDrawWidth(1);
}

void PredictionSketch::changed() const
{
    for (const auto& listener : m_listeners) {
        listener();
    }
}
