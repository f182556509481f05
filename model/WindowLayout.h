// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window as designed, once for every front end: each control's kind, place and look in tab
// order, the line controls, where the scene begins, and where the detectors stand at a step.
// Places are in twips; a control inside a frame is placed relative to its frame.

#include "Control.h"
#include "SceneClip.h"
#include "SceneGeometry.h"
#include "SweepStep.h"

#include <array>
#include <optional>

namespace layout {

inline constexpr int twipsPerPixel = 15;
// The window's client area at its design size, in pixels.
inline constexpr int designWidth = 763;
inline constexpr int designHeight = 575;

enum class Kind
{
    Caption,     // a display text box that labels something
    Field,       // a settings field the user types into
    HiddenField, // a settings field never shown: it holds a choice's key
    Button,
    Frame,
    Option,
    ScrollBar,
    Label // the prompt on the window's own surface, under the picture
};

enum class Ground
{
    Grey,
    Green // the substance's
};

enum class Alignment
{
    Left,
    Centre,
    Right
};

struct Box
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Box&, const Box&) = default;
};

struct ControlLayout
{
    Control control;
    Kind kind;
    Box box;
    std::optional<Control> frame = std::nullopt; // the frame an option lies in
    double points = 0; // serif bold text of this size; 0 for the kind's own font
    Ground ground = Ground::Grey;
    Alignment alignment = Alignment::Left;
    bool blackText = false; // black whatever the system's button-text colour
};

// Indexed by Control, which is the tab order.
inline constexpr std::array<ControlLayout, controlCount> controls{{
    {Control::nuBrontel, Kind::Caption, {4440, 0, 2295, 375}, {}, 15.75},
    {Control::cmdStart, Kind::Button, {6840, 0, 975, 375}, {}, 18},
    {Control::nAlfa, Kind::Field, {960, 5040, 855, 330}, {}, 14.25},
    {Control::frmDopad, Kind::Frame, {480, 5400, 1335, 1095}, {}},
    {Control::opMezní, Kind::Option, {360, 480, 735, 255}, Control::frmDopad},
    {Control::opVětší, Kind::Option, {480, 720, 615, 255}, Control::frmDopad},
    {Control::opMenší, Kind::Option, {240, 240, 735, 195}, Control::frmDopad},
    {Control::nAlfaCaption, Kind::HiddenField, {2880, 120, 735, 285}, {}},
    {Control::nLátka, Kind::HiddenField, {2040, 120, 735, 285}, {}},
    {Control::nIndex, Kind::Field, {720, 1440, 855, 330}, {}, 14.25},
    {Control::frmLátka, Kind::Frame, {480, 1800, 975, 975}, {}},
    {Control::opVoda, Kind::Option, {120, 240, 735, 255}, Control::frmLátka},
    {Control::opSklo, Kind::Option, {120, 600, 735, 255}, Control::frmLátka},
    {Control::nDistance, Kind::HiddenField, {2040, 3960, 495, 285}, {}},
    {Control::frmDistance, Kind::Frame, {240, 3120, 1935, 1335}, {}},
    {Control::opVelkáDistance, Kind::Option, {120, 240, 1335, 255}, Control::frmDistance},
    {Control::opStředníDistance, Kind::Option, {600, 600, 855, 255}, Control::frmDistance},
    {Control::opMaláDistance, Kind::Option, {1080, 960, 615, 255}, Control::frmDistance},
    {Control::nTextIndex, Kind::Caption, {480, 1200, 1095, 285}, {}, 12},
    // nDetektorH moves with the distance (PanelState); this is its place as designed.
    {Control::nDetektorH, Kind::Caption, {5640, 3840, 1215, 285}, {}, 12},
    {Control::nDetektorS,
     Kind::Caption,
     {8400, 6120, 1215, 255},
     {},
     12,
     Ground::Green,
     Alignment::Centre},
    {Control::nDetektorV, Kind::Caption, {5880, 1200, 1215, 285}, {}, 12},
    {Control::nCornuovySpirály, Kind::Caption, {7800, 600, 1815, 255}, {}, 12},
    {Control::nPravd2podobnost,
     Kind::Caption,
     {7440, 960, 1935, 285},
     {},
     12,
     Ground::Grey,
     Alignment::Right,
     true},
    {Control::cmdKonec, Kind::Button, {8040, 0, 1215, 375}, {}, 18},
    {Control::labKlepnete,
     Kind::Label,
     {3960, 1800, 3255, 855},
     {},
     18,
     Ground::Grey,
     Alignment::Centre},
    {Control::nSklo,
     Kind::Caption,
     {8160, 5280, 615, 285},
     {},
     14.25,
     Ground::Green,
     Alignment::Centre},
    {Control::nVoda,
     Kind::Caption,
     {8280, 5280, 735, 285},
     {},
     14.25,
     Ground::Green,
     Alignment::Centre},
    {Control::nCornuLatka, Kind::Caption, {3240, 6600, 1815, 330}, {}, 12, Ground::Green},
    {Control::nSpomaleni, Kind::HiddenField, {5040, 720, 855, 375}, {}},
    {Control::frmAnimace, Kind::Frame, {480, 6600, 1335, 1095}, {}},
    {Control::opRychlá, Kind::Option, {120, 240, 855, 255}, Control::frmAnimace},
    {Control::opPomalejší, Kind::Option, {120, 480, 1095, 255}, Control::frmAnimace},
    {Control::opPomalá, Kind::Option, {120, 720, 975, 255}, Control::frmAnimace},
    {Control::HScroll1, Kind::ScrollBar, {4080, 480, 2415, 255}, {}},
}};

constexpr bool inControlOrder()
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (std::size_t(controls[i].control) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inControlOrder());

constexpr const ControlLayout& of(Control control)
{
    return controls[std::size_t(control)];
}

// The captions that label the scene, in the order an exported picture draws them.
inline constexpr std::array<Control, 8> sceneCaptions{
    Control::nDetektorV,       Control::nDetektorH,  Control::nDetektorS, Control::nPravd2podobnost,
    Control::nCornuovySpirály, Control::nCornuLatka, Control::nVoda,      Control::nSklo,
};

// The seven line controls Line1 to Line7: their ends in twips and their width in pixels.
// Line1, detector H's marker, runs at the height the distance gives it (PanelState).
struct LineControl
{
    int x1, y1, x2, y2, width;
};
inline constexpr std::array<LineControl, 7> lines{{
    {2880, 3720, 11400, 3720, 1},
    {7320, 720, 7320, 7800, 1},
    {2880, 6480, 11400, 6480, 1},
    {2880, 5040, 11400, 5040, 2},
    {2880, 7080, 11400, 7080, 1},
    {9840, 600, 9840, 7800, 1},
    {3120, 840, 3120, 7800, 1},
}};

// Where a run's drawing may go: right of the control panel, below the title row, and off the
// scroll bar that stands in the scene's upper left corner.
inline constexpr SceneBounds sceneBounds{
    2640, 480, double(of(Control::HScroll1).box.left),
    double(of(Control::HScroll1).box.left + of(Control::HScroll1).box.width),
    double(of(Control::HScroll1).box.top + of(Control::HScroll1).box.height)};

// Where the detectors V, H and L stand at a step of a run, in twips.
struct Point
{
    double x = 0;
    double y = 0;
};
inline std::array<Point, 3> detectorPlaces(const SweepStep& step, double detectorDistance)
{
    return {{{scene::probeX, double(step.y())},
             {step.detectorX(), scene::detectorHY(detectorDistance)},
             {step.detectorX(), scene::detectorLY}}};
}

} // namespace layout
