// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LightPaths.h"

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

// The incident ray to surface point 0 is this long; each later point's ray is longer by the
// extra path i * sin(alpha), so the rays' lower ends lie on one wavefront, square to the rays.
constexpr double firstRayLength = 500;

// 1001 rays coming up through the substance to the points of the lit stretch.
void drawIncidentBeam(Surface& surface, Direction incidence)
{
    const auto [s, c] = incidence;
    for (int i = 0; i <= stripSteps; ++i) {
        const double beamLen = firstRayLength + i * s;
        // The same short line every time, as the program has always drawn it.
        line(surface, stripLeftX, surfaceY, stripLeftX + firstRayLength * s * c,
             surfaceY + firstRayLength * c * c);
        line(surface, stripLeftX + i, surfaceY, stripLeftX + i - beamLen * s,
             surfaceY + beamLen * c);
    }
}

void drawReflectedEdges(Surface& surface, Direction incidence)
{
    const auto [s, c] = incidence;
    // Three times the incident ray of surface point 1: the edges have always been drawn with
    // that length, whatever the point they start from.
    const double beamLen = firstRayLength + s;
    for (const double x : {stripLeftX, stripLeftX + stripSteps}) {
        whiteLine(surface, x, surfaceY, x + 3 * beamLen * s, surfaceY + 3 * beamLen * c);
    }
}

// The ray along the surface at the critical angle, and the reflected ray over the first edge.
void drawCritical(Surface& surface, const RunSettings& settings, double outSin)
{
    whiteLine(surface, stripLeftX, surfaceY, stripLeftX + stripSteps + 3200 * outSin, surfaceY);
    const double alphaRad = radians(settings.alpha);
    whiteLine(surface, stripLeftX, surfaceY, stripLeftX + 1500 * std::sin(alphaRad),
              surfaceY + 1500 * std::cos(alphaRad));
}

void drawRefractedEdges(Surface& surface, const RunSettings& settings, double outSin)
{
    const bool water = settings.substance == Substance::Water;
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
    if (settings.angleCase == AngleCase::Critical) {
        drawCritical(surface, settings, outSin);
    } else if (settings.angleCase == AngleCase::Angle35) {
        drawRefractedEdges(surface, settings, outSin);
    }
    // At 60 degrees nothing more is drawn.
    surface.setDrawWidth(1);
}
