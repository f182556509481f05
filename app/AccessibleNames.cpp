// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibleNames.h"

#include "Brontel.h"

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
    window.nIndex->setAccessibleName(QStringLiteral("Index lomu"));
    window.nAlfa->setAccessibleName(QStringLiteral("Úhel dopadu"));
    window.nAlfa->setAccessibleDescription(QStringLiteral("Úhel dopadu ve stupních"));

    window.HScroll1->setAccessibleName(QStringLiteral("Zpomalení animace"));
    window.HScroll1->setAccessibleDescription(
        QStringLiteral("Čím dál vpravo, tím pomaleji se obrázek pokusu kreslí"));

    QWidget* picture = window.findChild<QWidget*>(QStringLiteral("picture"));
    if (picture != nullptr) {
        picture->setAccessibleName(
            QStringLiteral("Obrázek pokusu: látka pod vzduchem, paprsky světla, křivky "
                           "pravděpodobnosti detektorů V, H a L a Cornuovy spirály"));
        picture->setAccessibleDescription(QStringLiteral(
            "Po stisku tlačítka Start se sem kreslí průběh pokusu; Ctrl+C jej zkopíruje "
            "do schránky jako obrázek."));
    }
}
