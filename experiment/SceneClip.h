// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keeps a run's drawing on the scene. A user-typed index or angle can throw a curve bar, a ray
// or a spiral far across the window; what would land on the control panel, the title row or the
// scroll bar is cut away before it reaches the window's surface. The grey paint-over that wipes
// the whole window at the start of a run passes whole: it is the window's own background and
// also wipes the short mark the 35° option draws at the lower left.

#include "Surface.h"

class SceneClip final : public Surface
{
public:
    // Draws on target; the draw width in force there is 1, as at the start of every run.
    explicit SceneClip(Surface& target) : m_target(target) {}

    void setDrawWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius) override;

private:
    void clippedLine(float x1, float y1, float x2, float y2, const Colour* colour);
    void pass(float x1, float y1, float x2, float y2, const Colour* colour);

    Surface& m_target;
    int m_width = 1;
};

namespace sceneclip {
// Where the scene begins, in twips: right of the control panel and below the title row.
inline constexpr double leftX = 2640;
inline constexpr double topY = 480;
// The scroll bar stands in the scene's upper left corner, below the title.
inline constexpr double scrollLeftX = 4080;
inline constexpr double scrollRightX = 4080 + 2415;
inline constexpr double scrollBottomY = 480 + 255;
} // namespace sceneclip
