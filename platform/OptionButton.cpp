// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OptionButton.h"

OptionButton::OptionButton(const QString& name, const QString& caption, QWidget* frame)
    : QRadioButton(caption, frame)
{
    setObjectName(name);
}

void OptionButton::select()
{
    setChecked(true);
    Q_EMIT clicked(true);
}
