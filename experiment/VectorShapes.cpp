// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VectorShapes.h"

#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace {
constexpr double twipsPerPixel = 15;
// Lines at most a pixel apart leave no gap between them when rasterised.
constexpr double adjacent = twipsPerPixel;
// Only lines a few pixels long are taken for filling; short ones are spiral segments.
constexpr double longLine = 4 * twipsPerPixel;

using Points = std::vector<VectorPoint>;

struct Line
{
    VectorPoint from;
    VectorPoint to;
    int width;
};

double distance(VectorPoint a, VectorPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
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
    const VectorPoint d1{last.to.x - last.from.x, last.to.y - last.from.y};
    const VectorPoint d2{next.to.x - next.from.x, next.to.y - next.from.y};
    const double cross = d1.x * d2.y - d1.y * d2.x;
    const double parallel = std::abs(cross) / (length(last) * length(next));
    return parallel < 0.05 && distance(last.from, next.from) <= adjacent &&
           distance(last.to, next.to) <= adjacent && d1.x * d2.x + d1.y * d2.y > 0;
}

// Drops the inner points of straight runs, so a sweep of thousands of lines is a quadrilateral.
Points simplified(const Points& points)
{
    Points kept;
    for (const VectorPoint& p : points) {
        while (kept.size() >= 2) {
            const VectorPoint a = kept[kept.size() - 2];
            const VectorPoint b = kept.back();
            const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
            const double span = distance(a, p);
            // b lies within a hundredth of a twip of the line from a to p
            if (span > 0 && std::abs(cross) / span < 0.01) {
                kept.pop_back();
            } else {
                break;
            }
        }
        kept.push_back(p);
    }
    return kept;
}

class Group
{
public:
    explicit Group(Colour colour) : m_colour(colour) {}

    void add(const Line& line)
    {
        if (!m_seen.insert(std::tuple(line.from.x, line.from.y, line.to.x, line.to.y, line.width))
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

    void addCircle(VectorPoint centre, double radius, int width)
    {
        m_circles.push_back({VectorShape::Kind::Circle, m_colour, width, {centre}, radius});
    }

    void finish(std::vector<VectorShape>& out)
    {
        endSweep();
        for (auto& [width, paths] : m_paths) {
            for (const Points& path : paths) {
                out.push_back({VectorShape::Kind::Polyline, m_colour, width, simplified(path)});
            }
        }
        out.insert(out.end(), m_circles.begin(), m_circles.end());
        for (const auto& [width, outline] : m_fills) {
            out.push_back({VectorShape::Kind::Polygon, m_colour, width, simplified(outline)});
        }
    }

private:
    void endSweep()
    {
        if (m_sweep.size() >= 3) {
            Points outline;
            for (const Line& l : m_sweep) {
                outline.push_back(l.from);
            }
            for (auto l = m_sweep.rbegin(); l != m_sweep.rend(); ++l) {
                outline.push_back(l->to);
            }
            m_fills.emplace_back(m_sweep.front().width, std::move(outline));
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
        if (const auto open = m_openEnds.find(std::tuple(l.from.x, l.from.y, l.width));
            open != m_openEnds.end()) {
            const std::size_t index = open->second;
            m_openEnds.erase(open);
            paths[index].push_back(l.to);
            m_openEnds[std::tuple(l.to.x, l.to.y, l.width)] = index;
            return;
        }
        paths.push_back(Points{l.from, l.to});
        m_openEnds[std::tuple(l.to.x, l.to.y, l.width)] = paths.size() - 1;
    }

    Colour m_colour;
    std::set<std::tuple<double, double, double, double, int>> m_seen;
    std::vector<Line> m_sweep;
    std::vector<std::pair<int, Points>> m_fills;
    std::map<int, std::vector<Points>> m_paths;
    std::map<std::tuple<double, double, int>, std::size_t> m_openEnds;
    std::vector<VectorShape> m_circles;
};

bool contains(const VectorRect& r, VectorPoint p)
{
    return p.x >= r.left && p.x <= r.left + r.width && p.y >= r.top && p.y <= r.top + r.height;
}

bool intersects(const VectorRect& a, const VectorRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}
} // namespace

std::vector<VectorShape> vectorShapes(const DrawingList& list, const VectorRect& clip)
{
    std::vector<VectorShape> shapes;
    std::size_t i = 0;
    while (i < list.size()) {
        const Colour colour = list[i].colour;
        Group group(colour);
        for (; i < list.size() && list[i].colour == colour; ++i) {
            const DrawCommand& c = list[i];
            if (c.kind == DrawCommand::Kind::Circle) {
                const double r = std::abs(double(c.x2));
                const VectorRect around{clip.left - r, clip.top - r, clip.width + 2 * r,
                                        clip.height + 2 * r};
                if (contains(around, {c.x1, c.y1})) {
                    group.addCircle({c.x1, c.y1}, r, c.width);
                }
                continue;
            }
            const double left = std::min(c.x1, c.x2);
            const double top = std::min(c.y1, c.y2);
            const VectorRect bounds{left - 1, top - 1, std::abs(double(c.x2) - c.x1) + 2,
                                    std::abs(double(c.y2) - c.y1) + 2};
            if (std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) &&
                std::isfinite(c.y2) && intersects(bounds, clip)) {
                group.add({{c.x1, c.y1}, {c.x2, c.y2}, c.width});
            }
        }
        group.finish(shapes);
    }
    return shapes;
}
