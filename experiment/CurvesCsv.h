// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A run's curves as CSV: one header row, then one row per sweep step drawn. Other programs rely
// on the columns, so they never change:
//   step, y_twips, x_twips, v_amplitude_squared, h_amplitude_squared, l_amplitude_squared,
//   v_bar_twips, h_bar_twips, l_bar_twips, substance, index, angle_degrees, distance_twips
// Numbers are written in their shortest form that reads back to the same double. Every record
// ends with CRLF.
//
// The standard file is RFC 4180: UTF-8, a comma between columns, a decimal point. A spreadsheet
// opened by double click in a locale whose decimal separator is the comma splits that wrongly;
// for it the file has a semicolon between columns, the decimal comma, and a UTF-8 byte order
// mark by which the spreadsheet knows the encoding:
//
//     curvesCsv(record, CsvSeparators::forSpreadsheets(','));

#include "CsvText.h"

#include <string>

struct CurveRecord;

std::string curvesCsv(const CurveRecord& record,
                      const CsvSeparators& separators = CsvSeparators::standard());
