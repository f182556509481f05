// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PixelSpans.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
// Places along a row are 16.16 fixed point: the painter steps its edges so, and a slope rounded
// otherwise moves an edge by a pixel now and then over a long line.
using Fixed = std::int64_t;
constexpr double fixedOne = 65536.0;

// std::round's rule (halves away from zero) without its call: the fraction v - int(v) is exact
// for places within the int range, which everything drawn is after cutting.
int roundHalfAway(double v)
{
    int i = int(v);
    const double fraction = v - i;
    if (fraction >= 0.5) {
        ++i;
    } else if (fraction <= -0.5) {
        --i;
    }
    return i;
}

// Saturating, as a slope of an edge that is level is huge.
Fixed toFixed(double v)
{
    const double scaled = v * fixedOne;
    if (scaled > double(std::numeric_limits<Fixed>::max())) {
        return std::numeric_limits<Fixed>::max();
    }
    if (scaled < double(std::numeric_limits<Fixed>::min())) {
        return std::numeric_limits<Fixed>::min();
    }
    return Fixed(scaled);
}

int fixedToInt(Fixed v)
{
    return int(v >> 16);
}

double divided(double x, double y)
{
    if (y == 0) {
        return x > 0 ? 1e20 : -1e20;
    }
    return x / y;
}

// Two places alike to a 64th of a pixel.
bool same64th(double p1, double p2)
{
    return int((p2 - p1) * 64.) == 0;
}

PixelPoint to64ths(PixelPoint p)
{
    return {std::floor(p.x * 64) / 64, std::floor(p.y * 64) / 64};
}

// Cuts a wide line to the canvas grown by the half pen across the line. Returns false when
// nothing is left.
bool cutToCanvas(const PixelCanvas& canvas, PixelPoint& pa, PixelPoint& pb, double halfAcrossX,
                 double halfAcrossY)
{
    const double low[2] = {-halfAcrossX, -halfAcrossY};
    const double high[2] = {canvas.width + halfAcrossX, canvas.height + halfAcrossY};
    const auto inside = [&](PixelPoint p) {
        return p.x >= low[0] && p.x <= high[0] && p.y >= low[1] && p.y <= high[1];
    };
    if (inside(pa) && inside(pb)) {
        return true;
    }
    double t1 = 0;
    double t2 = 1;
    const double o[2] = {pa.x, pa.y};
    const double d[2] = {pb.x - pa.x, pb.y - pa.y};
    for (int i = 0; i < 2; ++i) {
        if (d[i] == 0) {
            if (o[i] <= low[i] || o[i] >= high[i]) {
                return false;
            }
            continue;
        }
        const double inverse = 1 / d[i];
        double tLow = (low[i] - o[i]) * inverse;
        double tHigh = (high[i] - o[i]) * inverse;
        if (tLow > tHigh) {
            std::swap(tLow, tHigh);
        }
        t1 = std::max(t1, tLow);
        t2 = std::min(t2, tHigh);
        if (t1 >= t2) {
            return false;
        }
    }
    const PixelPoint from = pa;
    pa = {from.x + d[0] * t1, from.y + d[1] * t1};
    pb = {from.x + d[0] * t2, from.y + d[1] * t2};
    return true;
}

// A pen's band along an upright segment (the level case is turned into this one too).
void uprightBand(const PixelCanvas& canvas, PixelPoint pa, PixelPoint pb, double relativeWidth,
                 std::uint32_t argb)
{
    if (pa.y > pb.y) {
        std::swap(pa, pb);
    }
    const double halfWidth = 0.5 * relativeWidth * (pb.y - pa.y);
    const double left = std::clamp(pa.x - halfWidth, 0.0, double(canvas.width));
    const double right = std::clamp(pa.x + halfWidth, 0.0, double(canvas.width));
    const double top = std::clamp(pa.y, 0.0, double(canvas.height));
    const double bottom = std::clamp(pb.y, 0.0, double(canvas.height));
    if (same64th(left, right) || same64th(top, bottom)) {
        return;
    }
    const int iTop = int(top + 0.5);
    const int iBottom = bottom < 0.5 ? -1 : int(bottom - 0.5);
    const int iLeft = int(left + 0.5);
    const int iRight = right < 0.5 ? -1 : int(right - 0.5);
    for (int y = iTop; y <= iBottom; ++y) {
        canvas.span(iLeft, iRight + 1, y, argb);
    }
}

// One edge of a sloped band between two rows: its x at the row's centre, and its step.
struct Edge
{
    Fixed x;
    Fixed step;
};

// Rows from y up to last, between the left and the right edge; y is left at last + 1.
void bandRows(const PixelCanvas& canvas, int& y, int last, Edge& left, Edge& right,
              std::uint32_t argb)
{
    // Rows above the canvas are skipped by the edges' steps alone.
    const int firstShown = std::min(last + 1, 0);
    if (y < firstShown) {
        left.x += left.step * (firstShown - y);
        right.x += right.step * (firstShown - y);
        y = firstShown;
    }
    last = std::min(last, canvas.height - 1);
    for (; y <= last; ++y) {
        const int x1 = std::max(fixedToInt(left.x), 0);
        const int x2 = std::min(fixedToInt(right.x), canvas.width - 1);
        if (x2 >= x1) {
            canvas.span(x1, x2 + 1, y, argb);
        }
        left.x += left.step;
        right.x += right.step;
    }
}

// A sloped band as a rectangle standing on a corner: the top corner, the left and the right
// corner, and the bottom one, each on a 64th of a pixel; pixels whose centres lie inside.
void slopedBand(const PixelCanvas& canvas, PixelPoint pa, PixelPoint pb, double relativeWidth,
                std::uint32_t argb)
{
    if (pa.y > pb.y) {
        std::swap(pa, pb);
    }
    const double hx = (pb.x - pa.x) * 0.5 * relativeWidth;
    const double hy = (pb.y - pa.y) * 0.5 * relativeWidth;
    const PixelPoint perp{hy, -hx};
    const auto plus = [](PixelPoint p, PixelPoint q) {
        return PixelPoint{p.x + q.x, p.y + q.y};
    };
    const auto minus = [](PixelPoint p, PixelPoint q) {
        return PixelPoint{p.x - q.x, p.y - q.y};
    };
    PixelPoint top, left, right, bottom;
    if (pa.x < pb.x) {
        top = plus(pa, perp);
        left = minus(pa, perp);
        right = plus(pb, perp);
        bottom = minus(pb, perp);
    } else {
        top = minus(pa, perp);
        left = minus(pb, perp);
        right = plus(pa, perp);
        bottom = plus(pb, perp);
    }
    top = to64ths(top);
    bottom = to64ths(bottom);
    left = to64ths(left);
    right = to64ths(right);

    const double topLeftSlope = divided(left.x - top.x, left.y - top.y);
    const double topRightSlope = divided(right.x - top.x, right.y - top.y);
    const double bottomLeftSlope = divided(bottom.x - left.x, bottom.y - left.y);
    const double bottomRightSlope = divided(bottom.x - right.x, bottom.y - right.y);

    const int iTop = int(top.y + 0.5);
    int iLeft = left.y < 0.5 ? -1 : int(left.y - 0.5);
    int iRight = right.y < 0.5 ? -1 : int(right.y - 0.5);
    int iBottom = bottom.y < 0.5 ? -1 : int(bottom.y - 0.5);
    int iMiddle = std::min(iLeft, iRight);

    Edge topLeft{toFixed(top.x + 0.5 + (iTop + 0.5 - top.y) * topLeftSlope), toFixed(topLeftSlope)};
    Edge bottomLeft{toFixed(left.x + 0.5 + (iLeft + 1.5 - left.y) * bottomLeftSlope),
                    toFixed(bottomLeftSlope)};
    Edge topRight{toFixed(top.x - 0.5 + (iTop + 0.5 - top.y) * topRightSlope),
                  toFixed(topRightSlope)};
    Edge bottomRight{toFixed(right.x - 0.5 + (iRight + 1.5 - right.y) * bottomRightSlope),
                     toFixed(bottomRightSlope)};

    int y = iTop;
    bandRows(canvas, y, iMiddle, topLeft, topRight, argb);
    bandRows(canvas, y, iRight, bottomLeft, topRight, argb);
    bandRows(canvas, y, iLeft, topLeft, bottomRight, argb);
    bandRows(canvas, y, iBottom, bottomLeft, bottomRight, argb);
}

// A point in 26.6 fixed point, as outlines are filled.
struct Point64
{
    std::int64_t x;
    std::int64_t y;
};

// One edge of a filled outline across rows top..bottom: x at the rows' centres.
struct ScanEdge
{
    Fixed x;
    Fixed step;
    int top;
    int bottom;
};
} // namespace

void thinLine(const PixelCanvas& canvas, PixelPoint a, PixelPoint b, std::uint32_t argb)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const double from = alongX ? a.x : a.y;
    const double across = alongX ? a.y : a.x;
    const int first = roundHalfAway(from);
    const int last = roundHalfAway(alongX ? b.x : b.y);
    if (first == last) {
        return;
    }
    const double slope = alongX ? dy / dx : dx / dy;
    // The steps from first towards last, last left out, in any order (one colour), and only
    // those on the canvas.
    const int limit = alongX ? canvas.width : canvas.height;
    const int low = std::max(first < last ? first : last + 1, 0);
    const int high = std::min(first < last ? last : first + 1, limit);
    if (alongX) {
        for (int major = low; major < high; ++major) {
            const int minor = roundHalfAway(across + (major - from) * slope);
            if (minor >= 0 && minor < canvas.height) {
                canvas.pixels[std::int64_t(minor) * canvas.stride + major] = argb;
            }
        }
    } else {
        for (int major = low; major < high; ++major) {
            const int minor = roundHalfAway(across + (major - from) * slope);
            if (minor >= 0 && minor < canvas.width) {
                canvas.pixels[std::int64_t(major) * canvas.stride + minor] = argb;
            }
        }
    }
}

void wideLine(const PixelCanvas& canvas, PixelPoint a, PixelPoint b, double penWidth,
              std::uint32_t argb)
{
    if (a == b || canvas.width <= 0 || canvas.height <= 0) {
        return;
    }
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    // The pen's width relative to the segment's length, as the bands below are built.
    double width = penWidth / length;
    if (!(width > 0)) {
        return;
    }
    PixelPoint pa = a;
    PixelPoint pb = b;
    if (!cutToCanvas(canvas, pa, pb, std::abs(b.y - a.y) * width * 0.5,
                     std::abs(b.x - a.x) * width * 0.5)) {
        return;
    }
    const double whole = (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
    const double cut = (pa.x - pb.x) * (pa.x - pb.x) + (pa.y - pb.y) * (pa.y - pb.y);
    if (cut == 0) {
        return;
    }
    width *= std::sqrt(whole / cut);

    if (same64th(pa.y, pb.y)) {
        // Level: the same band turned upright about its middle.
        const double x = (pa.x + pb.x) * 0.5;
        const double dx = std::abs(pb.x - pa.x) * 0.5;
        const double y = pa.y;
        const double dy = width * dx;
        pa = {x, y - dy};
        pb = {x, y + dy};
        width = 1 / width;
    }
    if (same64th(pa.x, pb.x)) {
        uprightBand(canvas, pa, pb, width, argb);
    } else {
        slopedBand(canvas, pa, pb, width, argb);
    }
}

void fillQuad(const PixelCanvas& canvas, const std::array<PixelPoint, 4>& p, std::uint32_t argb)
{
    if (p[0].x == p[3].x && p[1].x == p[2].x && p[0].y == p[1].y && p[2].y == p[3].y &&
        p[0].x < p[2].x && p[0].y < p[2].y) {
        // An upright rectangle: its edges rounded to the nearest pixel edge.
        const int x1 = roundHalfAway(p[0].x);
        const int x2 = roundHalfAway(p[2].x);
        const int y1 = roundHalfAway(p[0].y);
        const int y2 = roundHalfAway(p[2].y);
        for (int y = std::max(y1, 0); y < std::min(y2, canvas.height); ++y) {
            canvas.span(x1, x2, y, argb);
        }
        return;
    }
    Point64 q[4];
    for (int i = 0; i < 4; ++i) {
        q[i] = {std::int64_t(std::round(p[i].x * 64)), std::int64_t(std::round(p[i].y * 64))};
    }
    std::int64_t minY = q[0].y;
    std::int64_t maxY = q[0].y;
    for (const Point64& v : q) {
        minY = std::min(minY, v.y);
        maxY = std::max(maxY, v.y);
    }
    const int topBound = std::max(0, int((minY + 32) >> 6));
    const int bottomBound = std::min(canvas.height - 1, int((maxY - 32) >> 6));
    if (topBound > bottomBound) {
        return;
    }
    const Fixed rightEdge = Fixed(canvas.width) << 16;
    ScanEdge edges[4];
    int count = 0;
    for (int i = 0; i < 4; ++i) {
        Point64 a = q[i];
        Point64 b = q[(i + 1) % 4];
        if (a.y > b.y) {
            std::swap(a, b);
        }
        const int top = std::max(topBound, int((a.y + 32) >> 6));
        const int bottom = std::min(bottomBound, int((b.y - 32) >> 6));
        if (top > bottom) {
            continue;
        }
        const Fixed ax = 32768 + (a.x << 10);
        if (a.x == b.x) {
            edges[count++] = {std::clamp(ax, Fixed(0), rightEdge), 0, top, bottom};
            continue;
        }
        const Fixed slope = Fixed(double(b.x - a.x) / double(b.y - a.y) * fixedOne);
        const Fixed x = ax + ((slope * ((Fixed(top) << 16) + 32768 - (a.y << 10))) >> 16);
        edges[count++] = {x, slope, top, bottom};
    }
    Fixed crossings[4];
    for (int y = topBound; y <= bottomBound; ++y) {
        int n = 0;
        for (int i = 0; i < count; ++i) {
            ScanEdge& e = edges[i];
            if (y >= e.top && y <= e.bottom) {
                crossings[n++] = std::clamp(e.x, Fixed(0), rightEdge);
                e.x += e.step;
            }
        }
        // At most four crossings: sorted in place.
        for (int i = 1; i < n; ++i) {
            for (int j = i; j > 0 && crossings[j] < crossings[j - 1]; --j) {
                std::swap(crossings[j], crossings[j - 1]);
            }
        }
        for (int i = 0; i + 1 < n; i += 2) {
            canvas.span(fixedToInt(crossings[i]), fixedToInt(crossings[i + 1]), y, argb);
        }
    }
}

void thinRing(const PixelCanvas& canvas, int cornerX, int cornerY, double radius,
              std::uint32_t argb)
{
    const int reach = int(std::ceil(radius)) + 1;
    for (int y = std::max(0, cornerY - reach); y < std::min(canvas.height, cornerY + reach); ++y) {
        for (int x = std::max(0, cornerX - reach); x < std::min(canvas.width, cornerX + reach);
             ++x) {
            const double d = std::hypot(x + 0.5 - cornerX, y + 0.5 - cornerY);
            if (std::abs(d - radius) <= 0.5) {
                canvas.set(x, y, argb);
            }
        }
    }
}

void wideRing(const PixelCanvas& canvas, PixelPoint centre, double radius, double penWidth,
              std::uint32_t argb)
{
    const double outer = radius + penWidth / 2;
    const double inner = std::max(0.0, radius - penWidth / 2);
    const int top = std::max(0, int(std::floor(centre.y - outer)));
    const int bottom = std::min(canvas.height - 1, int(std::ceil(centre.y + outer)));
    for (int y = top; y <= bottom; ++y) {
        const double dy = y + 0.5 - centre.y;
        const double outerSpan = outer * outer - dy * dy;
        if (outerSpan < 0) {
            continue;
        }
        const double half = std::sqrt(outerSpan);
        // Pixel centres x + 0.5 within [centre - half, centre + half).
        const int x1 = int(std::ceil(centre.x - half - 0.5));
        const int x2 = int(std::ceil(centre.x + half - 0.5));
        const double innerSpan = inner * inner - dy * dy;
        if (innerSpan <= 0) {
            canvas.span(x1, x2, y, argb);
            continue;
        }
        const double hole = std::sqrt(innerSpan);
        const int h1 = int(std::ceil(centre.x - hole - 0.5));
        const int h2 = int(std::ceil(centre.x + hole - 0.5));
        canvas.span(x1, h1, y, argb);
        canvas.span(h2, x2, y, argb);
    }
}
