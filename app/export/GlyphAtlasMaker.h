// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The glyph atlas made with the desktop's own font rasteriser, so that the page's saved pictures
// carry the very letters the window's carry.

#include "GlyphAtlas.h"

// Adds the letters a picture saved in the language now installed may hold: the settings line's
// glyphs (its words, the substances, the characters of numbers) and every caption at each
// place it is saved at, at each of the atlas's scales.
void addPictureLetters(GlyphAtlas& atlas);
