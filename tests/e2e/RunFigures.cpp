// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunFigures.h"

#include "ChainSums.h"
#include "Curves.h"
#include "RunParameters.h"
#include "RunSettings.h"
#include "SweepSums.h"

namespace {
Spiral chain(std::complex<double> start, const std::array<Arrow, chainArrows>& arrows)
{
    Spiral spiral{start, {start}};
    for (const Arrow& arrow : arrows) {
        spiral.points.push_back(spiral.points.back() + arrow);
    }
    return spiral;
}
} // namespace

RunFigures RunFigures::of(const RunSettings& settings)
{
    using namespace scene;
    const RunParameters parameters =
        chooseRunParameters(settings.angleCase, settings.substance, settings.distance);
    const ChainSums sums(SumInputs::from(settings, parameters));
    const std::vector<StepResultants> resultants = sumSweep(sums);
    const double hY = detectorHY(settings.detectorDistance);

    RunFigures figures;
    double longestV = -1, longestH = -1, longestL = -1;
    StepArrows arrows;
    for (int k = 0; k < sweepSteps; ++k) {
        const SweepStep step{k};
        const double v = probability(parameters.scaleV, resultants[k].v);
        const double h = probability(parameters.scaleH, resultants[k].h);
        const double l = probability(parameters.scaleL, resultants[k].l);
        const double x = step.detectorX();
        if (v > longestV) {
            longestV = v;
            figures.longestV = {probeX, double(step.y()), probeX + v, double(step.y())};
        }
        if (h > longestH) {
            longestH = h;
            figures.longestH = {x, hY, x, hY - h};
        }
        if (l > longestL) {
            longestL = l;
            figures.longestL = {x, detectorLY, x, detectorLY - l};
        }
        if (step.drawsChainV() || step.drawsChainL()) {
            sums.resultants(step, arrows);
        }
        if (step.drawsChainV()) {
            figures.spiralsV.push_back(chain({step.chainVStartX(), double(step.y())}, arrows.v));
        }
        if (step.drawsChainL()) {
            figures.spiralsL.push_back(chain({step.detectorX(), step.chainLStartY()}, arrows.l));
        }
    }
    return figures;
}
