// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The exported scene as an SVG file, written without a window system so the window and the page
// write the same bytes: the window's line controls, the run's drawing (and a prediction sketch)
// as shapes in twips, the captions on their grounds, and the settings line under the scene.
// The groups and numbers are those of the window's earlier Qt-written files, so files written
// before and after compare byte for byte.

#include "DrawingList.h"
#include "LetterPixels.h"
#include "WindowLayout.h"

#include <algorithm>
#include <string>
#include <vector>

struct SvgCaption
{
    std::string text;                                // UTF-8, as shown
    double left = 0, top = 0, width = 0, height = 0; // design pixels
    int pixelSize = 16;
    layout::Alignment alignment = layout::Alignment::Left;
    Colour ground = colours::sceneGrey;
};

struct SceneSvgContent
{
    const DrawingList* drawing = nullptr;
    const DrawingList* prediction = nullptr; // drawn over the run when given
    int markerY = 0;                         // detector H's marker line, in twips
    std::vector<SvgCaption> captions;
    std::string settingsLine;
};

// A visible scene caption and its box, in twips.
struct CaptionPlace
{
    Control control;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The visible scene captions of panel, in the order the export draws them; detector H's moves
// with the distance.
template <typename PanelState> std::vector<CaptionPlace> captionPlaces(const PanelState& panel)
{
    std::vector<CaptionPlace> out;
    for (const Control control : layout::sceneCaptions) {
        if (!panel[control].visible) {
            continue;
        }
        const layout::ControlLayout& c = layout::of(control);
        const bool movesWithH = control == Control::nDetektorH;
        out.push_back({control, movesWithH ? panel.detectorHLabelLeft : c.box.left,
                       movesWithH ? panel.detectorHLabelTop : c.box.top, c.box.width,
                       c.box.height});
    }
    return out;
}

// A caption's words in texts, which hold those of layout::sceneCaptions in that order; empty when
// texts ends before it.
inline std::string captionIn(const std::vector<std::string>& texts, Control control)
{
    const auto at = std::find(layout::sceneCaptions.begin(), layout::sceneCaptions.end(), control);
    const auto i = std::size_t(at - layout::sceneCaptions.begin());
    return i < texts.size() ? texts[i] : std::string();
}

// The visible scene captions of panel, in the order the export draws them; text gives a
// caption's words in the language shown.
template <typename PanelState, typename TextOf>
std::vector<SvgCaption> svgCaptions(const PanelState& panel, TextOf text)
{
    std::vector<SvgCaption> out;
    for (const CaptionPlace& place : captionPlaces(panel)) {
        const layout::ControlLayout& c = layout::of(place.control);
        out.push_back(
            {text(place.control), place.left / 15.0, place.top / 15.0, place.width / 15.0,
             place.height / 15.0, int(c.points * 96 / 72 + 0.5), c.alignment,
             c.ground == layout::Ground::Green ? colours::substanceGreen : colours::sceneGrey});
    }
    return out;
}

// The scene's size in design pixels, the settings line included: 587 x 513.
inline constexpr int sceneSvgWidth = int((11445 - layout::sceneBounds.leftX) / 15);
inline constexpr int sceneSvgHeight = int((7815 - layout::sceneBounds.topY) / 15) + 24;

// The settings line's box under the scene, in design pixels.
inline constexpr VectorRect settingsLineBox{8, sceneSvgHeight - 24, sceneSvgWidth - 16, 24};

std::string sceneSvg(const SceneSvgContent& content);
