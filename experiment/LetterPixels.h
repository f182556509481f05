// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A saved picture's letters set into its pixels from the glyph atlas, black over whatever lies
// beneath, placed and blended as the desktop's painter places and blends them.

#include "GlyphAtlas.h"
#include "PixelSpans.h"
#include "VectorShapes.h"

#include <cstdint>
#include <string_view>

// Where the painter sets a glyph whose origin falls at x pixels (x ≥ 0): from the whole pixel below
// it, at the quarter its fraction reaches (a 64th beyond it counts); four quarters are the next
// whole pixel.
struct GlyphPlace
{
    int x = 0;
    int phase = 0;
};
GlyphPlace glyphPlace(double x);

// Black over pixels at mask's coverage, the mask's first pixel at (left + dx, top + dy). Black
// changes the three colour bytes alike, so the pixels' order does not matter.
void blendBlack(const PixelCanvas& pixels, const CoverageMask& mask, int dx, int dy);

// box (design pixels) filled with colour as the painter fills a box without smoothing its edges,
// times pixels to a design pixel.
void fillBox(const PixelCanvas& pixels, VectorRect box, int times, std::uint32_t colour);

// One line of text (UTF-8) in the atlas's line font, left in box (design pixels) and centred up
// and down,
// times pixels to a design pixel. False, with nothing written, when the atlas lacks a glyph of
// the text or the scale.
bool writeLine(const PixelCanvas& pixels, const GlyphAtlas& atlas, std::string_view text,
               VectorRect box, int times);

// A caption as saved in its box at (leftTwips, topTwips); false, with nothing written, when the
// atlas does not hold it.
bool writeCaption(const PixelCanvas& pixels, const GlyphAtlas& atlas, std::string_view text,
                  int leftTwips, int topTwips, int times);
