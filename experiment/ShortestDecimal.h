// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A double in its shortest decimal text that reads back to the same double, in plain or
// scientific notation, whichever is shorter (plain on a tie): exactly what std::to_chars gives
// without a format. Some standard libraries (WebAssembly's) lack to_chars for doubles; there a
// printf and strtod search gives the same text.

#include <string>

// Shortest round-trip text, through to_chars where the standard library has it.
std::string shortestDecimal(double value);

// The same text found by printf and strtod alone; what shortestDecimal uses without to_chars.
std::string shortestDecimalByPrintf(double value);
