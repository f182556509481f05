// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Draws a retained picture (a DrawingList, in twips) into a plain buffer of pixels at a factor
// (device pixels per design pixel, whole or not), setting the pixels the window's picture sets:
// the same widths rounded to whole device pixels, the same snapping of lines and rings at
// factors that are not whole, one-pixel lines and rings set straight into the pixels, sweeps of
// parallel lines filled as one band. No Qt, so the page draws its picture with it too.
//
// The whole picture at f times the design's size:
//
//     std::vector<std::uint32_t> pixels(std::size_t(w) * h); // w, h: 763 x 575 times f, rounded
//     rasterisePicture({pixels.data(), w, h, w}, drawing, 0, drawing.size(), f);
//
// Pixels are in the canvas' order; what the picture does not draw on is left as it was.

#include "DrawingList.h"
#include "PixelSpans.h"

#include <cstddef>

// A colour of the window system's 0x00BBGGRR form as an opaque pixel in this order. The bytes
// R, G, B, A read as one little-endian word are 0xAABBGGRR: the colour with its alpha.
constexpr std::uint32_t toPixel(Colour colour, PixelOrder order)
{
    if (order == PixelOrder::Rgba) {
        return 0xFF000000u | (colour & 0xFFFFFFu);
    }
    return 0xFF000000u | (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
}

// Draws commands [from, to) of list onto canvas, factor device pixels to a design pixel, the
// picture's corner at the canvas' corner, cut to the canvas.
void rasterisePicture(const PixelCanvas& canvas, const DrawingList& list, std::size_t from,
                      std::size_t to, double factor);
