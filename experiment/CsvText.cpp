// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CsvText.h"

#include "ShortestDecimal.h"

#include <algorithm>

std::string csvHeader(std::span<const std::string_view> names, const CsvSeparators& separators)
{
    std::string out;
    if (separators.byteOrderMark) {
        out += "\xEF\xBB\xBF";
    }
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (k > 0) {
            out += separators.column;
        }
        out += names[k];
    }
    out += csvLineEnd;
    return out;
}

void appendCsvNumber(std::string& out, double value, const CsvSeparators& separators)
{
    std::string text = shortestDecimal(value);
    std::replace(text.begin(), text.end(), '.', separators.decimal);
    out += text;
}
