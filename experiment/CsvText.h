// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every CSV file of the program is written with: its separators, its header row and its
// numbers, in their shortest form that reads back to the same double. Every record ends with
// CRLF, as RFC 4180 has it.

#include <span>
#include <string>
#include <string_view>

struct CsvSeparators
{
    char column = ',';
    char decimal = '.';
    bool byteOrderMark = false;

    // RFC 4180.
    static constexpr CsvSeparators standard() { return {}; }
    // For a spreadsheet in a locale of this decimal separator: the comma is kept where the
    // locale has it, any other separator gives the point.
    static constexpr CsvSeparators forSpreadsheets(char localeDecimal)
    {
        return {';', localeDecimal == ',' ? ',' : '.', true};
    }

    friend bool operator==(const CsvSeparators&, const CsvSeparators&) = default;
};

inline constexpr std::string_view csvLineEnd = "\r\n";

// The byte order mark where the separators ask for one, then the header row.
std::string csvHeader(std::span<const std::string_view> names, const CsvSeparators& separators);
// A number in its shortest exact form with the separators' decimal separator.
void appendCsvNumber(std::string& out, double value, const CsvSeparators& separators);
