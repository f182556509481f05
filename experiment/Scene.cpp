// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Scene.h"

#include "SceneGeometry.h"
#include "Surface.h"

using namespace scene;

void drawScene(Surface& surface, double detectorDistance)
{
    // Slightly sloped lines, one twip apart, cover the whole client area and everything an
    // earlier run left on it; drawn at the width in force, which every run leaves at 1.
    for (int i = 1; i <= 9000; ++i) {
        surface.line(1, float(i + 1), 12000, float(i), colours::sceneGrey);
    }
    for (int i = 1; i <= 2500; ++i) {
        const auto y = float(surfaceY + i);
        surface.line(float(substanceLeftX), y, float(plotRightX), y, colours::substanceGreen);
    }

    surface.setDrawWidth(2);
    surface.line(float(substanceLeftX), float(surfaceY), float(plotRightX), float(surfaceY));
    surface.line(float(spiralX), float(sweepTopY), float(spiralX), float(sweepBottomY));
    surface.line(float(plotLeftX), float(spiralAxisLY), float(plotRightX), float(spiralAxisLY));

    surface.setDrawWidth(1);
    const auto hY = float(detectorHY(detectorDistance));
    surface.line(float(probeX), float(sweepTopY), float(probeX), float(sweepBottomY));
    surface.line(float(plotLeftX), hY, float(plotRightX), hY);
    surface.line(float(plotLeftX), float(detectorLY), float(plotRightX), float(detectorLY));
    surface.line(float(stripLeftX), float(sweepTopY), float(stripLeftX), float(sweepBottomY));
}
