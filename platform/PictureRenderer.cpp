// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureRenderer.h"

#include "LineBatch.h"
#include "RingStamps.h"
#include "Twips.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
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
    const auto inside = [&box](double x, double y) {
        return x >= box.left() && x <= box.right() && y >= box.top() && y <= box.bottom();
    };
    if (inside(s.x1, s.y1) && inside(s.x2, s.y2)) {
        return s; // the common case, and nothing to cut
    }
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

// The part drawn on, grown by plain comparisons: it is grown once for each of tens of
// thousands of lines.
class Bounds
{
public:
    void add(double left, double top, double right, double bottom)
    {
        m_left = std::min(m_left, left);
        m_top = std::min(m_top, top);
        m_right = std::max(m_right, right);
        m_bottom = std::max(m_bottom, bottom);
    }
    QRectF rect() const
    {
        return m_left < m_right ? QRectF(QPointF(m_left, m_top), QPointF(m_right, m_bottom))
                                : QRectF();
    }

private:
    double m_left = std::numeric_limits<double>::infinity();
    double m_top = std::numeric_limits<double>::infinity();
    double m_right = -std::numeric_limits<double>::infinity();
    double m_bottom = -std::numeric_limits<double>::infinity();
};

// A ring of a one-pixel pen straight into the image, centred on a pixel corner: the pixels whose
// centres lie within half a pixel of the circle. Between the design's size and 1.5 times it the
// run's markers are so small that the painter draws them as three pixels of an L whose short leg
// comes and goes with the place; a column of such markers a pixel or two apart gave a beaded
// line. Drawn so, the marker is the same block of pixels wherever it stands.
void drawThinRing(QImage& image, QPointF corner, double radius, Colour colour)
{
    const QRgb rgb = toQColor(colour).rgba();
    const int reach = int(std::ceil(radius)) + 1;
    const int cx = int(corner.x());
    const int cy = int(corner.y());
    for (int y = std::max(0, cy - reach); y < std::min(image.height(), cy + reach); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = std::max(0, cx - reach); x < std::min(image.width(), cx + reach); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (std::abs(d - radius) <= 0.5) {
                row[x] = rgb;
            }
        }
    }
}

// Draws the commands one by one, keeping the pen between commands of the same colour and
// width. Coordinates are design pixels, handed to the painter multiplied by scale: the painter
// draws unscaled, because Qt's rasteriser strokes wide lines about twice as fast without a
// scaling transform.
class Replay
{
public:
    // scale: painter units per design pixel; deviceScale: device pixels per design pixel.
    Replay(QPainter* painter, QImage* thinTarget, double scale, double deviceScale,
           const QRectF& clip, QImage* image = nullptr)
        : m_painter(painter), m_thinTarget(thinTarget), m_scale(scale), m_deviceScale(deviceScale),
          m_clip(clip),
          m_snap(scale == deviceScale && std::abs(deviceScale - std::round(deviceScale)) > 1e-9)
    {
        if (image && image->format() == QImage::Format_ARGB32_Premultiplied) {
            m_rings.emplace(*image);
        }
    }

    void draw(const DrawCommand& c)
    {
        if (c.kind == DrawCommand::Kind::Circle) {
            circle(c);
        } else {
            line(c);
        }
    }

    QRectF dirty() const { return m_dirty.rect(); }

    void flush()
    {
        if (m_batch) {
            m_batch->draw(*m_painter);
            m_batch.reset();
        }
    }

private:
    void line(const DrawCommand& c)
    {
        const double margin = c.width + 1;
        const QRectF box = m_clip.adjusted(-margin, -margin, margin, margin);
        const auto s = clipped(
            {twipsToPixels(c.x1), twipsToPixels(c.y1), twipsToPixels(c.x2), twipsToPixels(c.y2)},
            box);
        if (!s) {
            return;
        }
        const Segment scaled{s->x1 * m_scale, s->y1 * m_scale, s->x2 * m_scale, s->y2 * m_scale};
        if (m_thinTarget && c.width == 1) {
            flush(); // what was gathered lies under this line
            drawThinLine(*m_thinTarget, scaled, c.colour);
        } else {
            LineBatch& lines = batch(c.colour, c.width);
            lines.add(m_snap ? snappedLine(scaled, m_painter->pen().widthF())
                             : QLineF(scaled.x1, scaled.y1, scaled.x2, scaled.y2));
        }
        m_dirty.add(std::min(s->x1, s->x2) - margin, std::min(s->y1, s->y2) - margin,
                    std::max(s->x1, s->x2) + margin, std::max(s->y1, s->y2) + margin);
    }

    void circle(const DrawCommand& c)
    {
        const double cx = twipsToPixels(c.x1);
        const double cy = twipsToPixels(c.y1);
        const double r = twipsToPixels(std::abs(c.x2));
        if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) || r > 1e5) {
            return;
        }
        flush();
        const double margin = r + c.width;
        m_dirty.add(cx - margin, cy - margin, cx + margin, cy + margin);
        if (m_snap && m_thinTarget && std::round(c.width * m_deviceScale) <= 1) {
            const double x = std::round(cx * m_scale);
            const double y = std::round(cy * m_scale);
            if (std::abs(x) < 1e6 && std::abs(y) < 1e6) {
                drawThinRing(*m_thinTarget, QPointF(x, y), r * m_scale, c.colour);
            }
            return;
        }
        QPainter& painter = usePen(c.colour, c.width);
        const bool wide = std::round(c.width * m_deviceScale) >= 2;
        const double w = painter.pen().widthF();
        const QPointF centre(snapped(cx * m_scale, w), snapped(cy * m_scale, w));
        const double radius = r * m_scale;
        if (!m_rings || !wide ||
            !m_rings->stamp(painter.deviceTransform(), centre, radius, painter.pen())) {
            painter.drawEllipse(centre, radius, radius);
        }
    }

    // Where the factor does not map the design's pixels onto whole device pixels, a pen of
    // width w is put where its edges fall on pixel edges: a line then keeps one width along
    // its length and rings along a line are all alike.
    double snapped(double p, double w) const { return m_snap ? std::round(p - w / 2) + w / 2 : p; }

    // A level or upright line so across, its ends on pixel edges, so that a bar ends on its
    // axis' pixels and never a pixel beyond.
    static QLineF snappedLine(const Segment& s, double w)
    {
        const auto edge = [](double p) {
            return std::round(p);
        };
        const auto across = [w](double p) {
            return std::round(p - w / 2) + w / 2;
        };
        if (s.y1 == s.y2) {
            return {edge(s.x1), across(s.y1), edge(s.x2), across(s.y2)};
        }
        if (s.x1 == s.x2) {
            return {across(s.x1), edge(s.y1), across(s.x2), edge(s.y2)};
        }
        // A sloped line shorter than its pen is drawn as a blot, which a pixel's fraction does
        // not change to the eye; its ends go to pixel corners, where the many such strokes of
        // a chain fall on one another or shrink to nothing and are drawn once. Longer sloped
        // lines keep their places: snapped, a sweep of them would break into steps that are
        // no longer parallel and could not be filled at once.
        const double dx = s.x2 - s.x1;
        const double dy = s.y2 - s.y1;
        if (dx * dx + dy * dy < w * w) {
            return {edge(s.x1), edge(s.y1), edge(s.x2), edge(s.y2)};
        }
        return {s.x1, s.y1, s.x2, s.y2};
    }

    // The batch for lines of this colour and width; the lines gathered so far are drawn first
    // when either changes.
    LineBatch& batch(Colour colour, int width)
    {
        if (!m_batch || colour != m_penColour || width != m_penWidth) {
            flush();
            usePen(colour, width);
            const double pen = m_painter->pen().widthF();
            m_batch.emplace(pen, pen * m_deviceScale / m_scale);
        }
        return *m_batch;
    }

    QPainter& usePen(Colour colour, int width)
    {
        if (!m_penSet || colour != m_penColour || width != m_penWidth) {
            // Whole device pixels: the pen is as wide as the rounded device width, given in
            // the painter's units.
            const double deviceWidth = std::max(1.0, std::round(width * m_deviceScale));
            QPen pen(toQColor(colour), deviceWidth * m_scale / m_deviceScale);
            pen.setCapStyle(Qt::FlatCap);
            m_painter->setPen(pen);
            m_penColour = colour;
            m_penWidth = width;
            m_penSet = true;
        }
        return *m_painter;
    }

    QPainter* m_painter;
    std::optional<LineBatch> m_batch;
    std::optional<RingStamps> m_rings;
    QImage* m_thinTarget;
    double m_scale;
    double m_deviceScale;
    QRectF m_clip;
    bool m_snap;
    Bounds m_dirty;
    bool m_penSet = false;
    Colour m_penColour = 0;
    int m_penWidth = 0;
};

// scale: painter units per design pixel.
QRectF replay(QPainter& painter, QImage* thinTarget, const DrawingList& list, std::size_t from,
              std::size_t to, double scale, const QRectF& clip, QImage* image = nullptr)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const double deviceScale = scale * painter.device()->devicePixelRatio();
    Replay r(&painter, thinTarget, scale, deviceScale, clip, image);
    for (std::size_t i = from; i < std::min(to, list.size()); ++i) {
        r.draw(list[i]);
    }
    r.flush();
    painter.restore();
    return r.dirty();
}
} // namespace

QRectF PictureRenderer::designArea()
{
    return {0, 0, twipsToPixels(designWidthTwips), twipsToPixels(designHeightTwips)};
}

QRectF PictureRenderer::render(QPainter& painter, const DrawingList& list, std::size_t from,
                               std::size_t to, double factor, const QRectF& clip)
{
    if (!(factor > 0) || !std::isfinite(factor)) {
        return {};
    }
    return replay(painter, nullptr, list, from, to, factor, clip);
}

QRectF PictureRenderer::render(QImage& image, const DrawingList& list, std::size_t from,
                               std::size_t to, double factor)
{
    if (!(factor > 0) || !std::isfinite(factor) || image.isNull() || from >= to) {
        return {};
    }
    const QSizeF logical = image.deviceIndependentSize();
    const QRectF clip(0, 0, logical.width() / factor, logical.height() / factor);
    const double deviceScale = factor * image.devicePixelRatio();
    // Where one-pixel lines stay one device pixel wide (from the design's size up to 1.5 times
    // it), they are set straight into the pixels.
    const bool thin = deviceScale < 1.5 && image.format() == QImage::Format_ARGB32_Premultiplied;
    // One-pixel lines alone need no painter; it is begun only when something else comes.
    if (thin) {
        bool onlyThin = true;
        for (std::size_t i = from; i < std::min(to, list.size()) && onlyThin; ++i) {
            onlyThin = list[i].kind != DrawCommand::Kind::Circle && list[i].width == 1;
        }
        if (onlyThin) {
            Replay r(nullptr, &image, deviceScale, deviceScale, clip);
            for (std::size_t i = from; i < std::min(to, list.size()); ++i) {
                r.draw(list[i]);
            }
            return r.dirty();
        }
    }
    // The same pixels seen at ratio 1, so that the painter draws in device pixels unscaled.
    QImage pixels(image.bits(), image.width(), image.height(), image.bytesPerLine(),
                  image.format());
    QPainter painter(&pixels);
    return replay(painter, thin ? &pixels : nullptr, list, from, to, deviceScale, clip, &pixels);
}
