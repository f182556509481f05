// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One press of Start as a run that steps: beginning it draws the scene and the light paths; then
// each call of drawStep() sums one of the 467 sweep steps and draws it (the detector markers, the
// Cornu spirals now and then, one bar of each probability curve). Whoever drives it decides when
// the next step comes, so a window can go on answering its user in between.

#include "ChainSums.h"
#include "CurveRecord.h"
#include "RunParameters.h"
#include "StepSums.h"
#include "Surface.h"
#include "SweepStep.h"

class ExperimentRun
{
public:
    // surface: where the run draws; a window keeps it on the scene (SceneClip).
    ExperimentRun(Surface& surface, const RunSettings& settings);

    bool finished() const { return m_next >= scene::sweepSteps; }
    int stepsDrawn() const { return m_next; }
    int stepCount() const { return scene::sweepSteps; }
    // Draws the next sweep step and returns it. Not to be called on a finished run.
    SweepStep drawStep();

    // The points of the curves drawn so far, one per step.
    const CurveRecord& record() const { return m_record; }

private:
    Surface& m_surface;
    CurveRecord m_record;
    RunParameters m_parameters;
    ChainSums m_sums;
    StepArrows m_arrows;
    int m_next = 0;
};

// A whole run without a pause, for files written from the command line, tests and benchmarks.
CurveRecord runWhole(Surface& surface, const RunSettings& settings);
