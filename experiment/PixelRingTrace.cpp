// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PixelRingTrace.h"

#include <climits>
#include <cstdlib>
#include <utility>

namespace {
// The direction a traced line went, to know where the next one turns.
enum Direction : int
{
    NoDirection = 0,
    TopToBottom = 0x1,
    BottomToTop = 0x2,
    LeftToRight = 0x4,
    RightToLeft = 0x8,
    VerticalMask = 0x3,
    HorizontalMask = 0xc,
};

// Half a pixel added at a line's start or end where the tracing turns back along the same axis,
// so that the turn is not cut short.
enum Caps : int
{
    CapBegin = 0x1,
    CapEnd = 0x2,
};

// The control points' share of the radius that makes four cubics a circle.
constexpr double kappa = 0.5522847498;

int to26Dot6(double v)
{
    return int(v * 64.);
}

int fixedDivide(int x, int y)
{
    return int((std::int64_t(x) << 16) / y);
}

void capAdjust(int caps, int& from, int& to, int& across, int step)
{
    if (caps & CapBegin) {
        from -= 32;
        across -= step >> 1;
    }
    if (caps & CapEnd) {
        to += 32;
    }
}

struct Point
{
    double x;
    double y;
};

class Tracer
{
public:
    Tracer(const PixelCanvas& canvas, std::uint32_t argb)
        : m_canvas(canvas), m_argb(argb), m_xMin(-1), m_xMax(canvas.width + 1), m_yMin(-1),
          m_yMax(canvas.height + 1)
    {}

    void ring(PixelPoint centre, double radius)
    {
        // The circle's box as the painter has it, and its four quarters from the right end
        // clockwise on the screen.
        const double x = centre.x - radius;
        const double y = centre.y - radius;
        const double w = 2 * radius;
        const double h = 2 * radius;
        const double w2 = w / 2;
        const double w2k = w2 * kappa;
        const double h2 = h / 2;
        const double h2k = h2 * kappa;
        const Point p[13] = {
            {x + w, y + h2}, {x + w, y + h2 + h2k}, {x + w2 + w2k, y + h},
            {x + w2, y + h}, {x + w2 - w2k, y + h}, {x, y + h2 + h2k},
            {x, y + h2},     {x, y + h2 - h2k},     {x + w2 - w2k, y},
            {x + w2, y},     {x + w2 + w2k, y},     {x + w, y + h2 - h2k},
            {x + w, y + h2},
        };
        m_lastX = INT_MIN;
        m_lastY = INT_MIN;
        // The outline is closed: its first line must know where the last one ends.
        lastPoint(p[11].x, p[11].y, p[12].x, p[12].y);
        for (int i = 0; i < 4; ++i) {
            cubic(p[3 * i], p[3 * i + 1], p[3 * i + 2], p[3 * i + 3]);
        }
    }

private:
    void plot(int x, int y) const
    {
        if (x >= 0 && x < m_canvas.width && y >= 0 && y < m_canvas.height) {
            m_canvas.pixels[std::int64_t(y) * m_canvas.stride + x] = m_argb;
        }
    }

    // Cuts a line roughly to the canvas and a pixel around it; true when nothing is left.
    bool clipLine(double& x1, double& y1, double& x2, double& y2)
    {
        if (x1 < m_xMin) {
            if (x2 <= m_xMin) {
                m_lastX = -1;
                return true;
            }
            y1 += (y2 - y1) / (x2 - x1) * (m_xMin - x1);
            x1 = m_xMin;
        } else if (x1 > m_xMax) {
            if (x2 >= m_xMax) {
                m_lastX = -1;
                return true;
            }
            y1 += (y2 - y1) / (x2 - x1) * (m_xMax - x1);
            x1 = m_xMax;
        }
        if (x2 < m_xMin) {
            m_lastX = -1;
            y2 += (y2 - y1) / (x2 - x1) * (m_xMin - x2);
            x2 = m_xMin;
        } else if (x2 > m_xMax) {
            m_lastX = -1;
            y2 += (y2 - y1) / (x2 - x1) * (m_xMax - x2);
            x2 = m_xMax;
        }
        if (y1 < m_yMin) {
            if (y2 <= m_yMin) {
                m_lastX = -1;
                return true;
            }
            x1 += (x2 - x1) / (y2 - y1) * (m_yMin - y1);
            y1 = m_yMin;
        } else if (y1 > m_yMax) {
            if (y2 >= m_yMax) {
                m_lastX = -1;
                return true;
            }
            x1 += (x2 - x1) / (y2 - y1) * (m_yMax - y1);
            y1 = m_yMax;
        }
        if (y2 < m_yMin) {
            m_lastX = -1;
            x2 += (x2 - x1) / (y2 - y1) * (m_yMin - y2);
            y2 = m_yMin;
        } else if (y2 > m_yMax) {
            m_lastX = -1;
            x2 += (x2 - x1) / (y2 - y1) * (m_yMax - y2);
            y2 = m_yMax;
        }
        return false;
    }

    // The last pixel and direction of the outline's last line, without drawing it.
    void lastPoint(double rx1, double ry1, double rx2, double ry2)
    {
        m_lastX = -1;
        m_lastY = -1;
        if (clipLine(rx1, ry1, rx2, ry2)) {
            return;
        }
        int x1 = to26Dot6(rx1);
        int y1 = to26Dot6(ry1);
        int x2 = to26Dot6(rx2);
        int y2 = to26Dot6(ry2);
        const int dx = std::abs(x2 - x1);
        const int dy = std::abs(y2 - y1);
        if (dx < dy) {
            const bool swapped = y1 > y2;
            if (swapped) {
                std::swap(y1, y2);
                std::swap(x1, x2);
            }
            const int xinc = fixedDivide(x2 - x1, y2 - y1);
            int x = x1 * 1024;
            const int y = (y1 + 32) >> 6;
            const int ys = (y2 + 32) >> 6;
            const int round = xinc > 0 ? 32 : 0;
            if (y != ys) {
                x += int((std::int64_t((y << 6) + round - y1) * xinc) >> 6);
                if (swapped) {
                    m_lastX = x >> 16;
                    m_lastY = y;
                    m_lastDir = BottomToTop;
                } else {
                    m_lastX = (x + (ys - y - 1) * xinc) >> 16;
                    m_lastY = ys - 1;
                    m_lastDir = TopToBottom;
                }
                m_lastAxisAligned = std::abs(xinc) < (1 << 14);
            }
        } else {
            if (dx == 0) {
                return;
            }
            const bool swapped = x1 > x2;
            if (swapped) {
                std::swap(x1, x2);
                std::swap(y1, y2);
            }
            const int yinc = fixedDivide(y2 - y1, x2 - x1);
            int y = y1 * 1024;
            const int x = (x1 + 32) >> 6;
            const int xs = (x2 + 32) >> 6;
            const int round = yinc > 0 ? 32 : 0;
            if (x != xs) {
                y += int((std::int64_t((x << 6) + round - x1) * yinc) >> 6);
                if (swapped) {
                    m_lastX = x;
                    m_lastY = y >> 16;
                    m_lastDir = RightToLeft;
                } else {
                    m_lastX = xs - 1;
                    m_lastY = (y + (xs - x - 1) * yinc) >> 16;
                    m_lastDir = LeftToRight;
                }
                m_lastAxisAligned = std::abs(yinc) < (1 << 14);
            }
        }
    }

    // One line stepped along its major axis. Where it starts on the pixel the last line ended
    // on, that pixel is left out; where the tracing turned and a pixel would be missing
    // between them, one more is set.
    void line(double rx1, double ry1, double rx2, double ry2)
    {
        int caps = 0;
        if (clipLine(rx1, ry1, rx2, ry2)) {
            return;
        }
        int x1 = to26Dot6(rx1);
        int y1 = to26Dot6(ry1);
        int x2 = to26Dot6(rx2);
        int y2 = to26Dot6(ry2);
        const int dx = std::abs(x2 - x1);
        const int dy = std::abs(y2 - y1);
        int lastX = m_lastX;
        int lastY = m_lastY;
        if (dx < dy) {
            int dir = TopToBottom;
            const bool swapped = y1 > y2;
            if (swapped) {
                std::swap(y1, y2);
                std::swap(x1, x2);
                dir = BottomToTop;
            }
            const int xinc = fixedDivide(x2 - x1, y2 - y1);
            int x = x1 * 1024;
            if ((m_lastDir ^ VerticalMask) == dir) {
                caps |= swapped ? CapEnd : CapBegin;
            }
            capAdjust(caps, y1, y2, x, xinc);
            int y = (y1 + 32) >> 6;
            int ys = (y2 + 32) >> 6;
            const int round = xinc > 0 ? 32 : 0;
            // Not past the pixel the last line ended on.
            if ((caps & CapBegin) && m_lastY == y + 1) {
                ++y;
            }
            if (y != ys) {
                x += int((std::int64_t((y << 6) + round - y1) * xinc) >> 6);
                int firstX = x >> 16;
                int firstY = y;
                lastX = (x + (ys - y - 1) * xinc) >> 16;
                lastY = ys - 1;
                if (swapped) {
                    std::swap(firstX, lastX);
                    std::swap(firstY, lastY);
                }
                const bool axisAligned = std::abs(xinc) < (1 << 14);
                if (m_lastX >= 0) {
                    if (firstX == m_lastX && firstY == m_lastY) {
                        if (swapped) {
                            --ys;
                        } else {
                            ++y;
                            x += xinc;
                        }
                    } else if (m_lastDir != dir && (((axisAligned && m_lastAxisAligned) &&
                                                     m_lastX != firstX && m_lastY != firstY) ||
                                                    (std::abs(m_lastX - firstX) > 1 ||
                                                     std::abs(m_lastY - firstY) > 1))) {
                        if (swapped) {
                            ++ys;
                        } else {
                            --y;
                            x -= xinc;
                        }
                    }
                }
                m_lastDir = dir;
                m_lastAxisAligned = axisAligned;
                do {
                    plot(x >> 16, y);
                    x += xinc;
                } while (++y < ys);
            }
        } else {
            if (dx == 0) {
                return;
            }
            int dir = LeftToRight;
            const bool swapped = x1 > x2;
            if (swapped) {
                std::swap(x1, x2);
                std::swap(y1, y2);
                dir = RightToLeft;
            }
            const int yinc = fixedDivide(y2 - y1, x2 - x1);
            int y = y1 * 1024;
            if ((m_lastDir ^ HorizontalMask) == dir) {
                caps |= swapped ? CapEnd : CapBegin;
            }
            capAdjust(caps, x1, x2, y, yinc);
            int x = (x1 + 32) >> 6;
            int xs = (x2 + 32) >> 6;
            const int round = yinc > 0 ? 32 : 0;
            // Not past the pixel the last line ended on.
            if ((caps & CapBegin) && m_lastX == x + 1) {
                ++x;
            }
            if (x != xs) {
                y += int((std::int64_t((x << 6) + round - x1) * yinc) >> 6);
                int firstX = x;
                int firstY = y >> 16;
                lastX = xs - 1;
                lastY = (y + (xs - x - 1) * yinc) >> 16;
                if (swapped) {
                    std::swap(firstX, lastX);
                    std::swap(firstY, lastY);
                }
                const bool axisAligned = std::abs(yinc) < (1 << 14);
                if (m_lastX >= 0) {
                    if (firstX == m_lastX && firstY == m_lastY) {
                        if (swapped) {
                            --xs;
                        } else {
                            ++x;
                            y += yinc;
                        }
                    } else if (m_lastDir != dir && (((axisAligned && m_lastAxisAligned) &&
                                                     m_lastX != firstX && m_lastY != firstY) ||
                                                    (std::abs(m_lastX - firstX) > 1 ||
                                                     std::abs(m_lastY - firstY) > 1))) {
                        if (swapped) {
                            ++xs;
                        } else {
                            --x;
                            y -= yinc;
                        }
                    }
                }
                m_lastDir = dir;
                m_lastAxisAligned = axisAligned;
                do {
                    plot(x, y >> 16);
                    y += yinc;
                } while (++x < xs);
            }
        }
        m_lastX = lastX;
        m_lastY = lastY;
    }

    // The curve from a to d, halved until flat to a quarter of its length or six times over;
    // points are held from the end back to the start, as they are halved in place.
    void cubic(Point a, Point b, Point c, Point d)
    {
        Point points[3 * maxHalvings + 4];
        points[3] = a;
        points[2] = b;
        points[1] = c;
        points[0] = d;
        subdivide(points, maxHalvings);
    }

    static void halve(Point* p)
    {
        const auto split = [p](double Point::*v) {
            p[6].*v = p[3].*v;
            double c = p[1].*v;
            const double d = p[2].*v;
            double a = (p[0].*v + c) * 0.5;
            double b = (p[3].*v + d) * 0.5;
            p[1].*v = a;
            p[5].*v = b;
            c = (c + d) * 0.5;
            a = (a + c) * 0.5;
            b = (b + c) * 0.5;
            p[2].*v = a;
            p[4].*v = b;
            p[3].*v = (a + b) * 0.5;
        };
        split(&Point::x);
        split(&Point::y);
    }

    void subdivide(Point* p, int level)
    {
        if (level > 0) {
            const double dx = p[3].x - p[0].x;
            const double dy = p[3].y - p[0].y;
            const double len = 0.25 * (std::abs(dx) + std::abs(dy));
            if (std::abs(dx * (p[0].y - p[2].y) - dy * (p[0].x - p[2].x)) >= len ||
                std::abs(dx * (p[0].y - p[1].y) - dy * (p[0].x - p[1].x)) >= len) {
                halve(p);
                subdivide(p + 3, level - 1);
                subdivide(p, level - 1);
                return;
            }
        }
        line(p[3].x, p[3].y, p[0].x, p[0].y);
    }

    static constexpr int maxHalvings = 6;

    const PixelCanvas& m_canvas;
    std::uint32_t m_argb;
    double m_xMin, m_xMax, m_yMin, m_yMax;
    int m_lastX = -1;
    int m_lastY = -1;
    int m_lastDir = NoDirection;
    bool m_lastAxisAligned = false;
};
} // namespace

void tracedRing(const PixelCanvas& canvas, PixelPoint centre, double radius, std::uint32_t argb)
{
    Tracer(canvas, argb).ring(centre, radius);
}
