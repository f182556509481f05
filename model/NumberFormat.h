// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Numbers as the settings fields hold them, under the user's locale as far as numbers go: its
// decimal separator. Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>

struct NumberFormat
{
    // The decimal separator, "." or "," (or any other single character of the locale).
    std::string decimalSeparator = ".";
};

// Whole numbers as plain digits; others in their shortest exact form with the locale's decimal
// separator and no digit grouping: 1.33 is "1,33" under Czech settings.
std::string formatNumber(double value, const NumberFormat& format);

// What a typed text is as a number.
struct ParsedNumber
{
    enum class Kind
    {
        Number,
        NotANumber,
        TooLarge // a number, but beyond what a double holds
    };
    Kind kind = Kind::NotANumber;
    double value = 0;
};

// Reads a number text under format. Surrounding spaces are ignored; where the decimal separator
// is a comma a decimal point is accepted too. Digit grouping, "nan" and "inf" are not numbers.
ParsedNumber parseNumber(std::string_view text, const NumberFormat& format);
