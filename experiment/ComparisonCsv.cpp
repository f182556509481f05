// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ComparisonCsv.h"

#include <string_view>

namespace {
constexpr std::string_view columnNames[] = {"run",
                                            "substance",
                                            "index",
                                            "angle_degrees",
                                            "distance_twips",
                                            "step",
                                            "y_twips",
                                            "x_twips",
                                            "arrow_length_vh",
                                            "arrow_length_l",
                                            "v_per_unit_arrow",
                                            "h_per_unit_arrow",
                                            "l_per_unit_arrow"};

} // namespace

std::string comparisonCsv(std::span<const KeptRun> runs, const CsvSeparators& separators)
{
    std::string out = csvHeader(columnNames, separators);
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const KeptRun& run = runs[r];
        const RunSettings& s = run.settings();
        for (const CurvePoint& p : run.points()) {
            appendCsvNumber(out, double(r + 1), separators);
            out += separators.column;
            out += facts(s.substance).name;
            for (const double value :
                 {s.refrIndex, s.alpha, s.detectorDistance, double(p.step), double(p.y), p.x,
                  run.arrowLength(Detector::V), run.arrowLength(Detector::L),
                  run.perUnitArrow(p, Detector::V), run.perUnitArrow(p, Detector::H),
                  run.perUnitArrow(p, Detector::L)}) {
                out += separators.column;
                appendCsvNumber(out, value, separators);
            }
            out += csvLineEnd;
        }
    }
    return out;
}
