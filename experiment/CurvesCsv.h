// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A run's curves as CSV (RFC 4180, UTF-8, comma-separated, decimal point): one header row, then
// one row per sweep step drawn. Other programs rely on the columns, so they never change:
//   step, y_twips, x_twips, v_amplitude_squared, h_amplitude_squared, l_amplitude_squared,
//   v_bar_twips, h_bar_twips, l_bar_twips, substance, index, angle_degrees, distance_twips
// Numbers are written in their shortest form that reads back to the same double.

#include <string>

struct CurveRecord;

std::string curvesCsv(const CurveRecord& record);
