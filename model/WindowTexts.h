// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's words, Czech as designed, in one table for every front end: each control's
// caption and tooltip, and the sentences that explain a refusal of Start. Marked so that lupdate
// finds them; a front end translates each with its context when it shows it.

#include "Control.h"
#include "StartCheck.h"
#include "TextMark.h"

#include <array>

inline constexpr const char* windowTextContext = "Brontel";
inline constexpr const char* commandLineTextContext = "CommandLine";

struct ControlTexts
{
    Control control;
    // The caption, or none where the control shows data (a typed number, a hidden field).
    const char* caption;
    bool captionTranslated; // false for names and numbers, the same in every language
    const char* toolTip;
};

inline constexpr std::array<ControlTexts, controlCount> controlTexts{{
    {Control::nuBrontel, "Brontel", false,
     QT_TRANSLATE_NOOP("Brontel",
                       "Brontel: úplný odraz světla, sečtený ze všech drah (F1: nápověda)")},
    {Control::cmdStart, QT_TRANSLATE_NOOP("Brontel", "Start"), true,
     QT_TRANSLATE_NOOP("Brontel", "Spustí pokus s nastavením vlevo")},
    {Control::nAlfa, nullptr, false,
     QT_TRANSLATE_NOOP("Brontel", "Úhel dopadu ve stupních; lze jej přepsat (0 až 90)")},
    {Control::frmDopad, QT_TRANSLATE_NOOP("Brontel", "Úhel dopadu"), true,
     QT_TRANSLATE_NOOP("Brontel", "Úhel, pod kterým světlo dopadá na hladinu")},
    {Control::opMezní, QT_TRANSLATE_NOOP("Brontel", "Mezní"), true,
     QT_TRANSLATE_NOOP("Brontel", "Mezní úhel látky: lomený paprsek se klouže po hladině")},
    {Control::opVětší, "60", false, QT_TRANSLATE_NOOP("Brontel", "Úhel dopadu 60°: úplný odraz")},
    {Control::opMenší, "35", false,
     QT_TRANSLATE_NOOP("Brontel", "Úhel dopadu 35°: světlo se láme do vzduchu i odráží")},
    {Control::nAlfaCaption, nullptr, false, nullptr},
    {Control::nLátka, nullptr, false, nullptr},
    {Control::nIndex, nullptr, false,
     QT_TRANSLATE_NOOP("Brontel", "Index lomu látky; lze jej přepsat (0,5 až 1 000 000)")},
    {Control::frmLátka, QT_TRANSLATE_NOOP("Brontel", "Látka"), true,
     QT_TRANSLATE_NOOP("Brontel", "Látka pod hladinou, vzduch je nad ní")},
    {Control::opVoda, QT_TRANSLATE_NOOP("Brontel", "Voda"), true,
     QT_TRANSLATE_NOOP("Brontel", "Voda, index lomu 1,33")},
    {Control::opSklo, QT_TRANSLATE_NOOP("Brontel", "Sklo"), true,
     QT_TRANSLATE_NOOP("Brontel", "Sklo, index lomu 1,5")},
    {Control::nDistance, nullptr, false, nullptr},
    {Control::frmDistance, QT_TRANSLATE_NOOP("Brontel", "Distance detektoru"), true,
     QT_TRANSLATE_NOOP("Brontel", "Výška dráhy detektoru H nad hladinou, v twipech")},
    {Control::opVelkáDistance, "1500", false,
     QT_TRANSLATE_NOOP("Brontel", "Detektor H 1500 twipů nad hladinou")},
    {Control::opStředníDistance, "750", false,
     QT_TRANSLATE_NOOP("Brontel", "Detektor H 750 twipů nad hladinou")},
    {Control::opMaláDistance, "100", false,
     QT_TRANSLATE_NOOP("Brontel", "Detektor H 100 twipů nad hladinou")},
    {Control::nTextIndex, QT_TRANSLATE_NOOP("Brontel", "Index lomu"), true,
     QT_TRANSLATE_NOOP("Brontel", "Index lomu látky pod hladinou")},
    {Control::nDetektorH, QT_TRANSLATE_NOOP("Brontel", "Detektor H"), true,
     QT_TRANSLATE_NOOP("Brontel", "Detektor H jede vodorovně vpravo ve vzduchu nad hladinou")},
    {Control::nDetektorS, QT_TRANSLATE_NOOP("Brontel", "Detektor L"), true,
     QT_TRANSLATE_NOOP("Brontel", "Detektor L jede vodorovně vpravo v látce pod hladinou")},
    {Control::nDetektorV, QT_TRANSLATE_NOOP("Brontel", "Detektor V"), true,
     QT_TRANSLATE_NOOP("Brontel", "Detektor V jede svisle dolů po sondě skrz hladinu")},
    {Control::nCornuovySpirály, QT_TRANSLATE_NOOP("Brontel", "Cornuovy spirály"), true,
     QT_TRANSLATE_NOOP("Brontel", "Cornuovy spirály detektoru V: řetězy 1001 šipek")},
    {Control::nPravd2podobnost, QT_TRANSLATE_NOOP("Brontel", "Pravděpodobnost"), true,
     QT_TRANSLATE_NOOP("Brontel",
                       "Sloupce: pravděpodobnost, že světlo dorazí k detektoru, v každém kroku")},
    {Control::cmdKonec, QT_TRANSLATE_NOOP("Brontel", "Konec"), true,
     QT_TRANSLATE_NOOP("Brontel", "Ukončí program (během pokusu po dokreslení kroku)")},
    {Control::labKlepnete, QT_TRANSLATE_NOOP("Brontel", "Klepněte na tlačítko Start"), true,
     QT_TRANSLATE_NOOP("Brontel", "Start spustí pokus; pravé tlačítko myši otevře nabídku")},
    {Control::nSklo, QT_TRANSLATE_NOOP("Brontel", "Sklo"), true,
     QT_TRANSLATE_NOOP("Brontel", "Látka pod hladinou: sklo")},
    {Control::nVoda, QT_TRANSLATE_NOOP("Brontel", "Voda"), true,
     QT_TRANSLATE_NOOP("Brontel", "Látka pod hladinou: voda")},
    {Control::nCornuLatka, QT_TRANSLATE_NOOP("Brontel", "Cornuovy spirály"), true,
     QT_TRANSLATE_NOOP("Brontel", "Cornuovy spirály detektoru L v látce")},
    {Control::nSpomaleni, nullptr, false, nullptr},
    {Control::frmAnimace, QT_TRANSLATE_NOOP("Brontel", "Animace"), true,
     QT_TRANSLATE_NOOP("Brontel", "Rychlost animace")},
    {Control::opRychlá, QT_TRANSLATE_NOOP("Brontel", "Rychlá"), true,
     QT_TRANSLATE_NOOP("Brontel", "Rychlá animace")},
    {Control::opPomalejší, QT_TRANSLATE_NOOP("Brontel", "Pomalejší"), true,
     QT_TRANSLATE_NOOP("Brontel", "Pomalejší animace")},
    {Control::opPomalá, QT_TRANSLATE_NOOP("Brontel", "Pomalá"), true,
     QT_TRANSLATE_NOOP("Brontel", "Pomalá animace")},
    {Control::HScroll1, nullptr, false,
     QT_TRANSLATE_NOOP("Brontel", "Rychlost animace: vlevo nejrychleji, vpravo nejpomaleji")},
}};

constexpr const ControlTexts& textsOf(Control control)
{
    return controlTexts[std::size_t(control)];
}

// Shown beside the title while the teacher has paused a run (P), with how to go on.
inline constexpr const char* pausedText = QT_TRANSLATE_NOOP("Brontel", "Pozastaveno");
inline constexpr const char* pausedToolTip =
    QT_TRANSLATE_NOOP("Brontel", "P: pokus pokračuje; šipka vpravo: nakreslí jeden krok");

// A refusal of Start as one whole sentence for the window, in windowTextContext. Arguments: %1
// the text typed, %2 and %3 the accepted range (or %2 the largest number), %4 an example.
const char* refusalInWindow(const Refusal& refusal);
// The same for the command line, in commandLineTextContext, naming the option instead.
const char* refusalOnCommandLine(const Refusal& refusal);
