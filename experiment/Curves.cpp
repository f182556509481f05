// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Curves.h"

#include "RunParameters.h"
#include "Surface.h"

using namespace scene;

double probability(double scale, Arrow resultant)
{
    const double x = resultant.real();
    const double y = resultant.imag();
    return scale * (x * x + y * y);
}

void drawCurveBars(Surface& surface, const RunParameters& parameters, SweepStep step,
                   double detectorDistance, const StepResultants& resultants)
{
    surface.setDrawWidth(1);

    const auto y = float(step.y());
    const double barV = probability(parameters.scaleV, resultants.v);
    surface.line(float(probeX), y, float(probeX + barV), y);

    const auto x = float(step.detectorX());
    const double hY = detectorHY(detectorDistance);
    const double barH = probability(parameters.scaleH, resultants.h);
    surface.line(x, float(hY), x, float(hY - barH));

    const double barL = probability(parameters.scaleL, resultants.l);
    surface.line(x, float(detectorLY), x, float(detectorLY - barL));
}
