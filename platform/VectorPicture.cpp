// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VectorPicture.h"

#include "PictureRenderer.h"
#include "Twips.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {
// Lines at most a pixel apart leave no gap between them when rasterised.
constexpr double adjacent = twipsPerPixel;
// Only lines a few pixels long are taken for filling; short ones are spiral segments.
constexpr double longLine = 4 * twipsPerPixel;

struct Line
{
    QPointF from;
    QPointF to;
    int width;
};

struct Circle
{
    QPointF centre;
    double radius;
    int width;
};

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

double length(const Line& l)
{
    return distance(l.from, l.to);
}

// Whether next continues a sweep whose last line is last: as long, beside it, and pointing the
// same way.
bool sweepsOn(const Line& last, const Line& next)
{
    if (next.width != last.width || length(next) < longLine || length(last) < longLine) {
        return false;
    }
    const QPointF d1 = last.to - last.from;
    const QPointF d2 = next.to - next.from;
    const double cross = d1.x() * d2.y() - d1.y() * d2.x();
    const double parallel = std::abs(cross) / (length(last) * length(next));
    return parallel < 0.05 && distance(last.from, next.from) <= adjacent &&
           distance(last.to, next.to) <= adjacent && QPointF::dotProduct(d1, d2) > 0;
}

// Drops the inner points of straight runs, so a sweep of thousands of lines is a quadrilateral.
QPolygonF simplified(const QPolygonF& points)
{
    QPolygonF kept;
    for (const QPointF& p : points) {
        while (kept.size() >= 2) {
            const QPointF a = kept[kept.size() - 2];
            const QPointF b = kept.back();
            const double cross =
                (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
            const double span = distance(a, p);
            // b lies within a hundredth of a twip of the line from a to p
            if (span > 0 && std::abs(cross) / span < 0.01) {
                kept.removeLast();
            } else {
                break;
            }
        }
        kept << p;
    }
    return kept;
}

class GroupWriter
{
public:
    GroupWriter(QPainter& painter, Colour colour) : m_painter(painter), m_colour(toQColor(colour))
    {}

    void add(const Line& line)
    {
        if (!m_seen
                 .insert(
                     std::tuple(line.from.x(), line.from.y(), line.to.x(), line.to.y(), line.width))
                 .second) {
            return;
        }
        if (!m_sweep.empty() && sweepsOn(m_sweep.back(), line)) {
            m_sweep.push_back(line);
            return;
        }
        endSweep();
        m_sweep.push_back(line);
    }

    void addCircle(QPointF centre, double radius, int width)
    {
        m_circles.push_back({centre, radius, width});
    }

    // Draws everything gathered.
    void finish()
    {
        endSweep();
        for (const auto& [width, paths] : m_paths) {
            m_painter.setPen(pen(width));
            m_painter.setBrush(Qt::NoBrush);
            for (const QPolygonF& path : paths) {
                m_painter.drawPolyline(simplified(path));
            }
        }
        for (const Circle& c : m_circles) {
            m_painter.setPen(pen(c.width));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawEllipse(c.centre, c.radius, c.radius);
        }
        for (const auto& [width, polygon] : m_fills) {
            // The outline in a pen of the lines' width covers the half pixel the lines reach
            // beyond their middles.
            m_painter.setPen(pen(width));
            m_painter.setBrush(m_colour);
            m_painter.drawPolygon(simplified(polygon));
        }
    }

private:
    QPen pen(int width) const
    {
        QPen p(m_colour, width * twipsPerPixel);
        p.setCapStyle(Qt::FlatCap);
        p.setJoinStyle(Qt::MiterJoin);
        return p;
    }

    void endSweep()
    {
        if (m_sweep.size() >= 3) {
            QPolygonF outline;
            for (const Line& l : m_sweep) {
                outline << l.from;
            }
            for (auto l = m_sweep.rbegin(); l != m_sweep.rend(); ++l) {
                outline << l->to;
            }
            m_fills.emplace_back(m_sweep.front().width, outline);
        } else {
            for (const Line& l : m_sweep) {
                addToPath(l);
            }
        }
        m_sweep.clear();
    }

    // A segment that starts where an open path ends continues it.
    void addToPath(const Line& l)
    {
        auto& paths = m_paths[l.width];
        const auto key = std::pair(l.from.x(), l.from.y());
        if (const auto open = m_openEnds.find(std::tuple(key.first, key.second, l.width));
            open != m_openEnds.end()) {
            const std::size_t index = open->second;
            m_openEnds.erase(open);
            paths[index] << l.to;
            m_openEnds[std::tuple(l.to.x(), l.to.y(), l.width)] = index;
            return;
        }
        paths.push_back(QPolygonF{l.from, l.to});
        m_openEnds[std::tuple(l.to.x(), l.to.y(), l.width)] = paths.size() - 1;
    }

    QPainter& m_painter;
    QColor m_colour;
    std::set<std::tuple<double, double, double, double, int>> m_seen;
    std::vector<Line> m_sweep;
    std::vector<std::pair<int, QPolygonF>> m_fills;
    std::map<int, std::vector<QPolygonF>> m_paths;
    std::map<std::tuple<double, double, int>, std::size_t> m_openEnds;
    std::vector<Circle> m_circles;
};
} // namespace

void drawAsVectors(QPainter& painter, const DrawingList& list, const QRectF& clip)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The painter cuts everything to the clip; what lies wholly outside is not written at all.
    painter.setClipRect(clip);
    std::size_t i = 0;
    while (i < list.size()) {
        const Colour colour = list[i].colour;
        GroupWriter group(painter, colour);
        for (; i < list.size() && list[i].colour == colour; ++i) {
            const DrawCommand& c = list[i];
            if (c.kind == DrawCommand::Kind::Circle) {
                const double r = std::abs(c.x2);
                if (clip.adjusted(-r, -r, r, r).contains(QPointF(c.x1, c.y1))) {
                    group.addCircle(QPointF(c.x1, c.y1), r, c.width);
                }
                continue;
            }
            const QRectF bounds = QRectF(QPointF(c.x1, c.y1), QPointF(c.x2, c.y2)).normalized();
            if (std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) &&
                std::isfinite(c.y2) && bounds.adjusted(-1, -1, 1, 1).intersects(clip)) {
                group.add({QPointF(c.x1, c.y1), QPointF(c.x2, c.y2), c.width});
            }
        }
        group.finish();
    }
    painter.restore();
}
