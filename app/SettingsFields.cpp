// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsFields.h"

#include <QLineEdit>

#include <string>

QString keyText(std::string_view key)
{
    return QString::fromUtf8(key.data(), qsizetype(key.size()));
}

std::string fieldKey(const QLineEdit* field)
{
    return field->text().toStdString();
}

Substance substanceInForce(const QLineEdit* substanceField)
{
    return substanceFromKey(fieldKey(substanceField)).value_or(Substance::Glass);
}

bool criticalAngleChosen(const QLineEdit* angleCaseField)
{
    return angleCaseFromKey(fieldKey(angleCaseField)) == AngleCase::Critical;
}
