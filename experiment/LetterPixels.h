// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A saved picture's letters set into its pixels from the glyph atlas, black over whatever lies
// beneath, placed and blended as the desktop's painter places and blends them.

#include "GlyphAtlas.h"

#include <cstdint>
#include <string_view>

// Pixels of 32 bits with alpha in the top byte: Qt's ARGB32 and a canvas' R, G, B, A bytes on a
// little-endian machine alike, since black letters change the colour bytes all the same way.
struct PixelView
{
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

// A box in design pixels.
struct DesignBox
{
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// Where the painter sets a glyph whose origin falls at x pixels (x ≥ 0): from the whole pixel below
// it, at the quarter its fraction reaches (a 64th beyond it counts); four quarters are the next
// whole pixel.
struct GlyphPlace
{
    int x = 0;
    int phase = 0;
};
GlyphPlace glyphPlace(double x);

// Black over pixels at mask's coverage, the mask's first pixel at (left + dx, top + dy).
void blendBlack(PixelView pixels, const CoverageMask& mask, int dx, int dy);

// One line of text (UTF-8) in the atlas's line font, left in box and centred up and down,
// times pixels to a design pixel. False, with nothing written, when the atlas lacks a glyph of
// the text or the scale.
bool writeLine(PixelView pixels, const GlyphAtlas& atlas, std::string_view text, DesignBox box,
               int times);

// A caption as saved in its box at (leftTwips, topTwips); false, with nothing written, when the
// atlas does not hold it.
bool writeCaption(PixelView pixels, const GlyphAtlas& atlas, std::string_view text, int leftTwips,
                  int topTwips, int times);
