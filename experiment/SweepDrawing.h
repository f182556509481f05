// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a sweep step draws before its curves: the three detector markers and, now and then, the
// chains of detectors V and L as Cornu spirals.

#include "ChainSums.h"

class Surface;

// Circles of radius 10 on the probe line, on detector L's line and on detector H's line.
void drawMarkers(Surface& surface, SweepStep step, double detectorDistance);

// The chains that this step draws, segment by segment and interleaved as the arrows are summed:
// V's segment of a surface point, then L's. V starts on spiral axis V at the probe's height,
// L on spiral axis L at detector L's x.
void drawSpirals(Surface& surface, SweepStep step, const StepArrows& arrows);
