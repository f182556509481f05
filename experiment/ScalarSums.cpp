// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScalarSums.h"

#include <cmath>

using namespace scene;

namespace {

Arrow arrow(double length, double phase)
{
    return {length * std::cos(phase), length * std::sin(phase)};
}

} // namespace

StepResultants scalarStepSums(const SumInputs& in, SweepStep step)
{
    const double n = in.refrIndex;
    const double y = step.y();
    const double d = in.detectorDistance;
    const double detectorX = step.detectorX();
    const double lenL = in.effectiveArrowLenL(step);

    StepResultants sums;
    for (int i = 0; i <= stripSteps; ++i) {
        const double a = n * i * in.sinAlpha; // the incoming wave, from surface point 0

        const double dxV = stripLeftX + i - probeX;
        const double dyV = y - surfaceY;
        double gV = std::sqrt(dxV * dxV + dyV * dyV);
        if (step.probeInSubstance()) {
            gV = n * gV;
        }
        sums.v += arrow(in.arrowLenVH, in.phaseFactor * (a + gV));

        const double dxH = stripLeftX + i - detectorX;
        const double gH = std::sqrt(dxH * dxH + d * d);
        sums.h += arrow(in.arrowLenVH, in.phaseFactor * (a + gH));

        const double dxL = stripLeftX + i - detectorX;
        const double gL = n * std::sqrt(dxL * dxL + lowerDepth * lowerDepth);
        sums.l += arrow(lenL, in.phaseFactor * (gL + a));
    }
    return sums;
}
