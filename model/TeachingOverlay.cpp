// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeachingOverlay.h"

#include "ClassicalOptics.h"
#include "SceneGeometry.h"
#include "TextMark.h"
#include "WindowLayout.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace overlay {

namespace {
// The overlay's words. The scope is overlay::textScope, spelled out for lupdate.
namespace words {
// Czech has "hladina" for a liquid's surface only: glass, or a substance not known, has
// "rozhraní".
//: Beside detector V's probe line, which runs down through the surface of the water.
constexpr std::string_view probeV = QT_TRANSLATE_NOOP("TeachingOverlay", "V: sonda skrz hladinu");
//: Beside detector V's probe line, which runs down through the surface of the glass.
constexpr std::string_view probeVGlass =
    QT_TRANSLATE_NOOP("TeachingOverlay", "V: sonda skrz rozhraní");
//: Above detector H's line in the air; %1 is its height above the surface of the water
//: (100, 750 or 1500 twips).
constexpr std::string_view airH =
    QT_TRANSLATE_NOOP("TeachingOverlay", "H: ve vzduchu, %1 twipů nad hladinou");
//: Above detector H's line in the air; %1 is its height above the surface of the glass
//: (100, 750 or 1500 twips).
constexpr std::string_view airHGlass =
    QT_TRANSLATE_NOOP("TeachingOverlay", "H: ve vzduchu, %1 twipů nad rozhraním");
//: Above detector L's line in the substance.
constexpr std::string_view substanceL = QT_TRANSLATE_NOOP("TeachingOverlay", "L: v látce");
//: Legend under the picture: each spiral is a chain of 1001 arrows, and each curve's bar is
//: the squared length from the chain's start to its end.
constexpr std::string_view spirals = QT_TRANSLATE_NOOP(
    "TeachingOverlay",
    "Spirály: 1001 šipek za sebou; sloupec = druhá mocnina vzdálenosti začátek–konec");
//: Left of the pace scroll bar at the top.
constexpr std::string_view speed = QT_TRANSLATE_NOOP("TeachingOverlay", "Rychlost");
//: On the normal to the surface drawn at the end of the lit stretch.
constexpr std::string_view normal = QT_TRANSLATE_NOOP("TeachingOverlay", "normála");
//: The angle of incidence on its arc: %1 in true degrees, %2 as the program holds it (it
//: takes pi as 3.14, so its 35 is 34.98 true degrees).
constexpr std::string_view incidence =
    QT_TRANSLATE_NOOP("TeachingOverlay", "α = %1° (v programu %2)");
//: The angle of refraction on its arc, in degrees.
constexpr std::string_view refraction = QT_TRANSLATE_NOOP("TeachingOverlay", "β = %1°");
//: The critical angle at the end of its line, in degrees.
constexpr std::string_view critical = QT_TRANSLATE_NOOP("TeachingOverlay", "θc = %1°");
//: Heading of the box of what classical optics predicts, with the true pi (the run itself
//: takes pi as 3.14).
constexpr std::string_view heading =
    QT_TRANSLATE_NOOP("TeachingOverlay", "Klasická optika (skutečné stupně)");
//: %1 the refractive index, %2 the sine of the critical angle.
constexpr std::string_view indexLine =
    QT_TRANSLATE_NOOP("TeachingOverlay", "n = %1,  sin θc = 1/n = %2");
//: %1 the critical angle, %2 the angle of incidence, in true degrees; %3 the angle of
//: incidence as the program holds it.
constexpr std::string_view anglesLine =
    QT_TRANSLATE_NOOP("TeachingOverlay", "θc = %1°,  α = %2° (v programu %3)");
//: %1 the angle of refraction by Snell's law, in degrees.
constexpr std::string_view snellLine =
    QT_TRANSLATE_NOOP("TeachingOverlay", "Snellův zákon: lom β = %1°");
//: In place of the angle of refraction when there is none.
constexpr std::string_view totalLine =
    QT_TRANSLATE_NOOP("TeachingOverlay", "úplný odraz (n sin α > 1)");
//: Fresnel's reflectances for s- and p-polarised light, in percent, to two significant
//: figures.
constexpr std::string_view fresnelLine =
    QT_TRANSLATE_NOOP("TeachingOverlay", "Fresnel: Rs = %1 %,  Rp = %2 %");
//: The evanescent wave's penetration depth into the air: %1 in twips, %2 in
//: wavelengths in air (λ₀).
constexpr std::string_view depthLine =
    QT_TRANSLATE_NOOP("TeachingOverlay", "hloubka vniku %1 twipu = %2 λ₀");
//: In place of the penetration depth when the light is refracted, not totally reflected.
constexpr std::string_view noDepthLine =
    QT_TRANSLATE_NOOP("TeachingOverlay", "hloubka vniku: žádná, láme se");
//: Under the heading when classical optics predicts nothing for the index and angle
//: typed.
constexpr std::string_view noPrediction =
    QT_TRANSLATE_NOOP("TeachingOverlay", "pro tento index a úhel nic");
//: When the angle of incidence lies closer to the critical angle than the beam's spread: %1
//: the spread in degrees. The lit stretch is only 1000 twips wide, so the beam's directions
//: spread on both sides of the critical angle and part of it is refracted after all.
constexpr std::string_view spreadLine =
    QT_TRANSLATE_NOOP("TeachingOverlay", "rozbíhavost ±%1° sahá přes θc: část se láme");
//: Which angle option's parameters (curve scales, arrow lengths, rays drawn) the run takes.
constexpr std::string_view option35 =
    QT_TRANSLATE_NOOP("TeachingOverlay", "parametry pokusu: volba „35“");
//: Which angle option's parameters (curve scales, arrow lengths, rays drawn) the run takes.
constexpr std::string_view option60 =
    QT_TRANSLATE_NOOP("TeachingOverlay", "parametry pokusu: volba „60“");
//: Which angle option's parameters (curve scales, arrow lengths, rays drawn) the run takes;
//: "Mezní" is the option of the critical angle.
constexpr std::string_view optionCritical =
    QT_TRANSLATE_NOOP("TeachingOverlay", "parametry pokusu: volba „Mezní“");
//: Under the option when the angle typed is not the option's own: the picture keeps the
//: option's curve scales (and its arrow lengths and rays), whatever the angle.
constexpr std::string_view typedAngleLine =
    QT_TRANSLATE_NOOP("TeachingOverlay", "α není úhel volby: kreslí se v jejím měřítku");
} // namespace words

constexpr double pi = optics::pi;

// A value to two significant figures: a reflectance of 0.06 % must not read 0.1 %.
Number twoFigures(double value)
{
    if (!(value > 0) || !std::isfinite(value)) {
        return {value, 0};
    }
    int decimals = 1 - int(std::floor(std::log10(value)));
    // 0.0996 rounds to 0.10, which has its first figure one place further left.
    if (std::round(value * std::pow(10.0, decimals)) >= 100) {
        --decimals;
    }
    return {value, std::clamp(decimals, 0, 9)};
}

// An angle as the program holds it, to as many decimals as its text has (48.783, 35, 45.5).
Number asHeld(double degrees)
{
    int decimals = 0;
    while (decimals < 6 && std::abs(std::round(degrees * std::pow(10.0, decimals)) -
                                    degrees * std::pow(10.0, decimals)) > 1e-6) {
        ++decimals;
    }
    return {degrees, decimals};
}

bool isGlassOrUnknown(const RunSettings& settings)
{
    return settings.substance != Substance::Water;
}

std::string_view optionWords(AngleCase angleCase)
{
    switch (angleCase) {
    case AngleCase::Angle35:
        return words::option35;
    case AngleCase::Angle60:
        return words::option60;
    case AngleCase::Critical:
        return words::optionCritical;
    }
    return {};
}

// The angle the option itself writes into the angle field; none for the critical option
// without a known substance.
double optionAngle(AngleCase angleCase, Substance substance)
{
    if (const auto degrees = facts(angleCase).degrees) {
        return *degrees;
    }
    return facts(substance).criticalAngle;
}

// The angles are drawn at the right end of the lit stretch: below it, between the normal and
// the last incident ray, the picture is plain substance, and above it, between the normal and
// the refracted edge, plain air.
constexpr Point vertex{scene::stripLeftX + scene::stripSteps, scene::surfaceY};
constexpr double normalReach = 800;
constexpr double arcRadius = 450;
constexpr double labelRadius = 560;
constexpr double criticalReach = 1150;

// The point at distance from the vertex in the screen direction degrees.
Point along(double degrees, double distance)
{
    const double radians = degrees * pi / 180;
    return {vertex.x + distance * std::cos(radians), vertex.y + distance * std::sin(radians)};
}

// Where the texts stand; chosen beside the design's captions and out of the control panel and
// the scroll bar: the pace's words left of the bar, at its middle height; the panel and the
// legend just right of where the scene begins, the panel under the bar.
constexpr layout::Box scrollBar = layout::of(Control::HScroll1).box;
constexpr Point speedCaption{scrollBar.left - 60.0, double(scrollBar.top + scrollBar.height / 2)};
constexpr Point panelCorner{layout::sceneBounds.leftX + 60, layout::sceneBounds.scrollBottomY + 55};
constexpr Point spiralsLegend{layout::sceneBounds.leftX + 60, 7530};
// V's words left of the probe line just under the surface, where no curve or spiral runs.
constexpr Point probeWords{scene::probeX - 40, scene::surfaceY + 50};
constexpr double besideLine = 40; // texts stand this far above the line they explain
constexpr double letterRightX = 11380;
} // namespace

std::vector<Phrase> theoryPanel(const RunSettings& settings)
{
    std::vector<Phrase> panel{{words::heading, {}}};
    const auto p = optics::predict(settings.refrIndex, settings.alpha);
    if (!p) {
        panel.push_back({words::noPrediction, {}});
        return panel;
    }
    panel.push_back({words::indexLine, {{p->n, 2}, {p->criticalSine, 3}}});
    panel.push_back(
        {words::anglesLine, {{p->criticalAngle, 2}, {p->incidence, 2}, asHeld(settings.alpha)}});
    if (p->refraction) {
        panel.push_back({words::snellLine, {{*p->refraction, 2}}});
    } else {
        panel.push_back({words::totalLine, {}});
    }
    panel.push_back(
        {words::fresnelLine, {twoFigures(p->reflectance.s), twoFigures(p->reflectance.p)}});
    if (p->depthTwips && p->depthWavelengths) {
        panel.push_back({words::depthLine, {{*p->depthTwips, 2}, {*p->depthWavelengths, 2}}});
    } else {
        panel.push_back({words::noDepthLine, {}});
    }
    const double spread = optics::beamSpread(p->n, p->incidence, scene::stripSteps);
    if (std::abs(p->incidence - p->criticalAngle) < spread) {
        panel.push_back({words::spreadLine, {{spread, 2}}});
    }
    panel.push_back({optionWords(settings.angleCase), {}});
    if (std::abs(optionAngle(settings.angleCase, settings.substance) - settings.alpha) > 1e-9) {
        panel.push_back({words::typedAngleLine, {}});
    }
    return panel;
}

Picture teachingOverlay(const RunSettings& settings)
{
    Picture picture;
    picture.panelTopLeft = panelCorner;
    picture.panel = theoryPanel(settings);

    // The normal, through the surface.
    picture.lines.push_back(
        {{vertex.x, vertex.y - normalReach}, {vertex.x, vertex.y + normalReach}});
    picture.texts.push_back(
        {{vertex.x + 40, vertex.y - normalReach}, Anchor::BottomLeft, {words::normal, {}}});

    const auto p = optics::predict(settings.refrIndex, settings.alpha);
    if (p) {
        // The incident rays come up from the lower left at α to the normal: down is 90°.
        const double alpha = p->incidence;
        picture.arcs.push_back({vertex, arcRadius, 90, alpha});
        // Its value right of the normal, in the plain substance under the arc.
        picture.texts.push_back({{vertex.x + 60, vertex.y + arcRadius + 30},
                                 Anchor::TopLeft,
                                 {words::incidence, {{alpha, 2}, asHeld(settings.alpha)}}});
        // The refracted ray leaves up and to the right at β: up is −90°.
        if (p->refraction) {
            picture.arcs.push_back({vertex, arcRadius, -90, *p->refraction});
            picture.texts.push_back({along(-90 + *p->refraction / 2, labelRadius),
                                     Anchor::BottomLeft,
                                     {words::refraction, {{*p->refraction, 2}}}});
        }
        const Point end = along(90 + p->criticalAngle, criticalReach);
        picture.lines.push_back({vertex, end, Ink::Critical});
        // Its value to the right of its end, which keeps it off the control panel.
        picture.texts.push_back({end, Anchor::TopLeft, {words::critical, {{p->criticalAngle, 2}}}});
    }

    // H's and L's words at the right ends of their lines, where the curves never reach.
    const double hY = scene::detectorHY(settings.detectorDistance);
    const bool glass = isGlassOrUnknown(settings);
    picture.texts.push_back(
        {probeWords, Anchor::TopRight, {glass ? words::probeVGlass : words::probeV, {}}});
    picture.texts.push_back(
        {{letterRightX, hY - besideLine},
         Anchor::BottomRight,
         {glass ? words::airHGlass : words::airH, {{settings.detectorDistance, 0}}}});
    picture.texts.push_back({{letterRightX, scene::detectorLY - besideLine},
                             Anchor::BottomRight,
                             {words::substanceL, {}}});
    picture.texts.push_back({spiralsLegend, Anchor::TopLeft, {words::spirals, {}}});
    picture.controlCaptions.push_back({speedCaption, Anchor::Right, {words::speed, {}}});
    return picture;
}

std::vector<std::string_view> allWords()
{
    return {words::probeV,        words::probeVGlass, words::airH,        words::airHGlass,
            words::substanceL,    words::spirals,     words::speed,       words::normal,
            words::incidence,     words::refraction,  words::critical,    words::heading,
            words::anglesLine,    words::indexLine,   words::snellLine,   words::totalLine,
            words::fresnelLine,   words::depthLine,   words::noDepthLine, words::noPrediction,
            words::spreadLine,    words::option35,    words::option60,    words::optionCritical,
            words::typedAngleLine};
}

} // namespace overlay
