// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PixelRaster.h"

#include "PixelRingTrace.h"
#include "PixelSweeps.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {
constexpr double twipsPerPixel = 15;

struct Box
{
    double left, top, right, bottom;
};

// Liang-Barsky: cuts a segment to a rectangle, so that a ray thrown far off the picture never
// reaches the rasteriser. A cut end is put exactly on the edge that cut it, so far-away ends
// lose no precision where the line is seen.
std::optional<PixelLine> clipped(const PixelLine& s, const Box& box)
{
    const auto inside = [&box](PixelPoint p) {
        return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
    };
    if (inside(s.p1) && inside(s.p2)) {
        return s; // the common case, and nothing to cut
    }
    if (!std::isfinite(s.p1.x) || !std::isfinite(s.p1.y) || !std::isfinite(s.p2.x) ||
        !std::isfinite(s.p2.y)) {
        return std::nullopt;
    }
    const double dx = s.p2.x - s.p1.x;
    const double dy = s.p2.y - s.p1.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.p1.x - box.left, box.right - s.p1.x, s.p1.y - box.top,
                         box.bottom - s.p1.y};
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
    const double edges[4] = {box.left, box.right, box.top, box.bottom};
    const auto endAt = [&](double t, int edge, PixelPoint end) {
        if (edge >= 0) {
            end = {s.p1.x + t * dx, s.p1.y + t * dy};
            (edge < 2 ? end.x : end.y) = edges[edge];
        }
        return PixelPoint{std::clamp(end.x, box.left, box.right),
                          std::clamp(end.y, box.top, box.bottom)};
    };
    return PixelLine{endAt(t0, edge0, s.p1), endAt(t1, edge1, s.p2)};
}

// Draws the commands one by one, gathering lines of one colour and pen between commands that
// change either.
class Replay
{
public:
    Replay(const PixelCanvas& canvas, double scale)
        : m_canvas(canvas),
          m_scale(scale), m_clip{0, 0, canvas.width / scale, canvas.height / scale},
          // From the design's size up to 1.5 times it one-pixel lines stay one pixel wide, and
          // are set straight into the pixels.
          m_thin(scale < 1.5),
          // Where the factor does not map design pixels onto whole pixels, places are snapped.
          m_snap(std::abs(scale - std::round(scale)) > 1e-9)
    {}

    void draw(const DrawCommand& c)
    {
        if (c.kind == DrawCommand::Kind::Circle) {
            circle(c);
        } else {
            line(c);
        }
    }

    void flush()
    {
        if (m_batchOpen) {
            m_batch.draw(m_canvas, pixel(m_batchColour));
            m_batchOpen = false;
        }
    }

private:
    std::uint32_t pixel(Colour colour) const { return toPixel(colour, m_canvas.order); }

    // A pen of width design pixels is as wide as the rounded width in pixels, at least one.
    double penWidth(int width) const { return std::max(1.0, std::round(width * m_scale)); }

    void line(const DrawCommand& c)
    {
        const double margin = c.width + 1;
        const Box box{m_clip.left - margin, m_clip.top - margin, m_clip.right + margin,
                      m_clip.bottom + margin};
        const auto s = clipped({{c.x1 / twipsPerPixel, c.y1 / twipsPerPixel},
                                {c.x2 / twipsPerPixel, c.y2 / twipsPerPixel}},
                               box);
        if (!s) {
            return;
        }
        const PixelLine scaled{{s->p1.x * m_scale, s->p1.y * m_scale},
                               {s->p2.x * m_scale, s->p2.y * m_scale}};
        if (m_thin && c.width == 1) {
            flush(); // what was gathered lies under this line
            thinLine(m_canvas, scaled.p1, scaled.p2, pixel(c.colour));
            return;
        }
        PixelSweeps& lines = batch(c.colour, c.width);
        lines.add(m_snap ? snappedLine(scaled, lines.penWidth()) : scaled);
    }

    void circle(const DrawCommand& c)
    {
        const double cx = c.x1 / twipsPerPixel;
        const double cy = c.y1 / twipsPerPixel;
        const double r = std::abs(c.x2) / twipsPerPixel;
        if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) || r > 1e5) {
            return;
        }
        flush();
        const double pen = penWidth(c.width);
        if (m_snap && m_thin && pen <= 1) {
            const double x = std::round(cx * m_scale);
            const double y = std::round(cy * m_scale);
            if (std::abs(x) < 1e6 && std::abs(y) < 1e6) {
                thinRing(m_canvas, int(x), int(y), r * m_scale, pixel(c.colour));
            }
            return;
        }
        const PixelPoint centre{snapped(cx * m_scale, pen), snapped(cy * m_scale, pen)};
        if (std::abs(centre.x) >= 1e6 || std::abs(centre.y) >= 1e6) {
            return;
        }
        if (pen >= 2) {
            wideRing(m_canvas, centre, r * m_scale, pen, pixel(c.colour));
        } else {
            tracedRing(m_canvas, centre, r * m_scale, pixel(c.colour));
        }
    }

    // A pen of width w is put where its edges fall on pixel edges: a line then keeps one width
    // along its length and rings along a line are all alike.
    double snapped(double p, double w) const { return m_snap ? std::round(p - w / 2) + w / 2 : p; }

    // A level or upright line so across, its ends on pixel edges, so that a bar ends on its
    // axis' pixels and never a pixel beyond.
    static PixelLine snappedLine(const PixelLine& s, double w)
    {
        const auto edge = [](double p) {
            return std::round(p);
        };
        const auto across = [w](double p) {
            return std::round(p - w / 2) + w / 2;
        };
        if (s.p1.y == s.p2.y) {
            return {{edge(s.p1.x), across(s.p1.y)}, {edge(s.p2.x), across(s.p2.y)}};
        }
        if (s.p1.x == s.p2.x) {
            return {{across(s.p1.x), edge(s.p1.y)}, {across(s.p2.x), edge(s.p2.y)}};
        }
        // A sloped line shorter than its pen is a blot, which a pixel's fraction does not
        // change to the eye; its ends go to pixel corners, where the many such strokes of a
        // chain fall on one another. Longer sloped lines keep their places, so that a sweep of
        // them stays parallel and is filled at once.
        const double dx = s.p2.x - s.p1.x;
        const double dy = s.p2.y - s.p1.y;
        if (dx * dx + dy * dy < w * w) {
            return {{edge(s.p1.x), edge(s.p1.y)}, {edge(s.p2.x), edge(s.p2.y)}};
        }
        return s;
    }

    PixelSweeps& batch(Colour colour, int width)
    {
        if (!m_batchOpen || colour != m_batchColour || width != m_batchWidth) {
            flush();
            m_batch = PixelSweeps(penWidth(width));
            m_batchOpen = true;
            m_batchColour = colour;
            m_batchWidth = width;
        }
        return m_batch;
    }

    PixelCanvas m_canvas;
    double m_scale;
    Box m_clip;
    bool m_thin;
    bool m_snap;
    // The lines gathered since the colour or the pen last changed.
    PixelSweeps m_batch{1};
    bool m_batchOpen = false;
    Colour m_batchColour = 0;
    int m_batchWidth = 0;
};
} // namespace

void rasterisePicture(const PixelCanvas& canvas, const DrawingList& list, std::size_t from,
                      std::size_t to, double factor)
{
    if (!(factor > 0) || !std::isfinite(factor) || canvas.pixels == nullptr || canvas.width <= 0 ||
        canvas.height <= 0) {
        return;
    }
    Replay replay(canvas, factor);
    for (std::size_t i = from; i < std::min(to, list.size()); ++i) {
        replay.draw(list[i]);
    }
    replay.flush();
}
