// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CaptionMetrics.h"

// The captions set centred or right on the picture, in both languages.
const MeasuredCaption measuredCaptions[8] = {
    {"Detektor L", 16, 4785},  {"Detector L", 16, 4670}, {"Pravděpodobnost", 16, 7677},
    {"Probability", 16, 4928}, {"Voda", 19, 2658},       {"Water", 19, 3239},
    {"Sklo", 19, 2297},        {"Glass", 19, 2836},
};

std::int64_t FontMetrics64::advance(std::string_view text) const
{
    if (serifBold) {
        for (const MeasuredCaption& c : measuredCaptions) {
            if (c.text == text && c.pixelSize == pixelSize) {
                return c.advance;
            }
        }
    }
    std::int64_t letters = 0;
    for (const char c : text) {
        letters += (static_cast<unsigned char>(c) & 0xC0) != 0x80; // UTF-8 lead bytes
    }
    return letters * pixelSize * 32;
}

FontMetrics64 serifBoldMetrics(int pixelSize)
{
    // Liberation Serif Bold; other sizes estimated from its ascent 0.891 and descent 0.216.
    if (pixelSize == 19) {
        return {19, true, 1084, 263};
    }
    if (pixelSize == 16) {
        return {16, true, 913, 222};
    }
    return {pixelSize, true, (pixelSize * 891 * 64 + 999) / 1000,
            (pixelSize * 216 * 64 + 999) / 1000};
}

FontMetrics64 sansMetrics(int pixelSize)
{
    // Liberation Sans; other sizes estimated from its ascent 0.905 and descent 0.212.
    if (pixelSize == 13) {
        return {13, false, 753, 176};
    }
    return {pixelSize, false, (pixelSize * 905 * 64 + 999) / 1000,
            (pixelSize * 212 * 64 + 999) / 1000};
}
