// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's words, Czech as designed, in one table for every front end: each control's
// caption and tooltip, and the sentences that explain a refusal of Start. Marked so that lupdate
// finds them; a front end translates each with its context when it shows it.

#include "Control.h"
#include "StartCheck.h"
#include "TextMark.h"

#include <optional>

#include <array>
#include <cstddef>
#include <string>

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
    //: Title of the frame holding the angle options 35, 60 and "Mezní"; the
    //: frame is narrow.
    {Control::frmDopad, QT_TRANSLATE_NOOP("Brontel", "Úhel dopadu"), true,
     QT_TRANSLATE_NOOP("Brontel", "Úhel, pod kterým světlo dopadá na hladinu")},
    //: Option beside "60" and "35": the substance's critical angle. One short
    //: word.
    {Control::opMezní, QT_TRANSLATE_NOOP("Brontel", "Mezní"), true,
     QT_TRANSLATE_NOOP("Brontel", "Mezní úhel látky: lomený paprsek se klouže po hladině")},
    {Control::opVětší, "60", false, QT_TRANSLATE_NOOP("Brontel", "Úhel dopadu 60°: úplný odraz")},
    {Control::opMenší, "35", false,
     QT_TRANSLATE_NOOP("Brontel", "Úhel dopadu 35°: světlo se láme do vzduchu i odráží")},
    {Control::nAlfaCaption, nullptr, false, nullptr},
    {Control::nLátka, nullptr, false, nullptr},
    //: Tooltip of the refractive index field; write the range's numbers as the
    //: language does.
    {Control::nIndex, nullptr, false,
     QT_TRANSLATE_NOOP("Brontel", "Index lomu látky; lze jej přepsat (0,5 až 1 000 000)")},
    //: Title of the frame holding the substance options (water, glass).
    {Control::frmLátka, QT_TRANSLATE_NOOP("Brontel", "Látka"), true,
     QT_TRANSLATE_NOOP("Brontel", "Látka pod hladinou, vzduch je nad ní")},
    //: The option's caption, and the tag that names the substance on the picture.
    //: The settings line under an exported picture names it in a text of its own.
    {Control::opVoda, QT_TRANSLATE_NOOP("Brontel", "Voda"), true,
     QT_TRANSLATE_NOOP("Brontel", "Voda, index lomu 1,33")},
    {Control::opSklo, QT_TRANSLATE_NOOP("Brontel", "Sklo"), true,
     QT_TRANSLATE_NOOP("Brontel", "Sklo, index lomu 1,5")},
    {Control::nDistance, nullptr, false, nullptr},
    //: Title of the frame holding the options 1500, 750 and 100: how high
    //: detector H moves above the surface, in twips.
    {Control::frmDistance, QT_TRANSLATE_NOOP("Brontel", "Distance detektoru"), true,
     QT_TRANSLATE_NOOP("Brontel", "Výška dráhy detektoru H nad hladinou, v twipech")},
    {Control::opVelkáDistance, "1500", false,
     QT_TRANSLATE_NOOP("Brontel", "Detektor H 1500 twipů nad hladinou")},
    {Control::opStředníDistance, "750", false,
     QT_TRANSLATE_NOOP("Brontel", "Detektor H 750 twipů nad hladinou")},
    {Control::opMaláDistance, "100", false,
     QT_TRANSLATE_NOOP("Brontel", "Detektor H 100 twipů nad hladinou")},
    //: Label above the refractive index field, in a box 73 pixels wide at the
    //: window's design size: shorten it where needed. The refusal sentences name the field in full,
    //: in texts of their own.
    {Control::nTextIndex, QT_TRANSLATE_NOOP("Brontel", "Index lomu"), true,
     QT_TRANSLATE_NOOP("Brontel", "Index lomu látky pod hladinou")},
    //: Caption on the picture. The letter is the detector's name in every language: H
    //: moves horizontally in the air.
    {Control::nDetektorH, QT_TRANSLATE_NOOP("Brontel", "Detektor H"), true,
     QT_TRANSLATE_NOOP("Brontel", "Detektor H jede vodorovně vpravo ve vzduchu nad hladinou")},
    //: Caption on the picture; L (Czech "látka", substance) is the detector's name in every
    //: language: it moves in the substance.
    {Control::nDetektorS, QT_TRANSLATE_NOOP("Brontel", "Detektor L"), true,
     QT_TRANSLATE_NOOP("Brontel", "Detektor L jede vodorovně vpravo v látce pod hladinou")},
    //: Caption on the picture; V (vertical) is the detector's name in every language.
    {Control::nDetektorV, QT_TRANSLATE_NOOP("Brontel", "Detektor V"), true,
     QT_TRANSLATE_NOOP("Brontel", "Detektor V jede svisle dolů po sondě skrz hladinu")},
    //: Caption over the Cornu spirals drawn for detector V.
    {Control::nCornuovySpirály, QT_TRANSLATE_NOOP("Brontel", "Cornuovy spirály"), true,
     QT_TRANSLATE_NOOP("Brontel", "Cornuovy spirály detektoru V: řetězy 1001 šipek")},
    //: Caption over the bars of the three probability curves.
    {Control::nPravd2podobnost, QT_TRANSLATE_NOOP("Brontel", "Pravděpodobnost"), true,
     QT_TRANSLATE_NOOP("Brontel",
                       "Sloupce: pravděpodobnost, že světlo dorazí k detektoru, v každém kroku")},
    {Control::cmdKonec, QT_TRANSLATE_NOOP("Brontel", "Konec"), true,
     QT_TRANSLATE_NOOP("Brontel", "Ukončí program (během pokusu po dokreslení kroku)")},
    //: The line under the title before a run; "Start" is the button's caption.
    {Control::labKlepnete, QT_TRANSLATE_NOOP("Brontel", "Klepněte na tlačítko Start"), true,
     QT_TRANSLATE_NOOP("Brontel", "Start spustí pokus; pravé tlačítko myši otevře nabídku")},
    {Control::nSklo, QT_TRANSLATE_NOOP("Brontel", "Sklo"), true,
     QT_TRANSLATE_NOOP("Brontel", "Látka pod hladinou: sklo")},
    {Control::nVoda, QT_TRANSLATE_NOOP("Brontel", "Voda"), true,
     QT_TRANSLATE_NOOP("Brontel", "Látka pod hladinou: voda")},
    {Control::nCornuLatka, QT_TRANSLATE_NOOP("Brontel", "Cornuovy spirály"), true,
     QT_TRANSLATE_NOOP("Brontel", "Cornuovy spirály detektoru L v látce")},
    {Control::nSpomaleni, nullptr, false, nullptr},
    //: Title of the frame holding the pace options; "Rychlá" (fast),
    //: "Pomalejší" (slower) and "Pomalá" (slow) follow.
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
//: Shown beside the title while a run is paused by the key P.
inline constexpr const char* pausedText = QT_TRANSLATE_NOOP("Brontel", "Pozastaveno");
//: Tooltip of "Pozastaveno": the keys P and the Right arrow, named as the keyboard names them.
inline constexpr const char* pausedToolTip =
    QT_TRANSLATE_NOOP("Brontel", "P: pokus pokračuje; šipka vpravo: nakreslí jeden krok");

// How far a run has come, beside the paused sign: %1 the steps drawn, %2 all the run's steps.
//: Shown during a run beside "Pozastaveno": %1 steps drawn so far, %2 steps of the whole run.
inline constexpr const char* progressText = QT_TRANSLATE_NOOP("Brontel", "krok %1 / %2");

// A refusal of Start as one whole sentence for the window, in windowTextContext. Arguments: %1
// the text typed, %2 and %3 the accepted range (or %2 the largest number), %4 an example.
const char* refusalInWindow(const Refusal& refusal);
// The same for the command line, in commandLineTextContext, naming the option instead.
const char* refusalOnCommandLine(const Refusal& refusal);
// The example of a number the sentences give as %4: one the refused field takes, the water's
// index for the index and the 35 degrees' angle for the angle.
double refusalExample(const Refusal& refusal);

// What the sentences put in for %1 ... %4, numbers as the fields show them under format: what
// was typed (the number read, where it is out of range), the range, and the example. A typed
// text longer than longestTyped characters is cut there and ends with "…" (0: never cut);
// characters are counted as the front ends count them, in UTF-16 units, and never split.
std::array<std::string, 4> refusalArguments(const Refusal& refusal, const NumberFormat& format,
                                            std::size_t longestTyped = 0);
// A window shows no more of a typed text than this in a refusal: a pasted page is not
// repeated in a message box.
inline constexpr std::size_t longestTypedInWindow = 40;

// A number field holds at most this many characters: no number needs more, and a pasted page
// would otherwise be read again at every key. Said when a paste or a key goes past it; %1 is
// the limit.
inline constexpr std::size_t longestFieldText = 1000;
//: Shown beside a number field when a paste or a key would make its text longer than it may be.
inline constexpr const char* fieldFullText =
    QT_TRANSLATE_NOOP("Brontel", "Do pole se vejde nejvýše %1 znaků; co bylo navíc, do něj "
                                 "nepřibylo.");

// What a screen reader says for the controls a caption does not name, and for the picture.
inline constexpr const char* accessibleTextContext = "AccessibleNames";
struct AccessibleText
{
    std::optional<Control> control; // none for the picture
    const char* name;
    const char* description; // or none
};
inline constexpr std::array<AccessibleText, 4> accessibleTexts{{
    // The two settings the user types are named by their captions, not by their changing text.
    {Control::nIndex, QT_TRANSLATE_NOOP("AccessibleNames", "Index lomu"), nullptr},
    {Control::nAlfa, QT_TRANSLATE_NOOP("AccessibleNames", "Úhel dopadu"),
     QT_TRANSLATE_NOOP("AccessibleNames", "Úhel dopadu ve stupních")},
    {Control::HScroll1, QT_TRANSLATE_NOOP("AccessibleNames", "Zpomalení animace"),
     QT_TRANSLATE_NOOP("AccessibleNames", "Čím dál vpravo, tím pomaleji se obrázek pokusu kreslí")},
    {std::nullopt,
     QT_TRANSLATE_NOOP("AccessibleNames",
                       "Obrázek pokusu: látka pod vzduchem, paprsky světla, křivky "
                       "pravděpodobnosti detektorů V, H a L a Cornuovy spirály"),
     QT_TRANSLATE_NOOP("AccessibleNames",
                       "Po stisku tlačítka Start se sem kreslí průběh pokusu; Ctrl+C jej "
                       "zkopíruje do schránky jako obrázek.")},
}};
