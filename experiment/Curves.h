// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The last drawing of every sweep step: one bar of each detector's probability curve.

#include "StepSums.h"

class Surface;
struct RunParameters;

struct CurvePoint;

// A detector's probability: its scale times the squared length of its resultant, in twips.
double probability(double scale, Arrow resultant);

// The step's point of each curve: the squared resultants and the bars they give.
CurvePoint curvePoint(const RunParameters& parameters, SweepStep step,
                      const StepResultants& resultants);

// Sets draw width 1, then draws the bars of V (to the right of the probe line at the probe's
// height), H (rising from detector H's line) and L (rising from detector L's line), in that order.
void drawCurveBars(Surface& surface, const CurvePoint& point, double detectorDistance);
