// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Substance choice: the substance key, its refractive index, the name tag in the picture, and
// the critical angle while "Mezní" is the chosen angle.

#include "Brontel.h"
#include "NumberText.h"
#include "SubstanceTable.h"

#include <QLineEdit>

namespace {
void chooseSubstance(const Brontel& w, const Substance& substance, QLineEdit* shownTag,
                     QLineEdit* hiddenTag)
{
    hiddenTag->hide();
    shownTag->show();
    w.nLátka->setText(QString::fromUtf16(substance.key));
    w.nIndex->setText(numberText(substance.refrIndex));
    if (w.nAlfaCaption->text() == QStringLiteral("Mezní")) {
        w.nAlfa->setText(numberText(substance.criticalAngle));
    }
}
} // namespace

void Brontel::opSklo_Click()
{
    chooseSubstance(*this, glass, nSklo, nVoda);
}

void Brontel::opVoda_Click()
{
    chooseSubstance(*this, water, nVoda, nSklo);
}
