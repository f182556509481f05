// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the desktop's comparison table of whole runs of the design's settings to standard
// output, for the page's test to hold its own table to:
//   write_comparison_csv water|glass 35|60|critical 100|750|1500 [...]
// Each three arguments are one run, kept in the order given.

#include "ComparisonCsv.h"
#include "DrawingList.h"
#include "ExperimentRun.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<KeptRun> runs;
    for (int k = 1; k + 2 < argc; k += 3) {
        const std::string_view substanceName = argv[k];
        const std::string_view angleName = argv[k + 1];
        const int twips = std::stoi(argv[k + 2]);
        const Substance substance = substanceName == "glass" ? Substance::Glass : Substance::Water;
        const AngleCase angle = angleName == "60"         ? AngleCase::Angle60
                                : angleName == "critical" ? AngleCase::Critical
                                                          : AngleCase::Angle35;
        const DetectorDistance distance = twips == 100    ? DetectorDistance::Near
                                          : twips == 1500 ? DetectorDistance::Far
                                                          : DetectorDistance::Middle;
        const double alpha = angle == AngleCase::Angle35   ? 35
                             : angle == AngleCase::Angle60 ? 60
                                                           : facts(substance).criticalAngle;
        DrawingList picture;
        const CurveRecord record = runWhole(
            picture, RunSettings::of(facts(substance).refrIndex, alpha, angle, substance, distance));
        const std::optional<KeptRun> run = KeptRun::of(record);
        if (!run) {
            std::fprintf(stderr, "write_comparison_csv: the run of %s did not end whole\n", argv[k]);
            return 1;
        }
        runs.push_back(*run);
    }
    const std::string csv = comparisonCsv(runs);
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return 0;
}
