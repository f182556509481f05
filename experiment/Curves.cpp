// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Curves.h"

#include "CurveRecord.h"
#include "RunParameters.h"
#include "Surface.h"

using namespace scene;

namespace {
double squaredLength(Arrow resultant)
{
    const double x = resultant.real();
    const double y = resultant.imag();
    return x * x + y * y;
}
} // namespace

double probability(double scale, Arrow resultant)
{
    return scale * squaredLength(resultant);
}

CurvePoint curvePoint(const RunParameters& parameters, SweepStep step,
                      const StepResultants& resultants)
{
    return {
        .step = step.index,
        .y = step.y(),
        .x = step.detectorX(),
        .vSquared = squaredLength(resultants.v),
        .hSquared = squaredLength(resultants.h),
        .lSquared = squaredLength(resultants.l),
        .vBar = probability(parameters.scaleV, resultants.v),
        .hBar = probability(parameters.scaleH, resultants.h),
        .lBar = probability(parameters.scaleL, resultants.l),
    };
}

void drawCurveBars(Surface& surface, const CurvePoint& point, double detectorDistance)
{
    surface.setDrawWidth(1);

    const auto y = float(point.y);
    surface.line(float(probeX), y, float(probeX + point.vBar), y);

    const auto x = float(point.x);
    const double hY = detectorHY(detectorDistance);
    surface.line(x, float(hY), x, float(hY - point.hBar));

    surface.line(x, float(detectorLY), x, float(detectorLY - point.lBar));
}
