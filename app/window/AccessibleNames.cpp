// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibleNames.h"

#include "Brontel.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>

void nameForScreenReaders(Brontel& window)
{
    // The display text boxes are captions: each is named by what it says.
    for (QLineEdit* caption :
         {window.nuBrontel, window.nTextIndex, window.nDetektorV, window.nDetektorH,
          window.nDetektorS, window.nPravd2podobnost, window.nCornuovySpirály, window.nCornuLatka,
          window.nVoda, window.nSklo}) {
        caption->setAccessibleName(caption->text());
    }
    // The two settings the user types are named by their captions, not by their changing text.
    window.nIndex->setAccessibleName(QCoreApplication::translate("AccessibleNames", "Index lomu"));
    window.nAlfa->setAccessibleName(QCoreApplication::translate("AccessibleNames", "Úhel dopadu"));
    window.nAlfa->setAccessibleDescription(
        QCoreApplication::translate("AccessibleNames", "Úhel dopadu ve stupních"));

    window.HScroll1->setAccessibleName(
        QCoreApplication::translate("AccessibleNames", "Zpomalení animace"));
    window.HScroll1->setAccessibleDescription(QCoreApplication::translate(
        "AccessibleNames", "Čím dál vpravo, tím pomaleji se obrázek pokusu kreslí"));

    QWidget* picture = window.findChild<QWidget*>(QStringLiteral("picture"));
    if (picture != nullptr) {
        picture->setAccessibleName(QCoreApplication::translate(
            "AccessibleNames", "Obrázek pokusu: látka pod vzduchem, paprsky světla, křivky "
                               "pravděpodobnosti detektorů V, H a L a Cornuovy spirály"));
        picture->setAccessibleDescription(QCoreApplication::translate(
            "AccessibleNames",
            "Po stisku tlačítka Start se sem kreslí průběh pokusu; Ctrl+C jej zkopíruje "
            "do schránky jako obrázek."));
    }
}
