// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Substance choice: the substance key, its refractive index, the name tag in the picture, and
// the critical angle while the critical angle is the chosen angle.

#include "Brontel.h"
#include "NumberText.h"
#include "SettingsFields.h"

#include <QLineEdit>

void Brontel::chooseSubstance(Substance substance)
{
    const SubstanceRow& row = facts(substance);
    QLineEdit* const shownTag = substance == Substance::Water ? nVoda : nSklo;
    QLineEdit* const hiddenTag = substance == Substance::Water ? nSklo : nVoda;
    hiddenTag->hide();
    shownTag->show();
    nLátka->setText(keyText(row.key));
    nIndex->setText(numberText(row.refrIndex));
    if (criticalAngleChosen(nAlfaCaption)) {
        nAlfa->setText(numberText(row.criticalAngle));
    }
}

void Brontel::opSklo_Click()
{
    chooseSubstance(Substance::Glass);
}

void Brontel::opVoda_Click()
{
    chooseSubstance(Substance::Water);
}
