// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The amplitude sums of one step as a plain loop, one sine, cosine and square root per arrow.
// The yardstick that the fast kernel is measured and checked against.

#include "StepSums.h"

StepResultants scalarStepSums(const SumInputs& inputs, SweepStep step);
