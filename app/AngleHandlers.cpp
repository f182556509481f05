// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Angle-of-incidence choice: the angle in nAlfa and the key of the choice in nAlfaCaption.

#include "Brontel.h"
#include "NumberText.h"
#include "PictureLayer.h"
#include "PictureSurface.h"
#include "SceneGeometry.h"
#include "SettingsFields.h"

#include <QLineEdit>

#include <cmath>

void Brontel::chooseFixedAngle(AngleCase angleCase)
{
    const AngleCaseRow& row = facts(angleCase);
    nAlfa->setText(numberText(row.degrees.value_or(0)));
    nAlfaCaption->setText(keyText(row.key));
}

void Brontel::opMenší_Click()
{
    chooseFixedAngle(AngleCase::Angle35);
    // A short black mark at the lower left, where the hidden speed frame lies; the program has
    // always drawn it, and a run paints it over.
    const double degrees = *facts(AngleCase::Angle35).degrees;
    picture().line(770, 7440, float(770 - 100 * std::sin(scene::radians(degrees))), 7440);
    showPicture();
}

void Brontel::opVětší_Click()
{
    chooseFixedAngle(AngleCase::Angle60);
}

void Brontel::opMezní_Click()
{
    const SubstanceRow& substance = facts(substanceInForce(nLátka));
    nAlfa->setText(numberText(substance.criticalAngle));
    nIndex->setText(numberText(substance.refrIndex));
    nAlfaCaption->setText(keyText(facts(AngleCase::Critical).key));
}
