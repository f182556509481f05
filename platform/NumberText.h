// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Numbers as the settings fields hold them, under the user's locale (QLocale()).

#include <optional>

class QString;

// Whole numbers as plain digits; others in their shortest exact form with the locale's decimal
// separator and no digit grouping: 1.33 is "1,33" under Czech settings.
QString numberText(double value);

// Reads a number text back under the same locale. Surrounding spaces are ignored; where the
// locale's decimal separator is a comma a decimal point is accepted too. Digit grouping, "nan"
// and "inf" are not numbers; a number whose exponent overflows (1e309) reads as an infinity of
// its sign, a number larger than any setting.
std::optional<double> textToNumber(const QString& text);
