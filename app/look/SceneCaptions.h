// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window draws on its own around the run's picture: the captions that label the scene
// and the line controls, as the design places them. The window builds its controls from these
// tables, and an exported picture draws them from the same tables and the model's state.

#include "Control.h"
#include "ControlLook.h"
#include "Twips.h"

#include <array>

struct SceneCaption
{
    Control control;
    TwipsRect box; // nDetektorH's moves with the distance (see PanelState)
    look::TextBoxLook look;
};

inline constexpr look::TextBoxLook captionLook{};
inline constexpr look::TextBoxLook greenCentred{12, look::Ground::Green, look::Alignment::Centre};

inline constexpr std::array<SceneCaption, 8> sceneCaptions{{
    {Control::nDetektorV, {5880, 1200, 1215, 285}, captionLook},
    {Control::nDetektorH, {5640, 3840, 1215, 285}, captionLook},
    {Control::nDetektorS, {8400, 6120, 1215, 255}, greenCentred},
    {Control::nPravd2podobnost,
     {7440, 960, 1935, 285},
     {12, look::Ground::Grey, look::Alignment::Right, true}},
    {Control::nCornuovySpirály, {7800, 600, 1815, 255}, captionLook},
    {Control::nCornuLatka, {3240, 6600, 1815, 330}, {12, look::Ground::Green}},
    {Control::nVoda, {8280, 5280, 735, 285}, {14.25, look::Ground::Green, look::Alignment::Centre}},
    {Control::nSklo, {8160, 5280, 615, 285}, {14.25, look::Ground::Green, look::Alignment::Centre}},
}};

struct SceneLine
{
    int x1, y1, x2, y2, width;
};

// Line1 to Line7; Line1, detector H's marker, runs at the height the distance gives it.
inline constexpr std::array<SceneLine, 7> sceneLines{{
    {2880, 3720, 11400, 3720, 1},
    {7320, 720, 7320, 7800, 1},
    {2880, 6480, 11400, 6480, 1},
    {2880, 5040, 11400, 5040, 2},
    {2880, 7080, 11400, 7080, 1},
    {9840, 600, 9840, 7800, 1},
    {3120, 840, 3120, 7800, 1},
}};
