// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExportLetters.h"

#include "PicturePixels.h"
#include "SceneSvg.h"

bool ExportLetters::load(std::span<const std::uint8_t> bytes)
{
    std::optional<GlyphAtlas> atlas = GlyphAtlas::fromBytes(bytes);
    if (!atlas) {
        return false;
    }
    m_atlas = std::move(atlas);
    return true;
}

std::uint32_t* ExportLetters::pixels(int width, int height)
{
    if (width <= 0 || height <= 0 || std::int64_t(width) * height > PicturePixels::largest) {
        m_pixels.clear();
        m_width = m_height = 0;
        return nullptr;
    }
    m_pixels.resize(std::size_t(width) * std::size_t(height));
    m_width = width;
    m_height = height;
    return m_pixels.data();
}

LettersLeft ExportLetters::letter(const PageCore& core, int times,
                                  const std::vector<std::string>& captionTexts,
                                  const std::string& settingsLine)
{
    const PanelState& panel = core.exportPanel();
    if (!m_atlas || m_pixels.empty()) {
        LettersLeft all{{}, true};
        for (const CaptionPlace& place : captionPlaces(panel)) {
            all.captions.push_back(place.control);
        }
        return all;
    }
    const auto text = [&](Control control) {
        return captionIn(captionTexts, control);
    };
    return letterPicture({m_pixels.data(), m_width, m_height, m_width, PixelOrder::Rgba}, *m_atlas,
                         panel, text, settingsLine, times);
}
