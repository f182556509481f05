// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A saved picture's captions on their grounds and its settings line, set into its pixels from
// the glyph atlas as the window's painter sets them: the page letters the picture the core
// rasterised so.

#include "Control.h"
#include "GlyphAtlas.h"
#include "PixelSpans.h"
#include "WindowModel.h"

#include <functional>
#include <string>
#include <vector>

// What the atlas did not hold, left for the page to write itself: the captions (on their
// grounds, which are filled) and the settings line.
struct LettersLeft
{
    std::vector<Control> captions;
    bool settingsLine = false;
};

// pixels: the saved picture at times pixels to a design pixel, the scene's corner at theirs.
// captionText: a caption's words (UTF-8) in the language shown.
LettersLeft letterPicture(const PixelCanvas& pixels, const GlyphAtlas& atlas,
                          const PanelState& panel,
                          const std::function<std::string(Control)>& captionText,
                          const std::string& settingsLine, int times);
