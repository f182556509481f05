// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and exit of the window.

#include "Brontel.h"
#include "NumberText.h"
#include "OptionButton.h"
#include "SubstanceTable.h"

#include <QLineEdit>

void Brontel::Form_Load()
{
    nLátka->setText(QStringLiteral("Voda"));
    opVoda->select();
    // The critical angle of the substance in force; the angle choice below replaces it
    // before the window is first shown.
    const Substance& substance = substanceOf(nLátka->text());
    nAlfa->setText(numberText(substance.criticalAngle));
    nIndex->setText(numberText(substance.refrIndex));
    opMenší->select();
    opStředníDistance->select();
    nDistance->setText(QStringLiteral("750"));
    opRychlá->select();
    nSpomaleni->setText(QStringLiteral("1"));
}

void Brontel::cmdKonec_Click()
{
    close();
}
