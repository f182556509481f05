// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LightPaths.h"

#include "RunParameters.h"
#include "RunSettings.h"
#include "SceneGeometry.h"
#include "Surface.h"

#include <cmath>

using namespace scene;

namespace {

struct Direction
{
    double sin = 0;
    double cos = 0;
};

void line(Surface& surface, double x1, double y1, double x2, double y2)
{
    surface.line(float(x1), float(y1), float(x2), float(y2));
}

void whiteLine(Surface& surface, double x1, double y1, double x2, double y2)
{
    surface.line(float(x1), float(y1), float(x2), float(y2), colours::white);
}

// 1001 rays coming up through the substance to the points of the lit stretch; their lower ends
// lie on a line square to the rays.
void drawIncidentBeam(Surface& surface, Direction incidence)
{
    const auto [s, c] = incidence;
    for (int i = 0; i <= stripSteps; ++i) {
        const double beamLen = 500 + i * s;
        // The same short line every time, as the program has always drawn it.
        line(surface, stripLeftX, surfaceY, stripLeftX + 500 * s * c, surfaceY + 500 * c * c);
        line(surface, stripLeftX + i, surfaceY, stripLeftX + i - beamLen * s,
             surfaceY + beamLen * c);
    }
}

void drawReflectedEdges(Surface& surface, Direction incidence)
{
    const auto [s, c] = incidence;
    const double beamLen = 500 + s;
    for (const double x : {stripLeftX, stripLeftX + stripSteps}) {
        whiteLine(surface, x, surfaceY, x + 3 * beamLen * s, surfaceY + 3 * beamLen * c);
    }
}

// The ray along the surface at the critical angle, and the reflected ray over the first edge.
void drawCritical(Surface& surface, const RunSettings& settings, double outSin)
{
    whiteLine(surface, stripLeftX, surfaceY, stripLeftX + stripSteps + 3200 * outSin, surfaceY);
    if (settings.substance != keys::water && settings.substance != keys::glass) {
        return;
    }
    const double alphaRad = radians(settings.alpha);
    whiteLine(surface, stripLeftX, surfaceY, stripLeftX + 1500 * std::sin(alphaRad),
              surfaceY + 1500 * std::cos(alphaRad));
}

void drawRefractedEdges(Surface& surface, const RunSettings& settings, double outSin)
{
    const bool water = settings.substance == keys::water;
    if (!water && settings.substance != keys::glass) {
        return;
    }
    const double cosSquared = 1 - outSin * outSin;
    if (cosSquared < 0) {
        return; // total reflection: there is no refracted ray to draw
    }
    const double outCos = std::sqrt(cosSquared);
    const double firstLen = water ? 5500 : 4850;
    const double secondLen = water ? 4200 : 3700;
    whiteLine(surface, stripLeftX, surfaceY, stripLeftX + firstLen * outSin,
              surfaceY - firstLen * outCos);
    const double rightX = stripLeftX + stripSteps;
    whiteLine(surface, rightX, surfaceY, rightX + secondLen * outSin,
              surfaceY - secondLen * outCos);
}

} // namespace

void drawLightPaths(Surface& surface, const RunSettings& settings)
{
    const double alphaRad = radians(settings.alpha);
    const Direction incidence{std::sin(alphaRad), std::cos(alphaRad)};
    const double outSin = settings.refrIndex * incidence.sin;

    drawIncidentBeam(surface, incidence);

    surface.setDrawWidth(2);
    drawReflectedEdges(surface, incidence);
    if (settings.angleCase == keys::angleCritical) {
        drawCritical(surface, settings, outSin);
    } else if (settings.angleCase == keys::angle35) {
        drawRefractedEdges(surface, settings, outSin);
    }
    // "60" and unknown cases draw nothing more.
    surface.setDrawWidth(1);
}
