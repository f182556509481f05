// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CurvesCsv.h"

#include "CurveRecord.h"
#include "ShortestDecimal.h"

namespace {
constexpr char header[] = "step,y_twips,x_twips,v_amplitude_squared,h_amplitude_squared,"
                          "l_amplitude_squared,v_bar_twips,h_bar_twips,l_bar_twips,substance,"
                          "index,angle_degrees,distance_twips\r\n";

void append(std::string& out, double value)
{
    out += shortestDecimal(value);
}

// The settings are the same on every row; written once and repeated.
std::string settingsColumns(const RunSettings& settings)
{
    std::string columns;
    // The substance names are plain words; a field never needs quoting.
    if (settings.substance) {
        columns += facts(*settings.substance).name;
    }
    columns += ',';
    append(columns, settings.refrIndex);
    columns += ',';
    append(columns, settings.alpha);
    columns += ',';
    append(columns, settings.detectorDistance);
    return columns;
}
} // namespace

std::string curvesCsv(const CurveRecord& record)
{
    const std::string settings = settingsColumns(record.settings);
    std::string out = header;
    for (const CurvePoint& p : record.points) {
        for (const double value : {double(p.step), double(p.y), p.x, p.vSquared, p.hSquared,
                                   p.lSquared, p.vBar, p.hBar, p.lBar}) {
            append(out, value);
            out += ',';
        }
        out += settings;
        out += "\r\n"; // RFC 4180 ends every record with CRLF
    }
    return out;
}
