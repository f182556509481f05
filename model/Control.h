// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's controls, named as the design names them, in the design's tab order.

#include <array>
#include <cstddef>
#include <string_view>

enum class Control
{
    nuBrontel,
    cmdStart,
    nAlfa,
    frmDopad,
    opMezní,
    opVětší,
    opMenší,
    nAlfaCaption,
    nLátka,
    nIndex,
    frmLátka,
    opVoda,
    opSklo,
    nDistance,
    frmDistance,
    opVelkáDistance,
    opStředníDistance,
    opMaláDistance,
    nTextIndex,
    nDetektorH,
    nDetektorS,
    nDetektorV,
    nCornuovySpirály,
    nPravd2podobnost,
    cmdKonec,
    labKlepnete,
    nSklo,
    nVoda,
    nCornuLatka,
    nSpomaleni,
    frmAnimace,
    opRychlá,
    opPomalejší,
    opPomalá,
    HScroll1,
};

inline constexpr std::size_t controlCount = std::size_t(Control::HScroll1) + 1;

// Each control's name, which is also its object name in a front end (UTF-8).
inline constexpr std::array<std::string_view, controlCount> controlNames{
    "nuBrontel",       "cmdStart",          "nAlfa",
    "frmDopad",        "opMezní",           "opVětší",
    "opMenší",         "nAlfaCaption",      "nLátka",
    "nIndex",          "frmLátka",          "opVoda",
    "opSklo",          "nDistance",         "frmDistance",
    "opVelkáDistance", "opStředníDistance", "opMaláDistance",
    "nTextIndex",      "nDetektorH",        "nDetektorS",
    "nDetektorV",      "nCornuovySpirály",  "nPravd2podobnost",
    "cmdKonec",        "labKlepnete",       "nSklo",
    "nVoda",           "nCornuLatka",       "nSpomaleni",
    "frmAnimace",      "opRychlá",          "opPomalejší",
    "opPomalá",        "HScroll1",
};

constexpr std::string_view nameOf(Control control)
{
    return controlNames[std::size_t(control)];
}

// The fields whose text is data, the same in every language: the two numbers the user types
// and the hidden fields' keys. Every other text of the window is words.
constexpr bool isField(Control control)
{
    switch (control) {
    case Control::nIndex:
    case Control::nAlfa:
    case Control::nLátka:
    case Control::nAlfaCaption:
    case Control::nDistance:
    case Control::nSpomaleni:
        return true;
    default:
        return false;
    }
}

// The option buttons, each with the frame it belongs to.
struct OptionRow
{
    Control option;
    Control frame;
};
inline constexpr std::array<OptionRow, 11> optionTable{{
    {Control::opVoda, Control::frmLátka},
    {Control::opSklo, Control::frmLátka},
    {Control::opMenší, Control::frmDopad},
    {Control::opMezní, Control::frmDopad},
    {Control::opVětší, Control::frmDopad},
    {Control::opVelkáDistance, Control::frmDistance},
    {Control::opStředníDistance, Control::frmDistance},
    {Control::opMaláDistance, Control::frmDistance},
    {Control::opRychlá, Control::frmAnimace},
    {Control::opPomalejší, Control::frmAnimace},
    {Control::opPomalá, Control::frmAnimace},
}};
