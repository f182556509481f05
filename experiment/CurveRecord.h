// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The numbers behind a run's three probability curves, one point per sweep step drawn, kept so
// that they can leave the program (a spreadsheet, a lab report).

#include "RunSettings.h"

#include <vector>

struct CurvePoint
{
    int step = 0;        // 0 ... scene::sweepSteps - 1
    int y = 0;           // detector V's place on the probe line, twips
    double x = 0;        // detectors H's and L's place along their lines, twips
    double vSquared = 0; // squared length of each detector's resultant, twips²
    double hSquared = 0;
    double lSquared = 0;
    double vBar = 0; // the drawn bars: scale × squared length, twips
    double hBar = 0;
    double lBar = 0;
};

struct CurveRecord
{
    RunSettings settings;
    std::vector<CurvePoint> points; // the steps drawn, in order; fewer when a run was stopped
};
