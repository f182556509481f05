// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExploreCsv.h"

#include "ShortestDecimal.h"

#include <algorithm>

std::string exploreCsv(const std::vector<HeightRow>& heights, const std::vector<GapRow>& gaps)
{
    std::string csv = "z_twips,h_amplitude_squared,h_relative,classical_relative";
    if (!gaps.empty()) {
        csv += ",gap_twips,block_amplitude_squared,block_relative,classical_transmission";
    }
    csv += "\r\n";
    const std::size_t rows = std::max(heights.size(), gaps.size());
    for (std::size_t i = 0; i < rows; ++i) {
        if (i < heights.size()) {
            const HeightRow& h = heights[i];
            csv += shortestDecimal(h.z) + ',' + shortestDecimal(h.amplitudeSquared) + ',' +
                   shortestDecimal(h.relative) + ',' +
                   (h.classical ? shortestDecimal(*h.classical) : std::string());
        } else {
            csv += ",,,";
        }
        if (!gaps.empty()) {
            if (i < gaps.size()) {
                const GapRow& g = gaps[i];
                csv += ',' + shortestDecimal(g.gap) + ',' + shortestDecimal(g.amplitudeSquared) +
                       ',' + shortestDecimal(g.relative) + ',' +
                       shortestDecimal(g.classicalTransmission);
            } else {
                csv += ",,,,";
            }
        }
        csv += "\r\n";
    }
    return csv;
}

std::string exploreCsv(const ExploreSettings& s)
{
    return exploreCsv(heightCurve(s), s.secondBlock ? gapCurve(s) : std::vector<GapRow>{});
}
