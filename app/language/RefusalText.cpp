// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RefusalText.h"

#include "WindowTexts.h"

#include <QCoreApplication>

QString refusalText(const char* context, const char* sentence, const Refusal& refusal,
                    const NumberFormat& format, qsizetype longestTyped)
{
    const auto number = [&format](double value) {
        return QString::fromStdString(formatNumber(value, format));
    };
    QString typed = QString::fromStdString(refusal.typed);
    if (longestTyped > 0 && typed.size() > longestTyped) {
        typed = typed.left(longestTyped) + QStringLiteral("…");
    }
    QString text = QCoreApplication::translate(context, sentence);
    // The sentences take %1 ... %4 in any order and may leave some out, so each is replaced by
    // name rather than by QString::arg's order.
    text.replace(QStringLiteral("%1"),
                 refusal.reason == Refusal::Reason::OutOfRange ? number(refusal.value) : typed);
    text.replace(QStringLiteral("%2"), number(refusal.range.lowest));
    text.replace(QStringLiteral("%3"), number(refusal.range.highest));
    text.replace(QStringLiteral("%4"), number(refusalExample(refusal)));
    return text;
}
