// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The page's picture as pixels, set by the window's rules (rasterisePicture): the line controls
// beneath, the run's drawing over them, in the bytes R, G, B, A a canvas takes with
// putImageData. The pixels are kept between calls, so that a step of a run draws only the
// commands it added and the page puts only the box of pixels they changed.

#include "DrawingList.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A box of pixels: columns [x, x + width), rows [y, y + height).
struct PixelBox
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int px, int py) const
    {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

class PicturePixels
{
public:
    // The largest canvas drawn, in pixels: more than a 8K screen's, less than a browser allows.
    static constexpr std::int64_t largest = 8192LL * 8192;

    // Brings the pixels up to date with picture at width x height pixels, factor pixels to a
    // design pixel, Line1 at markerY twips. runsBegun counts the runs the picture was wiped
    // for. Everything is drawn afresh when the size, the factor, the marker or the run changed,
    // or when whole asks for it; otherwise only the commands added since the last call. Returns
    // the box that may have changed (empty when nothing did, or for a size not drawn).
    PixelBox update(const DrawingList& picture, std::size_t runsBegun, int markerY, int width,
                    int height, double factor, bool whole = false);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // width x height pixels, row after row, each the bytes R, G, B, A (0 where nothing is drawn).
    const std::uint32_t* pixels() const { return m_pixels.data(); }

private:
    void redraw(const DrawingList& picture);
    PixelBox boxOf(const DrawingList& picture, std::size_t from, std::size_t to) const;

    std::vector<std::uint32_t> m_pixels;
    int m_width = 0;
    int m_height = 0;
    double m_factor = 0;
    int m_markerY = 0;
    std::size_t m_runsBegun = 0;
    std::size_t m_drawn = 0; // commands of the picture in the pixels
};
