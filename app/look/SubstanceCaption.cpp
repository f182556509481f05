// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SubstanceCaption.h"

#include <QCoreApplication>

QString substanceCaption(Substance substance)
{
    return substance == Substance::Water ? QCoreApplication::translate("Brontel", "Voda")
                                         : QCoreApplication::translate("Brontel", "Sklo");
}
