// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureLettering.h"

#include "LetterPixels.h"
#include "PixelRaster.h"
#include "SceneSvg.h"
#include "WindowLayout.h"

LettersLeft letterPicture(const PixelCanvas& pixels, const GlyphAtlas& atlas,
                          const PanelState& panel,
                          const std::function<std::string(Control)>& captionText,
                          const std::string& settingsLine, int times)
{
    LettersLeft left;
    for (const CaptionPlace& place : captionPlaces(panel)) {
        const layout::ControlLayout& c = layout::of(place.control);
        constexpr double twips = layout::twipsPerPixel;
        const VectorRect box{(place.left - layout::sceneBounds.leftX) / twips,
                             (place.top - layout::sceneBounds.topY) / twips, place.width / twips,
                             place.height / twips};
        fillBox(pixels, box, times,
                toPixel(c.ground == layout::Ground::Green ? colours::substanceGreen
                                                          : colours::sceneGrey,
                        pixels.order));
        if (!writeCaption(pixels, atlas, captionText(place.control), place.left, place.top,
                          times)) {
            left.captions.push_back(place.control);
        }
    }
    left.settingsLine = !writeLine(pixels, atlas, settingsLine, settingsLineBox, times);
    return left;
}
