// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExperimentRun.h"

#include "Curves.h"
#include "LightPaths.h"
#include "RunSettings.h"
#include "Scene.h"
#include "SweepDrawing.h"
#include "SweepSums.h"

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
    // The sums of all steps first, on every core; the picture is then drawn step by step.
    m_resultants = sumSweep(m_sums);
    m_record.points.reserve(m_resultants.size());
}

SweepStep ExperimentRun::drawStep()
{
    const SweepStep step{m_next};
    const double d = m_record.settings.detectorDistance;
    drawMarkers(m_surface, step, d);
    if (step.drawsChainV() || step.drawsChainL()) {
        m_sums.resultants(step, m_arrows);
        drawSpirals(m_surface, step, m_arrows);
    }
    m_record.points.push_back(curvePoint(m_parameters, step, m_resultants[std::size_t(m_next)]));
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
