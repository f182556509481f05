// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How wide the captions are that a saved picture centres or sets right, and how high its two
// fonts stand, in 64ths of a pixel as the window's text layout measures them with Debian's
// Liberation fonts (Serif Bold for captions, Sans for the settings line). A file written without
// a window system places its text by these, so the window and the page place it alike; a test
// holds them to the window's own measurement.

#include <cstdint>
#include <string_view>

struct FontMetrics64
{
    int pixelSize = 16;
    bool serifBold = true;
    std::int64_t ascent = 0;
    std::int64_t descent = 0;

    // The advance of text; for a text not measured here, an estimate of half the size a letter.
    std::int64_t advance(std::string_view text) const;
};

FontMetrics64 serifBoldMetrics(int pixelSize);
FontMetrics64 sansMetrics(int pixelSize);

// Every caption measured here, for the test that holds them to the window's measurement.
struct MeasuredCaption
{
    std::string_view text;
    int pixelSize;
    std::int64_t advance;
};
extern const MeasuredCaption measuredCaptions[8];
