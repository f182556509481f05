// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The explore view's table as CSV (RFC 4180, comma-separated, decimal point, numbers in their
// shortest exact form): one row per height, `z_twips`, `h_amplitude_squared`, `h_relative`,
// `classical_relative` (empty at or below the critical angle). With the second block, the gap's
// columns follow on the same rows, `gap_twips`, `block_amplitude_squared`, `block_relative`,
// `classical_transmission`; the gap table has fewer rows, its cells are empty past its end.

#include "ExploreSums.h"

#include <string>

std::string exploreCsv(const std::vector<HeightRow>& heights, const std::vector<GapRow>& gaps);

// Sums the settings' curves (the gap's only with the second block) and writes them.
std::string exploreCsv(const ExploreSettings& s);
