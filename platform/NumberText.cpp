// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <QLocale>
#include <QString>

#include <cmath>

namespace {
QLocale userLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}
} // namespace

QString numberText(double value)
{
    const QLocale locale = userLocale();
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < 1e15) {
        return locale.toString(static_cast<qlonglong>(value));
    }
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

std::optional<double> textToNumber(const QString& text)
{
    const QLocale locale = userLocale();
    QString trimmed = text.trimmed();
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok && locale.decimalPoint() == QLatin1String(",") && !trimmed.contains(u',')) {
        value = locale.toDouble(trimmed.replace(u'.', u','), &ok);
    }
    // An exponent beyond the largest double is a number too large, like 1e308 only more so;
    // written "inf" or "nan" it is no number at all.
    if (!ok && std::isinf(value)) {
        return value;
    }
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}
