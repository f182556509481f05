// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CurvesCsv.h"

#include "CurveRecord.h"

#include <string_view>

namespace {
constexpr std::string_view columnNames[] = {"step",
                                            "y_twips",
                                            "x_twips",
                                            "v_amplitude_squared",
                                            "h_amplitude_squared",
                                            "l_amplitude_squared",
                                            "v_bar_twips",
                                            "h_bar_twips",
                                            "l_bar_twips",
                                            "substance",
                                            "index",
                                            "angle_degrees",
                                            "distance_twips"};

// The settings are the same on every row; written once and repeated.
std::string settingsColumns(const RunSettings& settings, const CsvSeparators& separators)
{
    // The substance names are plain words; a field never needs quoting.
    std::string columns(facts(settings.substance).name);
    for (const double value : {settings.refrIndex, settings.alpha, settings.detectorDistance}) {
        columns += separators.column;
        appendCsvNumber(columns, value, separators);
    }
    return columns;
}
} // namespace

std::string curvesCsv(const CurveRecord& record, const CsvSeparators& separators)
{
    const std::string settings = settingsColumns(record.settings, separators);
    std::string out = csvHeader(columnNames, separators);
    for (const CurvePoint& p : record.points) {
        for (const double value : {double(p.step), double(p.y), p.x, p.vSquared, p.hSquared,
                                   p.lSquared, p.vBar, p.hBar, p.lBar}) {
            appendCsvNumber(out, value, separators);
            out += separators.column;
        }
        out += settings;
        out += csvLineEnd;
    }
    return out;
}
