// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RefusalText.h"

#include "WindowTexts.h"

#include <QCoreApplication>

QString refusalText(const char* context, const char* sentence, const Refusal& refusal,
                    const NumberFormat& format, std::size_t longestTyped)
{
    const std::array<std::string, 4> arguments = refusalArguments(refusal, format, longestTyped);
    const QString pattern = QCoreApplication::translate(context, sentence);
    // The sentences take %1 ... %4 in any order and may leave some out, so each is put in by
    // name, in one pass: a "%2" the user typed stays as typed.
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const qsizetype n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (pattern[i] == QLatin1Char('%') && n >= 1 && n <= qsizetype(arguments.size())) {
            text += QString::fromStdString(arguments[std::size_t(n - 1)]);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
