// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's words: captions, tooltips and accessible names in the interface's language.

#include "AccessibleNames.h"
#include "Brontel.h"
#include "OptionButton.h"
#include "SubstanceCaption.h"
#include "TextFit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

void Brontel::retranslate()
{
    labKlepnete->setText(tr("Klepněte na tlačítko Start"));
    nuBrontel->setText(QStringLiteral("Brontel")); // the program's name in every language
    cmdStart->setText(tr("Start"));
    cmdKonec->setText(tr("Konec"));
    nTextIndex->setText(tr("Index lomu"));
    frmLátka->setTitle(tr("Látka"));
    opVoda->setText(substanceCaption(Substance::Water));
    opSklo->setText(substanceCaption(Substance::Glass));
    frmDistance->setTitle(tr("Distance detektoru"));
    frmDopad->setTitle(tr("Úhel dopadu"));
    opMezní->setText(tr("Mezní"));
    frmAnimace->setTitle(tr("Animace"));
    opRychlá->setText(tr("Rychlá"));
    opPomalejší->setText(tr("Pomalejší"));
    opPomalá->setText(tr("Pomalá"));
    nDetektorV->setText(tr("Detektor V"));
    nDetektorH->setText(tr("Detektor H"));
    nDetektorS->setText(tr("Detektor L"));
    nPravd2podobnost->setText(tr("Pravděpodobnost"));
    nCornuovySpirály->setText(tr("Cornuovy spirály"));
    nCornuLatka->setText(tr("Cornuovy spirály"));
    nVoda->setText(substanceCaption(Substance::Water));
    nSklo->setText(substanceCaption(Substance::Glass));

    nuBrontel->setToolTip(tr("Brontel: úplný odraz světla, sečtený ze všech drah (F1: nápověda)"));
    cmdStart->setToolTip(tr("Spustí pokus s nastavením vlevo"));
    cmdKonec->setToolTip(tr("Ukončí program (během pokusu po dokreslení kroku)"));
    HScroll1->setToolTip(tr("Rychlost animace: vlevo nejrychleji, vpravo nejpomaleji"));
    nTextIndex->setToolTip(tr("Index lomu látky pod hladinou"));
    nIndex->setToolTip(tr("Index lomu látky; lze jej přepsat (0,5 až 1 000 000)"));
    frmLátka->setToolTip(tr("Látka pod hladinou, vzduch je nad ní"));
    opVoda->setToolTip(tr("Voda, index lomu 1,33"));
    opSklo->setToolTip(tr("Sklo, index lomu 1,5"));
    frmDistance->setToolTip(tr("Výška dráhy detektoru H nad hladinou, v twipech"));
    opVelkáDistance->setToolTip(tr("Detektor H 1500 twipů nad hladinou"));
    opStředníDistance->setToolTip(tr("Detektor H 750 twipů nad hladinou"));
    opMaláDistance->setToolTip(tr("Detektor H 100 twipů nad hladinou"));
    nAlfa->setToolTip(tr("Úhel dopadu ve stupních; lze jej přepsat (0 až 90)"));
    frmDopad->setToolTip(tr("Úhel, pod kterým světlo dopadá na hladinu"));
    opMenší->setToolTip(tr("Úhel dopadu 35°: světlo se láme do vzduchu i odráží"));
    opMezní->setToolTip(tr("Mezní úhel látky: lomený paprsek se klouže po hladině"));
    opVětší->setToolTip(tr("Úhel dopadu 60°: úplný odraz"));
    frmAnimace->setToolTip(tr("Rychlost animace"));
    opRychlá->setToolTip(tr("Rychlá animace"));
    opPomalejší->setToolTip(tr("Pomalejší animace"));
    opPomalá->setToolTip(tr("Pomalá animace"));
    labKlepnete->setToolTip(tr("Start spustí pokus; pravé tlačítko myši otevře nabídku"));
    nDetektorV->setToolTip(tr("Detektor V jede svisle dolů po sondě skrz hladinu"));
    nDetektorH->setToolTip(tr("Detektor H jede vodorovně vpravo ve vzduchu nad hladinou"));
    nDetektorS->setToolTip(tr("Detektor L jede vodorovně vpravo v látce pod hladinou"));
    nPravd2podobnost->setToolTip(
        tr("Sloupce: pravděpodobnost, že světlo dorazí k detektoru, v každém kroku"));
    nCornuovySpirály->setToolTip(tr("Cornuovy spirály detektoru V: řetězy 1001 šipek"));
    nCornuLatka->setToolTip(tr("Cornuovy spirály detektoru L v látce"));
    nVoda->setToolTip(tr("Látka pod hladinou: voda"));
    nSklo->setToolTip(tr("Látka pod hladinou: sklo"));
    if (auto* pictureWidget = findChild<QWidget*>(QStringLiteral("picture"))) {
        pictureWidget->setToolTip(
            tr("Obrázek pokusu; pravé tlačítko myši: kopírovat, uložit, tisknout, nápověda"));
    }

    nameForScreenReaders(*this);
    // Words of another language are another width: every caption is fitted again.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->testAttribute(Qt::WA_SetFont)) {
            fitFont(control, factor());
        }
    }
}
