// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PicturePixels.h"

#include "PixelRaster.h"
#include "WindowLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The line controls as the window shows them under its picture.
DrawingList lineControls(int markerY)
{
    DrawingList lines;
    for (std::size_t i = 0; i < layout::lines.size(); ++i) {
        const layout::LineControl& l = layout::lines[i];
        lines.setDrawWidth(l.width);
        lines.line(float(l.x1), float(i == 0 ? markerY : l.y1), float(l.x2),
                   float(i == 0 ? markerY : l.y2));
    }
    return lines;
}

} // namespace

PixelBox PicturePixels::update(const DrawingList& picture, std::size_t runsBegun, int markerY,
                               int width, int height, double factor, bool whole)
{
    if (width <= 0 || height <= 0 || std::int64_t(width) * height > largest || !(factor > 0) ||
        !std::isfinite(factor)) {
        return {};
    }
    const bool afresh = whole || width != m_width || height != m_height || factor != m_factor ||
                        markerY != m_markerY || runsBegun != m_runsBegun ||
                        picture.size() < m_drawn;
    if (afresh) {
        m_width = width;
        m_height = height;
        m_factor = factor;
        m_markerY = markerY;
        m_runsBegun = runsBegun;
        redraw(picture);
        return {0, 0, width, height};
    }
    const PixelBox box = boxOf(picture, m_drawn, picture.size());
    rasterisePicture({m_pixels.data(), m_width, m_height, m_width, PixelOrder::Rgba}, picture,
                     m_drawn, picture.size(), m_factor);
    m_drawn = picture.size();
    return box;
}

void PicturePixels::redraw(const DrawingList& picture)
{
    m_pixels.assign(std::size_t(m_width) * std::size_t(m_height), 0u);
    const PixelCanvas canvas{m_pixels.data(), m_width, m_height, m_width, PixelOrder::Rgba};
    const DrawingList lines = lineControls(m_markerY);
    rasterisePicture(canvas, lines, 0, lines.size(), m_factor);
    rasterisePicture(canvas, picture, 0, picture.size(), m_factor);
    m_drawn = picture.size();
}

// Every pixel commands [from, to) may set: each one's extent with its pen and the pixel a
// snapped place may move by on every side.
PixelBox PicturePixels::boxOf(const DrawingList& picture, std::size_t from, std::size_t to) const
{
    const double scale = m_factor / layout::twipsPerPixel;
    double left = m_width;
    double top = m_height;
    double right = 0;
    double bottom = 0;
    for (std::size_t i = from; i < to; ++i) {
        const DrawCommand& c = picture[i];
        const double pen = std::max(1.0, std::round(c.width * m_factor)) + 2;
        double x1 = c.x1;
        double y1 = c.y1;
        double x2 = c.x2;
        double y2 = c.y2;
        if (c.kind == DrawCommand::Kind::Circle) {
            const double r = std::abs(c.x2);
            x1 = c.x1 - r;
            x2 = c.x1 + r;
            y2 = c.y1 + r;
            y1 = c.y1 - r;
        }
        if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
            return {0, 0, m_width, m_height};
        }
        left = std::min(left, std::min(x1, x2) * scale - pen);
        right = std::max(right, std::max(x1, x2) * scale + pen);
        top = std::min(top, std::min(y1, y2) * scale - pen);
        bottom = std::max(bottom, std::max(y1, y2) * scale + pen);
    }
    const auto within = [](double v, int size) {
        return int(std::clamp(std::floor(v), 0.0, double(size)));
    };
    const int x = within(left, m_width);
    const int y = within(top, m_height);
    PixelBox box{x, y, within(std::ceil(right), m_width) - x,
                 within(std::ceil(bottom), m_height) - y};
    return box.empty() ? PixelBox{} : box;
}
