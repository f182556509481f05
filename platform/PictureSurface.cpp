// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureSurface.h"

#include "Twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

QColor toQColor(Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

namespace {
struct Segment
{
    double x1, y1, x2, y2;
};

// Liang-Barsky: cuts a segment to a rectangle. Keeps QPainter away from coordinates it cannot
// rasterise (a user-typed index can throw a ray far off the picture). A cut end is put exactly
// on the edge that cut it, so far-away ends lose no precision where the line is seen.
std::optional<Segment> clipped(Segment s, const QRectF& box)
{
    if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) ||
        !std::isfinite(s.y2)) {
        return std::nullopt;
    }
    const double dx = s.x2 - s.x1;
    const double dy = s.y2 - s.y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1 - box.left(), box.right() - s.x1, s.y1 - box.top(),
                         box.bottom() - s.y1};
    double t0 = 0;
    double t1 = 1;
    int edge0 = -1;
    int edge1 = -1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0 && t > t0) {
            t0 = t;
            edge0 = i;
        } else if (p[i] > 0 && t < t1) {
            t1 = t;
            edge1 = i;
        }
        if (t0 > t1) {
            return std::nullopt;
        }
    }
    const double edges[4] = {box.left(), box.right(), box.top(), box.bottom()};
    const auto endAt = [&](double t, int edge, double x, double y) {
        if (edge >= 0) {
            x = s.x1 + t * dx;
            y = s.y1 + t * dy;
            (edge < 2 ? x : y) = edges[edge];
        }
        return QPointF(std::clamp(x, box.left(), box.right()),
                       std::clamp(y, box.top(), box.bottom()));
    };
    const QPointF a = endAt(t0, edge0, s.x1, s.y1);
    const QPointF b = endAt(t1, edge1, s.x2, s.y2);
    return Segment{a.x(), a.y(), b.x(), b.y()};
}
// One-pixel lines straight into the image: a run draws over eleven thousand long ones to wipe
// the picture, and this is several times faster than the general painter. Each step along the
// major axis takes the pixel nearest the true line, so rays a fraction of a pixel apart fill a
// band without gaps. The last point is left out, as the window system always has.
void drawThinLine(QImage& image, const Segment& s, Colour colour)
{
    const QRgb rgb = toQColor(colour).rgba();
    const int width = image.width();
    const int height = image.height();
    const auto bytesPerLine = image.bytesPerLine();
    uchar* bits = image.bits();
    const auto plot = [&](int x, int y) {
        if (x >= 0 && x < width && y >= 0 && y < height) {
            reinterpret_cast<QRgb*>(bits + y * bytesPerLine)[x] = rgb;
        }
    };
    const double dx = s.x2 - s.x1;
    const double dy = s.y2 - s.y1;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const double from = alongX ? s.x1 : s.y1;
    const double across = alongX ? s.y1 : s.x1;
    const int first = qRound(from);
    const int last = qRound(alongX ? s.x2 : s.y2);
    if (first == last) {
        return;
    }
    const double slope = alongX ? dy / dx : dx / dy;
    const int step = first < last ? 1 : -1;
    for (int major = first; major != last; major += step) {
        const int minor = qRound(across + (major - from) * slope);
        if (alongX) {
            plot(major, minor);
        } else {
            plot(minor, major);
        }
    }
}
} // namespace

PictureSurface::PictureSurface(QSize sizeInPixels, qreal devicePixelRatio)
    : m_image(sizeInPixels * devicePixelRatio, QImage::Format_ARGB32_Premultiplied)
{
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(Qt::transparent);
}

PictureSurface::~PictureSurface() = default;

void PictureSurface::setScaleMode(ScaleMode mode)
{
    m_scaleMode = mode;
}

void PictureSurface::setDrawWidth(int pixels)
{
    m_drawWidth = std::max(1, pixels);
}

void PictureSurface::line(float x1, float y1, float x2, float y2)
{
    drawLine(x1, y1, x2, y2, m_foreColour);
}

void PictureSurface::line(float x1, float y1, float x2, float y2, Colour colour)
{
    drawLine(x1, y1, x2, y2, colour);
}

void PictureSurface::circle(float x, float y, float radius)
{
    const double cx = twipsToPixels(x);
    const double cy = twipsToPixels(y);
    const double r = twipsToPixels(std::abs(radius));
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) || r > 1e5) {
        return;
    }
    usePen(m_foreColour);
    painter().drawEllipse(QPointF(cx, cy), r, r);
    const double margin = r + m_drawWidth;
    m_dirty |= QRectF(cx - margin, cy - margin, 2 * margin, 2 * margin);
}

void PictureSurface::drawLine(double x1, double y1, double x2, double y2, Colour colour)
{
    const QSizeF size = m_image.deviceIndependentSize();
    const double margin = m_drawWidth + 1;
    const QRectF box(-margin, -margin, size.width() + 2 * margin, size.height() + 2 * margin);
    const auto s =
        clipped({twipsToPixels(x1), twipsToPixels(y1), twipsToPixels(x2), twipsToPixels(y2)}, box);
    if (!s) {
        return;
    }
    if (m_drawWidth == 1 && m_image.devicePixelRatio() == 1) {
        drawThinLine(m_image, *s, colour);
    } else {
        usePen(colour);
        painter().drawLine(QLineF(s->x1, s->y1, s->x2, s->y2));
    }
    m_dirty |= QRectF(QPointF(std::min(s->x1, s->x2) - margin, std::min(s->y1, s->y2) - margin),
                      QPointF(std::max(s->x1, s->x2) + margin, std::max(s->y1, s->y2) + margin));
}

void PictureSurface::usePen(Colour colour)
{
    QPainter& p = painter();
    if (colour != m_penColour || m_drawWidth != m_penWidth) {
        QPen pen(toQColor(colour), m_drawWidth);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        m_penColour = colour;
        m_penWidth = m_drawWidth;
    }
}

QPainter& PictureSurface::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setBrush(Qt::NoBrush);
        m_penWidth = 0; // a new painter has the default pen
    }
    return *m_painter;
}

const QImage& PictureSurface::image()
{
    m_painter.reset();
    return m_image;
}

QRect PictureSurface::takeDirtyRect()
{
    const QRect dirty = m_dirty.toAlignedRect();
    m_dirty = QRectF();
    return dirty;
}
