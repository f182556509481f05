// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LetterPixels.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {
// x * a / 255 as the painter rounds it.
std::uint32_t byteMul(std::uint32_t x, std::uint32_t a)
{
    const std::uint32_t t = x * a;
    return (t + (t >> 8) + 0x80) >> 8;
}

std::optional<int> scaleIndex(int times)
{
    const auto at = std::find(GlyphAtlas::scales.begin(), GlyphAtlas::scales.end(), times);
    return at == GlyphAtlas::scales.end()
               ? std::nullopt
               : std::optional<int>(int(at - GlyphAtlas::scales.begin()));
}

// The code points of UTF-8 text; none when it is not well formed.
std::optional<std::u32string> codePoints(std::string_view text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = std::uint8_t(text[i]);
        const int length = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 0;
        if (length == 0 || i + std::size_t(length) > text.size()) {
            return std::nullopt;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = std::uint8_t(text[i + std::size_t(k)]);
            if (next >> 6 != 2) {
                return std::nullopt;
            }
            code = (code << 6) | (next & 0x3F);
        }
        out.push_back(code);
        i += std::size_t(length);
    }
    return out;
}
} // namespace

GlyphPlace glyphPlace(double x)
{
    // Held in 64ths of a pixel, cut towards zero as the painter converts.
    const auto x64 = static_cast<std::int64_t>(x * 64);
    GlyphPlace place{int(x64 >> 6), 0};
    const std::int64_t fraction = x64 & 63;
    place.phase = fraction == 0 ? 0 : int(((fraction + 1) * GlyphAtlas::phases) >> 6);
    if (place.phase == GlyphAtlas::phases) {
        ++place.x;
        place.phase = 0;
    }
    return place;
}

void blendBlack(const PixelCanvas& pixels, const CoverageMask& mask, int dx, int dy)
{
    for (int row = 0; row < mask.height; ++row) {
        const int y = mask.top + dy + row;
        if (y < 0 || y >= pixels.height) {
            continue;
        }
        for (int column = 0; column < mask.width; ++column) {
            const int x = mask.left + dx + column;
            const std::uint32_t c =
                mask.coverage[std::size_t(row) * std::size_t(mask.width) + std::size_t(column)];
            if (c == 0 || x < 0 || x >= pixels.width) {
                continue;
            }
            std::uint32_t& p =
                pixels.pixels[std::size_t(y) * std::size_t(pixels.width) + std::size_t(x)];
            std::uint32_t out = (c + byteMul(p >> 24, 255 - c)) << 24;
            for (int shift = 0; shift < 24; shift += 8) {
                out |= byteMul((p >> shift) & 0xFF, 255 - c) << shift;
            }
            p = out;
        }
    }
}

void fillBox(const PixelCanvas& pixels, VectorRect box, int times, std::uint32_t colour)
{
    // Each edge at the pixel boundary nearest it.
    const auto edge = [times](double at) {
        return int(std::floor(at * times + 0.5));
    };
    const int right = edge(box.left + box.width);
    const int bottom = edge(box.top + box.height);
    for (int y = edge(box.top); y < bottom; ++y) {
        pixels.span(edge(box.left), right, y, colour);
    }
}

bool writeLine(const PixelCanvas& pixels, const GlyphAtlas& atlas, std::string_view text,
               VectorRect box, int times)
{
    const std::optional<int> scale = scaleIndex(times);
    const std::optional<std::u32string> codes = codePoints(text);
    if (!scale || !codes) {
        return false;
    }
    std::vector<const GlyphAtlas::Glyph*> glyphs;
    for (const char32_t code : *codes) {
        const GlyphAtlas::Glyph* glyph = atlas.glyph(code);
        if (!glyph) {
            return false;
        }
        glyphs.push_back(glyph);
    }
    // The line's origin as the painter centres it in the box, held in 64ths of a pixel cut
    // towards zero; the glyphs on the whole pixel nearest its baseline.
    const auto top64 = static_cast<std::int64_t>(
        (box.top + (box.height - (atlas.ascent64() + atlas.descent64()) / 64.0) / 2) * 64);
    const auto left64 = static_cast<std::int64_t>(box.left * 64);
    const int y = int(std::floor(double(top64 + atlas.ascent64()) * times / 64 + 0.5));
    std::int64_t pen64 = 0;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        if (i > 0) {
            pen64 += atlas.kerning(glyphs[i - 1]->code, glyphs[i]->code);
        }
        const GlyphPlace place = glyphPlace(double(left64 + pen64) * times / 64);
        blendBlack(pixels, glyphs[i]->masks[std::size_t(*scale)][std::size_t(place.phase)], place.x,
                   y);
        pen64 += glyphs[i]->advance64;
    }
    return true;
}

bool writeCaption(const PixelCanvas& pixels, const GlyphAtlas& atlas, std::string_view text,
                  int leftTwips, int topTwips, int times)
{
    const GlyphAtlas::Caption* caption = atlas.caption(text, times, leftTwips, topTwips);
    if (!caption) {
        return false;
    }
    for (const CoverageMask& layer : caption->layers) {
        blendBlack(pixels, layer, 0, 0);
    }
    return true;
}
