// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RefusalText.h"

#include "WindowTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

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
    // A number too small to hold reads as 0; the sentence then names it as typed, since "an
    // index of 0" is not what the user wrote.
    const QString digits = typed.section(QRegularExpression(QStringLiteral("[eE]")), 0, 0);
    const bool underflow =
        refusal.value == 0 && digits.contains(QRegularExpression(QStringLiteral("[1-9]")));
    const bool asNumber = refusal.reason == Refusal::Reason::OutOfRange && !underflow;
    const QString filled[] = {asNumber ? number(refusal.value) : typed,
                              number(refusal.range.lowest), number(refusal.range.highest),
                              number(refusalExample(refusal))};
    // The sentences take %1 ... %4 in any order and may leave some out, so each is put in by
    // name rather than by QString::arg's order, in one pass over the sentence: what was typed
    // goes in as it is, its own "%2" never taken for a place to fill.
    const QString text = QCoreApplication::translate(context, sentence);
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == u'%' && next >= u'1' && next <= u'4') {
            result += filled[next.unicode() - u'1'];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
