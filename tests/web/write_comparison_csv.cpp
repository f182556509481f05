// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the desktop's comparison table of whole runs of the design's settings to standard
// output, for the page's test to hold its own table to:
//   write_comparison_csv water|glass 35|60|critical 100|750|1500 [CURVES.csv] [...]
// Each three arguments are one run, kept in the order given. With a run's curves as saved (the
// standard CSV), the table is made of those numbers instead of a run of its own.

#include "ComparisonCsv.h"
#include "DrawingList.h"
#include "ExperimentRun.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {
// The points of a saved run: its first nine columns, numbers in their shortest exact form.
std::vector<CurvePoint> savedPoints(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::string line;
    std::getline(file, line); // the header
    std::vector<CurvePoint> points;
    while (std::getline(file, line)) {
        double v[9] = {};
        const char* at = line.data();
        const char* end = line.data() + line.size();
        for (double& value : v) {
            at = std::from_chars(at, end, value).ptr + 1; // past the comma
        }
        points.push_back({int(v[0]), int(v[1]), v[2], v[3], v[4], v[5], v[6], v[7], v[8]});
    }
    return points;
}
} // namespace

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
        const RunSettings settings =
            RunSettings::of(facts(substance).refrIndex, alpha, angle, substance, distance);
        DrawingList picture;
        CurveRecord record;
        if (k + 3 < argc && std::string_view(argv[k + 3]).ends_with(".csv")) {
            record = {settings, savedPoints(argv[k + 3])};
            ++k;
        } else {
            record = runWhole(picture, settings);
        }
        const std::optional<KeptRun> run = KeptRun::of(record);
        if (!run) {
            std::fprintf(stderr, "write_comparison_csv: the run of %s is not whole\n",
                         substanceName.data());
            return 1;
        }
        runs.push_back(*run);
    }
    const std::string csv = comparisonCsv(runs);
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return 0;
}
