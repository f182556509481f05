// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CurvesFormat.h"

CsvSeparators csvSeparators(CurvesFormat format, const QLocale& locale)
{
    if (format == CurvesFormat::Standard) {
        return CsvSeparators::standard();
    }
    // A separator of more than one character, or outside ASCII, is no comma: the point then.
    const QString decimal = locale.decimalPoint();
    return CsvSeparators::forSpreadsheets(decimal == QLatin1String(",") ? ',' : '.');
}
