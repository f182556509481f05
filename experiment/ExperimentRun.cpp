// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExperimentRun.h"

#include "Curves.h"
#include "LightPaths.h"
#include "RunSettings.h"
#include "Scene.h"
#include "SweepDrawing.h"

namespace {
// The scene is drawn before the parameters are chosen, as the run has always done it.
RunParameters drawSceneThenChoose(Surface& surface, const RunSettings& settings)
{
    drawScene(surface, settings.detectorDistance);
    return chooseRunParameters(settings.angleCase, settings.substance, settings.distance);
}
} // namespace

ExperimentRun::ExperimentRun(Surface& surface, const RunSettings& settings)
    : m_surface(surface), m_record{settings, {}},
      m_parameters(drawSceneThenChoose(m_surface, settings)),
      m_sums(SumInputs::from(settings, m_parameters))
{
    drawLightPaths(m_surface, settings);
    m_record.points.reserve(scene::sweepSteps);
}

SweepStep ExperimentRun::drawStep()
{
    const SweepStep step{m_next};
    const double d = m_record.settings.detectorDistance;
    drawMarkers(m_surface, step, d);
    // Each step is summed as it comes: a step that draws its chains takes their arrows too.
    const bool drawsChains = step.drawsChainV() || step.drawsChainL();
    const StepResultants resultants =
        drawsChains ? m_sums.resultants(step, m_arrows) : m_sums.resultants(step);
    if (drawsChains) {
        drawSpirals(m_surface, step, m_arrows);
    }
    m_record.points.push_back(curvePoint(m_parameters, step, resultants));
    drawCurveBars(m_surface, m_record.points.back(), d);
    ++m_next;
    return step;
}

CurveRecord runWhole(Surface& surface, const RunSettings& settings)
{
    ExperimentRun run(surface, settings);
    while (!run.finished()) {
        run.drawStep();
    }
    return run.record();
}
