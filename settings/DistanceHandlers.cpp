// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Detector-distance choice: the distance in nDistance, and the marker line and label of
// detector H moved to the places that show it.

#include "Brontel.h"
#include "LineControl.h"
#include "Twips.h"

#include <QLineEdit>

namespace {
struct DistanceRow
{
    const char* distance;
    int markerY;
    int labelTop;
};

void chooseDistance(const Brontel& w, const DistanceRow& row)
{
    w.nDistance->setText(QString::fromLatin1(row.distance));
    // Hidden while its end points change, shown only at its new place.
    w.Line1->setVisible(false);
    w.Line1->setX1(2880);
    w.Line1->setY1(row.markerY);
    w.Line1->setX2(11400);
    w.Line1->setY2(row.markerY);
    w.Line1->setVisible(true);
    moveInTwips(w.nDetektorH, 5800, row.labelTop);
}
} // namespace

void Brontel::opMaláDistance_Click()
{
    chooseDistance(*this, {"100", 4900, 4600});
}

void Brontel::opStředníDistance_Click()
{
    chooseDistance(*this, {"750", 4280, 4400});
}

void Brontel::opVelkáDistance_Click()
{
    chooseDistance(*this, {"1500", 3530, 3700});
}
