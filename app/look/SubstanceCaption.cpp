// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SubstanceCaption.h"

#include <QCoreApplication>

QString substanceCaption(Substance substance)
{
    // A context of its own: the window's option captions are labels, these are nouns in a
    // sentence, and a language may need them in another form or case.
    if (substance == Substance::Water) {
        //: The substance as the first word of the settings line under an exported picture:
        //: "Voda, index lomu 1,33, úhel dopadu 35°, …".
        return QCoreApplication::translate("SubstanceCaption", "Voda");
    }
    //: The substance as the first word of the settings line under an exported picture:
    //: "Sklo, index lomu 1,5, úhel dopadu 35°, …".
    return QCoreApplication::translate("SubstanceCaption", "Sklo");
}
