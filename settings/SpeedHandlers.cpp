// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Animation speed: the slow-down count in nSpomaleni, counted down after every sweep step.

#include "Brontel.h"
#include "NumberText.h"

#include <QLineEdit>
#include <QScrollBar>

void Brontel::opRychlá_Click()
{
    nSpomaleni->setText(QStringLiteral("1"));
}

void Brontel::opPomalejší_Click()
{
    nSpomaleni->setText(QStringLiteral("500000"));
}

void Brontel::opPomalá_Click()
{
    nSpomaleni->setText(QStringLiteral("1000000"));
}

void Brontel::HScroll1_Change()
{
    const double count = HScroll1->value() * 100.0 + 1;
    nSpomaleni->setText(numberText(count));
}
