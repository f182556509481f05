// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FilterEnding.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
// The endings a filter's patterns name, without their dots: "(*.png *.PNG)" gives png, PNG.
QStringList endingsOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.([^\s()*]+))"));
    QStringList endings;
    for (const auto& match : pattern.globalMatch(filter)) {
        endings << match.captured(1);
    }
    return endings;
}
} // namespace

QString withFilterEnding(const QString& path, const QString& chosen, const QStringList& filters)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const QString& filter : filters) {
        if (!suffix.isEmpty() && endingsOf(filter).contains(suffix, Qt::CaseInsensitive)) {
            return path;
        }
    }
    const QStringList endings = endingsOf(chosen);
    if (endings.isEmpty()) {
        return path;
    }
    // "pokus." is "pokus" with a stray dot, not a name ending in an empty ending.
    QString named = path;
    while (named.endsWith(QLatin1Char('.'))) {
        named.chop(1);
    }
    return named + QLatin1Char('.') + endings.constFirst();
}
