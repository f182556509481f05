// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Angle-of-incidence choice: the angle in nAlfa and the key of the choice in nAlfaCaption.

#include "Brontel.h"
#include "NumberText.h"
#include "PictureSurface.h"
#include "SceneGeometry.h"
#include "SubstanceTable.h"

#include <QLineEdit>

#include <cmath>

void Brontel::opMenší_Click()
{
    nAlfa->setText(QStringLiteral("35"));
    nAlfaCaption->setText(QStringLiteral("35"));
    // A short black mark at the lower left, where the hidden speed frame lies; the program has
    // always drawn it, and a run paints it over.
    picture().line(770, 7440, float(770 - 100 * std::sin(scene::radians(35))), 7440);
    showPicture();
}

void Brontel::opVětší_Click()
{
    nAlfa->setText(QStringLiteral("60"));
    nAlfaCaption->setText(QStringLiteral("60"));
}

void Brontel::opMezní_Click()
{
    const Substance& substance = substanceOf(nLátka->text());
    nAlfa->setText(numberText(substance.criticalAngle));
    nIndex->setText(numberText(substance.refrIndex));
    nAlfaCaption->setText(QStringLiteral("Mezní"));
}
