// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Animation speed: the slow-down count in nSpomaleni, counted down after every sweep step.

#include "Brontel.h"
#include "NumberText.h"
#include "Pace.h"

#include <QLineEdit>
#include <QScrollBar>

void Brontel::opRychlá_Click()
{
    nSpomaleni->setText(numberText(double(pace::fastCount)));
}

void Brontel::opPomalejší_Click()
{
    nSpomaleni->setText(numberText(double(pace::slowerCount)));
}

void Brontel::opPomalá_Click()
{
    nSpomaleni->setText(numberText(double(pace::slowCount)));
}

void Brontel::HScroll1_Change()
{
    nSpomaleni->setText(numberText(double(pace::countForScrollValue(HScroll1->value()))));
}
