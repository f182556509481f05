// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GlyphAtlas.h"

#include <algorithm>
#include <tuple>

namespace {
constexpr std::array<std::uint8_t, 4> magic{'B', 'G', 'A', '1'};
// A mask larger than this is no caption of ours: the bytes are not an atlas.
constexpr int largestSide = 8192;

class Writer
{
public:
    void bytes(std::span<const std::uint8_t> b) { m_out.insert(m_out.end(), b.begin(), b.end()); }
    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i) {
            m_out.push_back(std::uint8_t(v >> (8 * i)));
        }
    }
    void i32(std::int32_t v) { u32(std::uint32_t(v)); }
    void mask(const CoverageMask& m)
    {
        i32(m.left);
        i32(m.top);
        i32(m.width);
        i32(m.height);
        bytes(m.coverage);
    }
    void text(std::string_view s)
    {
        u32(std::uint32_t(s.size()));
        bytes({reinterpret_cast<const std::uint8_t*>(s.data()), s.size()});
    }
    std::vector<std::uint8_t> take() { return std::move(m_out); }

private:
    std::vector<std::uint8_t> m_out;
};

// Reads what Writer wrote; once anything is missing or out of range, every later read fails.
class Reader
{
public:
    explicit Reader(std::span<const std::uint8_t> in) : m_in(in) {}

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_at == m_in.size(); }
    std::span<const std::uint8_t> bytes(std::size_t n)
    {
        if (!m_ok || m_in.size() - m_at < n) {
            m_ok = false;
            return {};
        }
        const auto out = m_in.subspan(m_at, n);
        m_at += n;
        return out;
    }
    std::uint32_t u32()
    {
        const auto b = bytes(4);
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < b.size(); ++i) {
            v |= std::uint32_t(b[i]) << (8 * i);
        }
        return v;
    }
    std::int32_t i32() { return std::int32_t(u32()); }
    // A count of items of at least itemBytes each, no more than the bytes left can hold.
    std::size_t count(std::size_t itemBytes)
    {
        const std::size_t n = u32();
        if (m_ok && n > (m_in.size() - m_at) / itemBytes) {
            m_ok = false;
        }
        return m_ok ? n : 0;
    }
    CoverageMask mask()
    {
        CoverageMask m;
        m.left = i32();
        m.top = i32();
        m.width = i32();
        m.height = i32();
        if (m.width < 0 || m.height < 0 || m.width > largestSide || m.height > largestSide) {
            m_ok = false;
            return {};
        }
        const auto b = bytes(std::size_t(m.width) * std::size_t(m.height));
        m.coverage.assign(b.begin(), b.end());
        return m;
    }
    std::string text()
    {
        const auto b = bytes(count(1));
        return {b.begin(), b.end()};
    }

private:
    std::span<const std::uint8_t> m_in;
    std::size_t m_at = 0;
    bool m_ok = true;
};
} // namespace

void GlyphAtlas::setLineFont(std::int32_t ascent64, std::int32_t descent64)
{
    m_ascent64 = ascent64;
    m_descent64 = descent64;
}

void GlyphAtlas::addGlyph(Glyph glyph)
{
    const auto at = std::lower_bound(m_glyphs.begin(), m_glyphs.end(), glyph.code,
                                     [](const Glyph& g, char32_t code) { return g.code < code; });
    if (at != m_glyphs.end() && at->code == glyph.code) {
        *at = std::move(glyph);
    } else {
        m_glyphs.insert(at, std::move(glyph));
    }
}

void GlyphAtlas::addKerning(char32_t left, char32_t right, std::int32_t kerning64)
{
    const Kerning k{left, right, kerning64};
    const auto order = [](const Kerning& a, const Kerning& b) {
        return std::tie(a.left, a.right) < std::tie(b.left, b.right);
    };
    const auto at = std::lower_bound(m_kerning.begin(), m_kerning.end(), k, order);
    if (at != m_kerning.end() && at->left == left && at->right == right) {
        at->kerning64 = kerning64;
    } else {
        m_kerning.insert(at, k);
    }
}

void GlyphAtlas::addCaption(Caption caption)
{
    if (!this->caption(caption.text, caption.scale, caption.leftTwips, caption.topTwips)) {
        m_captions.push_back(std::move(caption));
    }
}

const GlyphAtlas::Glyph* GlyphAtlas::glyph(char32_t code) const
{
    const auto at = std::lower_bound(m_glyphs.begin(), m_glyphs.end(), code,
                                     [](const Glyph& g, char32_t c) { return g.code < c; });
    return at != m_glyphs.end() && at->code == code ? &*at : nullptr;
}

std::vector<char32_t> GlyphAtlas::codes() const
{
    std::vector<char32_t> out;
    out.reserve(m_glyphs.size());
    for (const Glyph& g : m_glyphs) {
        out.push_back(g.code);
    }
    return out;
}

std::int32_t GlyphAtlas::kerning(char32_t left, char32_t right) const
{
    const auto at =
        std::lower_bound(m_kerning.begin(), m_kerning.end(), Kerning{left, right, 0},
                         [](const Kerning& a, const Kerning& b) {
                             return std::tie(a.left, a.right) < std::tie(b.left, b.right);
                         });
    return at != m_kerning.end() && at->left == left && at->right == right ? at->kerning64 : 0;
}

const GlyphAtlas::Caption* GlyphAtlas::caption(std::string_view text, int scale, int leftTwips,
                                               int topTwips) const
{
    const auto at = std::find_if(m_captions.begin(), m_captions.end(), [&](const Caption& c) {
        return c.text == text && c.scale == scale && c.leftTwips == leftTwips &&
               c.topTwips == topTwips;
    });
    return at != m_captions.end() ? &*at : nullptr;
}

std::vector<std::uint8_t> GlyphAtlas::bytes() const
{
    Writer out;
    out.bytes(magic);
    out.i32(m_ascent64);
    out.i32(m_descent64);
    out.u32(std::uint32_t(m_glyphs.size()));
    for (const Glyph& g : m_glyphs) {
        out.u32(g.code);
        out.i32(g.advance64);
        for (const auto& byScale : g.masks) {
            for (const CoverageMask& m : byScale) {
                out.mask(m);
            }
        }
    }
    out.u32(std::uint32_t(m_kerning.size()));
    for (const Kerning& k : m_kerning) {
        out.u32(k.left);
        out.u32(k.right);
        out.i32(k.kerning64);
    }
    out.u32(std::uint32_t(m_captions.size()));
    for (const Caption& c : m_captions) {
        out.text(c.text);
        out.i32(c.scale);
        out.i32(c.leftTwips);
        out.i32(c.topTwips);
        out.u32(std::uint32_t(c.layers.size()));
        for (const CoverageMask& m : c.layers) {
            out.mask(m);
        }
    }
    return out.take();
}

std::optional<GlyphAtlas> GlyphAtlas::fromBytes(std::span<const std::uint8_t> bytes)
{
    Reader in(bytes);
    const auto head = in.bytes(magic.size());
    if (!in.ok() || !std::equal(head.begin(), head.end(), magic.begin())) {
        return std::nullopt;
    }
    GlyphAtlas atlas;
    atlas.m_ascent64 = in.i32();
    atlas.m_descent64 = in.i32();
    constexpr std::size_t maskBytes = 16;
    const std::size_t glyphs = in.count(8 + maskBytes * phases * scales.size());
    for (std::size_t i = 0; i < glyphs && in.ok(); ++i) {
        Glyph g;
        g.code = in.u32();
        g.advance64 = in.i32();
        for (auto& byScale : g.masks) {
            for (CoverageMask& m : byScale) {
                m = in.mask();
            }
        }
        atlas.addGlyph(std::move(g));
    }
    const std::size_t kernings = in.count(12);
    for (std::size_t i = 0; i < kernings && in.ok(); ++i) {
        const char32_t left = in.u32();
        const char32_t right = in.u32();
        atlas.addKerning(left, right, in.i32());
    }
    const std::size_t captions = in.count(4 + 12 + 4);
    for (std::size_t i = 0; i < captions && in.ok(); ++i) {
        Caption c;
        c.text = in.text();
        c.scale = in.i32();
        c.leftTwips = in.i32();
        c.topTwips = in.i32();
        const std::size_t layers = in.count(maskBytes);
        for (std::size_t k = 0; k < layers && in.ok(); ++k) {
            c.layers.push_back(in.mask());
        }
        atlas.m_captions.push_back(std::move(c));
    }
    if (!in.ok() || !in.atEnd()) {
        return std::nullopt;
    }
    return atlas;
}
