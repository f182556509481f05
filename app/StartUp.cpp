// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and exit of the window.

#include "Brontel.h"
#include "NumberText.h"
#include "OptionButton.h"
#include "Pace.h"
#include "SettingsFields.h"

#include <QLineEdit>

void Brontel::load()
{
    Form_Load();
}

void Brontel::Form_Load()
{
    nLátka->setText(keyText(facts(Substance::Water).key));
    opVoda->select();
    // The critical angle of the substance in force; the angle choice below replaces it
    // before the window is first shown.
    const SubstanceRow& substance = facts(substanceInForce(nLátka));
    nAlfa->setText(numberText(substance.criticalAngle));
    nIndex->setText(numberText(substance.refrIndex));
    opMenší->select();
    opStředníDistance->select();
    nDistance->setText(keyText(facts(DetectorDistance::Middle).key));
    opRychlá->select();
    nSpomaleni->setText(numberText(double(pace::startCount)));
}

void Brontel::cmdKonec_Click()
{
    close();
}
