// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The letters of the page's saved pictures, as the desktop program sets them: the glyph atlas
// the desktop made, and a picture's pixels the page hands over to be lettered from it.

#include "GlyphAtlas.h"
#include "PageCore.h"
#include "PictureLettering.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class ExportLetters
{
public:
    // Takes the atlas bytes hold; false, with none taken, when they are not one.
    bool load(std::span<const std::uint8_t> bytes);
    bool loaded() const { return m_atlas.has_value(); }

    // Pixels of width x height for the page to fill with a saved picture (R, G, B, A bytes),
    // kept until the next call; none when the size is beyond what a canvas holds.
    std::uint32_t* pixels(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Letters the picture in pixels(), saved at times pixels to a design pixel with the panel
    // core's export shows: captionTexts are the words of layout::sceneCaptions in that order.
    // All is left to the page before an atlas is loaded.
    LettersLeft letter(const PageCore& core, int times,
                       const std::vector<std::string>& captionTexts,
                       const std::string& settingsLine);

private:
    std::optional<GlyphAtlas> m_atlas;
    std::vector<std::uint32_t> m_pixels;
    int m_width = 0;
    int m_height = 0;
};
