// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CurvesCsv.h"

#include "CurveRecord.h"
#include "ShortestDecimal.h"

#include <algorithm>
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

constexpr std::string_view lineEnd = "\r\n"; // RFC 4180 ends every record with CRLF
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

void append(std::string& out, double value, char decimal)
{
    std::string text = shortestDecimal(value);
    std::replace(text.begin(), text.end(), '.', decimal);
    out += text;
}

// The settings are the same on every row; written once and repeated.
std::string settingsColumns(const RunSettings& settings, const CsvSeparators& separators)
{
    // The substance names are plain words; a field never needs quoting.
    std::string columns(facts(settings.substance).name);
    for (const double value : {settings.refrIndex, settings.alpha, settings.detectorDistance}) {
        columns += separators.column;
        append(columns, value, separators.decimal);
    }
    return columns;
}
} // namespace

std::string curvesCsv(const CurveRecord& record, const CsvSeparators& separators)
{
    const std::string settings = settingsColumns(record.settings, separators);
    std::string out;
    if (separators.byteOrderMark) {
        out += byteOrderMark;
    }
    for (const std::string_view name : columnNames) {
        if (name != columnNames[0]) {
            out += separators.column;
        }
        out += name;
    }
    out += lineEnd;
    for (const CurvePoint& p : record.points) {
        for (const double value : {double(p.step), double(p.y), p.x, p.vSquared, p.hSquared,
                                   p.lSquared, p.vBar, p.hBar, p.lBar}) {
            append(out, value, separators.decimal);
            out += separators.column;
        }
        out += settings;
        out += lineEnd;
    }
    return out;
}
