// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The comparison chart's table as CSV: one header row, then one row per run and sweep step:
//   run, substance, index, angle_degrees, distance_twips, step, y_twips, x_twips,
//   arrow_length_vh, arrow_length_l, v_per_unit_arrow, h_per_unit_arrow, l_per_unit_arrow
// run counts from 1 in the order the runs were kept; the per-unit-arrow columns are the run's
// squared resultants (its own CSV's *_amplitude_squared) divided by the arrow length squared.
// Numbers and separators as in the run's own CSV (CurvesCsv.h).

#include "CurvesCsv.h"
#include "KeptRun.h"

#include <span>
#include <string>

std::string comparisonCsv(std::span<const KeptRun> runs,
                          const CsvSeparators& separators = CsvSeparators::standard());
