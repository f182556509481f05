// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keeps a run's drawing on the scene. A user-typed index or angle can throw a curve bar, a ray
// or a spiral far across the window; what would land on the control panel, the title row or the
// scroll bar is cut away before it reaches the window's surface. The grey paint-over that wipes
// the whole window at the start of a run passes whole: it is the window's own background and
// also wipes the short mark the 35° option draws at the lower left.

#include "Surface.h"

// Where the scene lies in the window, in twips; the window's layout gives it.
struct SceneBounds
{
    // Where the scene begins: right of the control panel and below the title row.
    double leftX = 0;
    double topY = 0;
    // The scroll bar, which stands in the scene's upper left corner below the title.
    double scrollLeftX = 0;
    double scrollRightX = 0;
    double scrollBottomY = 0;
};

class SceneClip final : public Surface
{
public:
    // Draws on target; the draw width in force there is 1, as at the start of every run.
    SceneClip(Surface& target, const SceneBounds& bounds) : m_target(target), m_bounds(bounds) {}

    void setDrawWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius) override;

private:
    void clippedLine(float x1, float y1, float x2, float y2, const Colour* colour);
    void pass(float x1, float y1, float x2, float y2, const Colour* colour);

    Surface& m_target;
    SceneBounds m_bounds;
    int m_width = 1;
};
