// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Detector-distance choice: the distance in nDistance, and the marker line and label of
// detector H moved to the places that show it.

#include "Brontel.h"
#include "LineControl.h"
#include "SettingsFields.h"
#include "Twips.h"

#include <QLineEdit>

void Brontel::chooseDistance(DetectorDistance distance)
{
    const DetectorDistanceRow& row = facts(distance);
    nDistance->setText(keyText(row.key));
    // Hidden while its end points change, shown only at its new place.
    Line1->setVisible(false);
    Line1->setX1(marker::leftX);
    Line1->setY1(row.markerY);
    Line1->setX2(marker::rightX);
    Line1->setY2(row.markerY);
    Line1->setVisible(true);
    moveInTwips(nDetektorH, marker::labelLeft, row.labelTop);
}

void Brontel::opMaláDistance_Click()
{
    chooseDistance(DetectorDistance::Near);
}

void Brontel::opStředníDistance_Click()
{
    chooseDistance(DetectorDistance::Middle);
}

void Brontel::opVelkáDistance_Click()
{
    chooseDistance(DetectorDistance::Far);
}
