// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExperimentRun.h"

#include "ChainSums.h"
#include "Countdown.h"
#include "Curves.h"
#include "LightPaths.h"
#include "RunHost.h"
#include "RunParameters.h"
#include "RunSettings.h"
#include "Scene.h"
#include "SceneClip.h"
#include "SweepDrawing.h"
#include "SweepSums.h"

ExperimentRun::ExperimentRun(Surface& surface, RunHost& host, const Countdown& countdown)
    : m_surface(surface), m_host(host), m_countdown(countdown)
{}

CurveRecord ExperimentRun::run(const RunSettings& settings)
{
    CurveRecord record{settings, {}};
    record.points.reserve(scene::sweepSteps);
    const double d = settings.detectorDistance;
    SceneClip surface(m_surface); // nothing the settings throw far lands on the controls
    drawScene(surface, d);
    const RunParameters parameters =
        chooseRunParameters(settings.angleCase, settings.substance, settings.distance);
    drawLightPaths(surface, settings);

    // The sums of all steps first, on every core; the picture is then drawn step by step.
    const ChainSums sums(SumInputs::from(settings, parameters));
    const std::vector<StepResultants> resultants = sumSweep(sums);

    StepArrows arrows;
    for (int k = 0; k < scene::sweepSteps; ++k) {
        const SweepStep step{k};
        drawMarkers(surface, step, d);
        if (step.drawsChainV() || step.drawsChainL()) {
            sums.resultants(step, arrows);
            drawSpirals(surface, step, arrows);
        }
        record.points.push_back(curvePoint(parameters, step, resultants[k]));
        drawCurveBars(surface, record.points.back(), d);
        m_host.stepDrawn(step);
        m_countdown.run(m_host.slowDownCount());
        if (m_host.stepEnded() == AfterStep::Stop) {
            break;
        }
    }
    return record;
}
