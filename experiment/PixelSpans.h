// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shapes of the picture set into a plain buffer of 32-bit pixels, without antialiasing, by
// the rules the desktop's painter (Qt's raster engine) follows for them, so that the page and
// the window set the same pixels: a pixel belongs to a shape when its centre does, with the
// painter's own rounding of places to 64ths of a pixel and of slopes to 65536ths.
//
// Every shape is written as horizontal spans of one colour; nothing is read back.

#include <algorithm>
#include <array>
#include <cstdint>

// How a pixel's four bytes are laid out.
enum class PixelOrder
{
    Argb, // one 32-bit word 0xAARRGGBB, as the desktop's images hold it
    Rgba, // the bytes R, G, B, A in memory, as a web page's image data holds them
};

// A view of pixels, row after row (premultiplied; the picture's colours are opaque).
struct PixelCanvas
{
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0; // pixels from one row to the next
    PixelOrder order = PixelOrder::Argb;

    // Sets pixels [x1, x2) of row y, cut to the canvas.
    void span(int x1, int x2, int y, std::uint32_t argb) const
    {
        if (y < 0 || y >= height) {
            return;
        }
        x1 = x1 < 0 ? 0 : x1;
        x2 = x2 > width ? width : x2;
        if (x1 < x2) {
            std::uint32_t* row = pixels + std::int64_t(y) * stride;
            std::fill(row + x1, row + x2, argb);
        }
    }
    void set(int x, int y, std::uint32_t argb) const
    {
        if (x >= 0 && x < width && y >= 0 && y < height) {
            pixels[std::int64_t(y) * stride + x] = argb;
        }
    }
};

struct PixelPoint
{
    double x = 0;
    double y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A one-pixel line: each step along the major axis takes the pixel nearest the true line; the
// last point is left out.
void thinLine(const PixelCanvas& canvas, PixelPoint a, PixelPoint b, std::uint32_t argb);

// A line penWidth pixels wide with flat ends: the pixels whose centres lie in the rectangle
// around the segment.
void wideLine(const PixelCanvas& canvas, PixelPoint a, PixelPoint b, double penWidth,
              std::uint32_t argb);

// A quadrilateral filled by the even-odd rule; an upright rectangle (corners in the order the
// sweeps give them) fills the pixels between its rounded edges.
void fillQuad(const PixelCanvas& canvas, const std::array<PixelPoint, 4>& corners,
              std::uint32_t argb);

// A ring of a one-pixel pen centred on a pixel corner: the pixels whose centres lie within half
// a pixel of the circle.
void thinRing(const PixelCanvas& canvas, int cornerX, int cornerY, double radius,
              std::uint32_t argb);

// A ring of a pen penWidth pixels wide: the pixels whose centres lie within half the pen of the
// circle.
void wideRing(const PixelCanvas& canvas, PixelPoint centre, double radius, double penWidth,
              std::uint32_t argb);
