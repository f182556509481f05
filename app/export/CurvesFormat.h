// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which CSV the curves are saved as: the standard file (RFC 4180) or the one for spreadsheets in
// the user's locale (see CsvSeparators).

#include "CurvesCsv.h"

#include <QLocale>

enum class CurvesFormat
{
    Standard,
    Locale,
};

// The separators of format in locale (the user's by default).
CsvSeparators csvSeparators(CurvesFormat format, const QLocale& locale = QLocale::system());
