// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SceneClip.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double twipsPerPixel = 15;
constexpr double unbounded = std::numeric_limits<double>::infinity();

struct Box
{
    double left, top, right, bottom;
};

struct Span
{
    double from = 0;
    double to = 1;
};

// The part of the segment (x1, y1) + t (dx, dy), t in [0, 1], that lies in box (Liang-Barsky);
// false when none does.
bool inside(double x1, double y1, double dx, double dy, const Box& box, Span& span)
{
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - box.left, box.right - x1, y1 - box.top, box.bottom - y1};
    double t0 = 0;
    double t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    span = {t0, t1};
    return true;
}

bool finite(float a, float b, float c, float d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Half a line's width in twips: how far its pixels reach beside its middle.
double reach(int width)
{
    return std::max(width, 1) * twipsPerPixel / 2;
}

// How far a line's pixels reach beyond its middle, across x and across y: a line has flat
// ends, so only its width counts, turned with it.
struct Margin
{
    double x, y;
};

Box sceneFor(const SceneBounds& bounds, Margin margin)
{
    return {bounds.leftX + margin.x, bounds.topY + margin.y, unbounded, unbounded};
}

Box scrollBarFor(const SceneBounds& bounds, Margin margin)
{
    return {bounds.scrollLeftX - margin.x, -unbounded, bounds.scrollRightX + margin.x,
            bounds.scrollBottomY + margin.y};
}
} // namespace

void SceneClip::setDrawWidth(int pixels)
{
    m_width = pixels;
    m_target.setDrawWidth(pixels);
}

void SceneClip::line(float x1, float y1, float x2, float y2)
{
    clippedLine(x1, y1, x2, y2, nullptr);
}

void SceneClip::line(float x1, float y1, float x2, float y2, Colour colour)
{
    if (colour == colours::sceneGrey) {
        m_target.line(x1, y1, x2, y2, colour);
        return;
    }
    clippedLine(x1, y1, x2, y2, &colour);
}

void SceneClip::circle(float x, float y, float radius)
{
    if (!finite(x, y, radius, 0)) {
        return;
    }
    // A circle is kept only whole: the run's circles are its small detector markers.
    const double r = std::abs(double(radius)) + reach(m_width);
    const Box scene = sceneFor(m_bounds, {0, 0});
    const Box bar = scrollBarFor(m_bounds, {0, 0});
    const bool onScene = x - r >= scene.left && y - r >= scene.top;
    const bool onBar = x + r > bar.left && x - r < bar.right && y - r < bar.bottom;
    if (onScene && !onBar) {
        m_target.circle(x, y, radius);
    }
}

void SceneClip::clippedLine(float x1, float y1, float x2, float y2, const Colour* colour)
{
    if (!finite(x1, y1, x2, y2)) {
        return;
    }
    const double dx = double(x2) - x1;
    const double dy = double(y2) - y1;
    const double length = std::hypot(dx, dy);
    const Margin margin = length > 0 ? Margin{reach(m_width) * std::abs(dy) / length,
                                              reach(m_width) * std::abs(dx) / length}
                                     : Margin{0, 0};
    Span kept;
    if (!inside(x1, y1, dx, dy, sceneFor(m_bounds, margin), kept)) {
        return;
    }
    Span hidden;
    const bool crossesBar = inside(x1, y1, dx, dy, scrollBarFor(m_bounds, margin), hidden) &&
                            hidden.to > kept.from && hidden.from < kept.to;
    const auto draw = [&](double from, double to) {
        if (from == 0 && to == 1) { // untouched: exactly as the run gave it
            pass(x1, y1, x2, y2, colour);
        } else if (from < to) {
            pass(float(x1 + from * dx), float(y1 + from * dy), float(x1 + to * dx),
                 float(y1 + to * dy), colour);
        }
    };
    if (!crossesBar) {
        draw(kept.from, kept.to);
        return;
    }
    draw(kept.from, std::max(kept.from, hidden.from));
    draw(std::min(kept.to, hidden.to), kept.to);
}

void SceneClip::pass(float x1, float y1, float x2, float y2, const Colour* colour)
{
    if (colour) {
        m_target.line(x1, y1, x2, y2, *colour);
    } else {
        m_target.line(x1, y1, x2, y2);
    }
}
