// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The letters of a saved picture as the desktop's font rasteriser sets them, so that a program
// without it (the page) sets the very same pixels: the settings line's font glyph by glyph, at
// each quarter-pixel phase it places glyphs at, with advances and kerning; and each caption
// as set at each place and size it is saved at. Made by the desktop program, carried as bytes.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Coverage of a glyph or a caption, 0 to 255, row after row; left and top the first pixel's
// column and row, relative to a glyph's origin or absolute in the saved picture.
struct CoverageMask
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;

    bool operator==(const CoverageMask&) const = default;
};

class GlyphAtlas
{
public:
    // Saved pictures come at 1, 2 and 4 pixels to a design pixel.
    static constexpr std::array<int, 3> scales{1, 2, 4};
    // The glyphs of the settings line are placed at a quarter of a pixel.
    static constexpr int phases = 4;

    struct Glyph
    {
        char32_t code = 0;
        std::int32_t advance64 = 0; // in 64ths of a design pixel
        // By scale's index, then by phase.
        std::array<std::array<CoverageMask, phases>, scales.size()> masks;
    };

    struct Caption
    {
        std::string text; // UTF-8
        int scale = 1;
        int leftTwips = 0;
        int topTwips = 0;
        // Placed in the saved picture's pixels, blended one after the other: a glyph each where
        // the painter sets glyphs one by one, one for the whole where it fills their outlines.
        std::vector<CoverageMask> layers;
    };

    // The line font's height above and below its baseline, in 64ths of a design pixel.
    void setLineFont(std::int32_t ascent64, std::int32_t descent64);
    std::int32_t ascent64() const { return m_ascent64; }
    std::int32_t descent64() const { return m_descent64; }

    void addGlyph(Glyph glyph);
    void addKerning(char32_t left, char32_t right, std::int32_t kerning64);
    void addCaption(Caption caption);

    const Glyph* glyph(char32_t code) const;
    // What the line font moves right between left and right beyond left's advance, in 64ths.
    std::int32_t kerning(char32_t left, char32_t right) const;
    const Caption* caption(std::string_view text, int scale, int leftTwips, int topTwips) const;
    std::vector<char32_t> codes() const;
    std::size_t glyphCount() const { return m_glyphs.size(); }
    std::size_t captionCount() const { return m_captions.size(); }

    std::vector<std::uint8_t> bytes() const;
    // The atlas bytes hold; none when they are not an atlas of this version, or are cut short.
    static std::optional<GlyphAtlas> fromBytes(std::span<const std::uint8_t> bytes);

private:
    struct Kerning
    {
        char32_t left;
        char32_t right;
        std::int32_t kerning64;
    };

    std::int32_t m_ascent64 = 0;
    std::int32_t m_descent64 = 0;
    std::vector<Glyph> m_glyphs;    // by code
    std::vector<Kerning> m_kerning; // by left, then right
    std::vector<Caption> m_captions;
};
