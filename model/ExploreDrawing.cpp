// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExploreDrawing.h"

#include "ClassicalOptics.h"
#include "TextMark.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace exploreview {

namespace {

using std::numbers::pi;

namespace words {
constexpr const char* geometry =
    QT_TRANSLATE_NOOP("ExploreView", "Svazek u hladiny (výšky nejsou v měřítku)");
constexpr const char* substance = QT_TRANSLATE_NOOP("ExploreView", "látka, n = %1");
constexpr const char* air = QT_TRANSLATE_NOOP("ExploreView", "vzduch");
constexpr const char* block = QT_TRANSLATE_NOOP("ExploreView", "druhý blok, n₂ = %1");
constexpr const char* angle = QT_TRANSLATE_NOOP("ExploreView", "α = %1°");
constexpr const char* detector = QT_TRANSLATE_NOOP("ExploreView", "H");
constexpr const char* heights =
    QT_TRANSLATE_NOOP("ExploreView", "Intenzita v H podle výšky nad hladinou (vůči hladině)");
constexpr const char* heightAxis = QT_TRANSLATE_NOOP("ExploreView", "výška z (twipy)");
constexpr const char* arrows = QT_TRANSLATE_NOOP("ExploreView", "šipky");
constexpr const char* classicalDecay = QT_TRANSLATE_NOOP("ExploreView", "klasicky e^(−2z/d)");
constexpr const char* depth = QT_TRANSLATE_NOOP("ExploreView", "d");
constexpr const char* below = QT_TRANSLATE_NOOP(
    "ExploreView", "Pod mezním úhlem světlo odchází do vzduchu:\nintenzita neklesá.");
constexpr const char* falseBeam =
    QT_TRANSLATE_NOOP("ExploreView", "Krok %1 twipu není menší než λ₀/(1 + n sin α) = %2 "
                                     "twipu:\nbody hladiny posílají do vzduchu falešný svazek.");
constexpr const char* narrow =
    QT_TRANSLATE_NOOP("ExploreView", "Svazek je úzký: pro tento úhel potřebuje pás aspoň %1 "
                                     "twipů,\njinak světlo z jeho okrajů zakryje evanescentní "
                                     "vlnu.");
constexpr const char* hardEdges =
    QT_TRANSLATE_NOOP("ExploreView", "Ostré okraje svazku ohýbají světlo do vzduchu;\nto "
                                     "zakryje evanescentní vlnu.");
constexpr const char* spiral =
    QT_TRANSLATE_NOOP("ExploreView", "Cornuova spirála ve výšce z = %1 twipu");
constexpr const char* resultant = QT_TRANSLATE_NOOP("ExploreView", "výslednice");
constexpr const char* gap = QT_TRANSLATE_NOOP("ExploreView", "Světlo v druhém bloku podle mezery");
constexpr const char* gapAxis = QT_TRANSLATE_NOOP("ExploreView", "mezera (twipy)");
constexpr const char* gapArrows = QT_TRANSLATE_NOOP("ExploreView", "šipky (vůči dotyku)");
constexpr const char* gapClassical =
    QT_TRANSLATE_NOOP("ExploreView", "klasicky: propustnost mezery (s)");
constexpr const char* noBlock = QT_TRANSLATE_NOOP("ExploreView", "Druhý blok je vypnutý.");
constexpr const char* fresnel =
    QT_TRANSLATE_NOOP("ExploreView", "Odrazivost R podle úhlu dopadu (Fresnel)");
constexpr const char* angleAxis = QT_TRANSLATE_NOOP("ExploreView", "úhel dopadu (°)");
constexpr const char* reflectanceS = QT_TRANSLATE_NOOP("ExploreView", "R (s)");
constexpr const char* reflectanceP = QT_TRANSLATE_NOOP("ExploreView", "R (p)");
constexpr const char* critical = QT_TRANSLATE_NOOP("ExploreView", "θc");
constexpr const char* brewster = QT_TRANSLATE_NOOP("ExploreView", "θB");
} // namespace words

constexpr Colour frameGrey = 0x00A0A0A0;
constexpr Colour airGrey = 0x00F2F2F2;
constexpr Colour substanceColour = colours::substanceGreen;
constexpr Colour blockGreen = 0x00D8FFD8;
constexpr Colour arrowsBlue = 0x00C04000;
constexpr Colour classicalRed = 0x002020C0;
constexpr Colour pickGold = 0x0000A0E0;
constexpr Colour warningRed = 0x000000B0;

// A plot's box (twips) and the ranges it shows; y in powers of ten when logarithmic.
struct Plot
{
    double left, top, w, h;
    double x0, x1;
    double y0, y1;
    bool logY;

    double px(double x) const { return left + (x - x0) / (x1 - x0) * w; }
    double py(double y) const
    {
        const double v = logY ? std::log10(std::max(y, 1e-300)) : y;
        const double clamped = std::clamp(v, y0, y1);
        return top + h - (clamped - y0) / (y1 - y0) * h;
    }
};

void line(DrawingList& d, double x1, double y1, double x2, double y2, Colour c, int width = 1)
{
    d.setDrawWidth(width);
    d.line(float(x1), float(y1), float(x2), float(y2), c);
}

// A filled box, as the main picture fills its background: level lines a design pixel apart.
void fill(DrawingList& d, double left, double top, double right, double bottom, Colour c)
{
    // Two pixels wide, so that no gap shows between them at any size.
    for (double y = top; y <= bottom; y += 15) {
        line(d, left, y, right, y, c, 2);
    }
}

void frame(DrawingList& d, const Plot& p)
{
    line(d, p.left, p.top, p.left + p.w, p.top, frameGrey);
    line(d, p.left + p.w, p.top, p.left + p.w, p.top + p.h, frameGrey);
    line(d, p.left + p.w, p.top + p.h, p.left, p.top + p.h, frameGrey);
    line(d, p.left, p.top + p.h, p.left, p.top, frameGrey);
}

// A curve through data points; dashed draws every other piece of about 60 twips.
void curve(DrawingList& d, const Plot& p, const std::vector<std::pair<double, double>>& points,
           Colour c, bool dashed = false)
{
    constexpr double dash = 80; // twips drawn, then as many left out
    double run = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double x1 = p.px(points[i - 1].first);
        const double y1 = p.py(points[i - 1].second);
        const double x2 = p.px(points[i].first);
        const double y2 = p.py(points[i].second);
        if (!dashed) {
            line(d, x1, y1, x2, y2, c, 2);
            continue;
        }
        const double length = std::hypot(x2 - x1, y2 - y1);
        const int pieces = std::max(1, int(std::ceil(length / (dash / 4))));
        for (int k = 0; k < pieces; ++k) {
            if (std::fmod(run, 2 * dash) < dash) {
                line(d, x1 + (x2 - x1) * k / pieces, y1 + (y2 - y1) * k / pieces,
                     x1 + (x2 - x1) * (k + 1) / pieces, y1 + (y2 - y1) * (k + 1) / pieces, c, 2);
            }
            run += length / pieces;
        }
    }
}

void title(Drawing& out, const Plot& p, const char* words, std::vector<Number> numbers = {})
{
    out.labels.push_back({p.left, p.top - 60, Anchor::BottomLeft, words, {}, std::move(numbers)});
}

// Decades on a logarithmic axis, labelled 10^k, and the x axis's ticks every step.
void axes(Drawing& out, const Plot& p, double xStep, int xDecimals, const char* xWords)
{
    for (int k = int(std::ceil(p.y0)); k <= int(std::floor(p.y1)); ++k) {
        const double y = p.top + p.h - (k - p.y0) / (p.y1 - p.y0) * p.h;
        line(out.lines, p.left, y, p.left + 60, y, frameGrey);
        std::string text = k == 0 ? "1" : "10^" + std::to_string(k);
        if (p.logY) {
            out.labels.push_back({p.left - 40, y, Anchor::Right, nullptr, text, {}});
        }
    }
    const int ticks = int(std::floor((p.x1 - p.x0) / xStep + 1e-9));
    for (int i = 0; i <= ticks; ++i) {
        const double x = p.x0 + i * xStep;
        line(out.lines, p.px(x), p.top + p.h, p.px(x), p.top + p.h - 60, frameGrey);
        out.labels.push_back({p.px(x), p.top + p.h + 30, Anchor::Top, "%1", {}, {{x, xDecimals}}});
    }
    out.labels.push_back({p.left + p.w, p.top + p.h + 260, Anchor::TopRight, xWords, {}, {}});
}

// A tick step of 1, 2 or 5 times a power of ten giving about five ticks over span.
double niceStep(double span)
{
    const double raw = span / 5;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw) {
            return m * power;
        }
    }
    return 10 * power;
}

int decimalsOf(double step)
{
    return std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
}

double radians(double degrees)
{
    return degrees * pi / 180;
}

void drawGeometry(const ExploreModel& m, Drawing& out)
{
    const ExploreSettings& s = m.settings();
    DrawingList& d = out.lines;
    const double left = 150, top = 300, right = 6450, bottom = 4300;
    const double surfaceY = 2700, cx = 3100;
    fill(d, left, top, right, surfaceY, airGrey);
    fill(d, left, surfaceY, right, bottom, substanceColour);
    out.labels.push_back({left, top - 60, Anchor::BottomLeft, words::geometry, {}, {}});

    const double a = radians(s.alphaDegrees);
    const double sa = std::sin(a), ca = std::cos(a);
    // The beam: its centre and rays across its width, fading outwards for a Gaussian.
    const double halfWidth = 260;
    const double reach = std::min({1900.0, (bottom - surfaceY - 40) / std::max(ca, 1e-3),
                                   (cx - left - halfWidth) / std::max(sa, 1e-3)});
    const std::optional<double> beta = optics::refractionAngle(s.index, s.alphaDegrees);
    const double reflected = std::max(m.readouts().reflectanceS, 5.0) / 100;
    for (int i = -3; i <= 3; ++i) {
        const double off = halfWidth * i / 3.0;
        const double fade = s.beam == BeamShape::Gaussian ? std::exp(-(i / 1.5) * (i / 1.5)) : 1;
        // Black at full strength, fading into the substance's green.
        const auto shade = [&](double strength) {
            const auto part = [&](int shift) {
                const double base = (substanceColour >> shift) & 0xFF;
                return static_cast<Colour>(std::lround(base * (1 - strength))) << shift;
            };
            return part(0) | part(8) | part(16);
        };
        const double hx = cx + off / std::max(ca, 0.2);
        // Incoming, black for full strength; reflected, white on the substance.
        line(d, hx - reach * sa, surfaceY + reach * ca, hx, surfaceY, shade(fade));
        const Colour white = colours::white;
        if (fade * reflected > 0.1) {
            line(d, hx, surfaceY, hx + reach * sa, surfaceY + reach * ca, white);
        }
        if (beta) {
            const double b = radians(*beta);
            const double up = std::min(reach, (surfaceY - top - 40) / std::max(std::cos(b), 1e-3));
            line(d, hx, surfaceY, hx + up * std::sin(b), surfaceY - up * std::cos(b),
                 shade(0.6 * fade));
        }
    }
    // Beyond the critical angle a thin glow above the lit surface: the evanescent wave.
    if (!beta) {
        for (int i = 1; i <= 10; ++i) {
            const double strength = std::exp(-0.45 * i);
            // Yellow fading into the air's grey: less blue the stronger.
            const auto blue = static_cast<Colour>(std::lround(242 - 200 * strength));
            line(d, cx - 700, surfaceY - 15 * i, cx + 700, surfaceY - 15 * i,
                 0x0000F2F2u | (blue << 16));
        }
    }
    line(d, left, surfaceY, right, surfaceY, colours::black);

    // The second block across its gap, with the light that reaches it.
    const double gapShown = 80 + 90 * m.gapInDepths();
    if (s.secondBlock) {
        const double face = surfaceY - gapShown;
        fill(d, left, top + 400, right, face, blockGreen);
        line(d, left, face, right, face, colours::black);
        out.labels.push_back(
            {right - 60, top + 460, Anchor::TopRight, words::block, {}, {{s.index2, 2}}});
        const double sine2 = s.index * sa / s.index2;
        if (sine2 < 1) {
            const double b2 = std::asin(sine2);
            const double up = (face - top - 400) / std::cos(b2);
            line(d, cx, face, cx + up * sine2, face - up * std::cos(b2), arrowsBlue, 2);
        }
    }
    // Detector H's line above the beam's centre, and the picked height on it.
    const double hTop = s.secondBlock ? surfaceY - gapShown + 10 : surfaceY - 1500;
    line(d, cx, surfaceY, cx, hTop, arrowsBlue, 2);
    const double zTop = m.heights().back().z;
    d.setDrawWidth(2);
    d.setForeColour(pickGold);
    d.circle(float(cx), float(surfaceY - (surfaceY - hTop) * m.pickedHeight() / zTop), 45);
    d.setForeColour(colours::black);
    out.labels.push_back({cx + 60, hTop, Anchor::TopLeft, words::detector, {}, {}, arrowsBlue});
    out.labels.push_back(
        {left + 60, bottom - 60, Anchor::BottomLeft, words::substance, {}, {{s.index, 2}}});
    out.labels.push_back({left + 60, surfaceY - 60, Anchor::BottomLeft, words::air, {}, {}});
    out.labels.push_back(
        {cx + 350, surfaceY + 1100, Anchor::TopLeft, words::angle, {}, {{s.alphaDegrees, 1}}});
}

void drawHeights(const ExploreModel& m, Drawing& out)
{
    const ExploreSettings& s = m.settings();
    const std::vector<HeightRow>& rows = m.heights();
    const double zTop = rows.back().z;
    const Plot p{7600, 300, 5700, 3400, 0, zTop, -7, 1, true};
    out.heightAxis = {p.left, p.top, p.w, p.h, zTop};
    frame(out.lines, p);
    title(out, p, words::heights);
    const double step = niceStep(zTop);
    axes(out, p, step, decimalsOf(step), words::heightAxis);

    std::vector<std::pair<double, double>> arrows;
    std::vector<std::pair<double, double>> classical;
    for (const HeightRow& row : rows) {
        arrows.emplace_back(row.z, row.relative);
    }
    const std::optional<double> d = decayLength(s.index, s.alphaDegrees);
    if (d) {
        for (int i = 0; i <= 200; ++i) {
            const double z = zTop * i / 200;
            classical.emplace_back(z, std::exp(-2 * z / *d));
        }
        line(out.lines, p.px(*d), p.top, p.px(*d), p.top + p.h, classicalRed);
        out.labels.push_back(
            {p.px(*d) + 40, p.top + 40, Anchor::TopLeft, words::depth, {}, {}, classicalRed});
    }
    curve(out.lines, p, arrows, arrowsBlue);
    // Dashed over the arrows' curve, so that it shows where the two agree.
    curve(out.lines, p, classical, classicalRed, true);
    // The picked height.
    const double z = m.pickedHeight();
    line(out.lines, p.px(z), p.top, p.px(z), p.top + p.h, pickGold);

    // Legend, and why the curve may not show the evanescent wave.
    const double lx = p.left + p.w - 2300;
    line(out.lines, lx, p.top + 150, lx + 300, p.top + 150, arrowsBlue, 2);
    out.labels.push_back({lx + 360, p.top + 150, Anchor::Left, words::arrows, {}, {}});
    if (d) {
        line(out.lines, lx, p.top + 400, lx + 300, p.top + 400, classicalRed, 2);
        out.labels.push_back({lx + 360, p.top + 400, Anchor::Left, words::classicalDecay, {}, {}});
    }
    const double noteY = p.top + p.h + 560;
    if (!d) {
        out.labels.push_back({p.left, noteY, Anchor::TopLeft, words::below, {}, {}, warningRed});
    } else if (m.falseBeam()) {
        out.labels.push_back({p.left,
                              noteY,
                              Anchor::TopLeft,
                              words::falseBeam,
                              {},
                              {{s.stepTwips, 1}, {m.largestCleanStep(), 2}},
                              warningRed});
    } else if (s.beam == BeamShape::Hard) {
        out.labels.push_back(
            {p.left, noteY, Anchor::TopLeft, words::hardEdges, {}, {}, warningRed});
    } else if (const std::optional<double> needed = m.neededWaist();
               needed && *needed > s.waistTwips) {
        out.labels.push_back({p.left,
                              noteY,
                              Anchor::TopLeft,
                              words::narrow,
                              {},
                              {{std::ceil(*needed), 0}},
                              warningRed});
    }
}

void drawSpiral(const ExploreModel& m, Drawing& out)
{
    const std::vector<std::complex<double>>& chain = m.chain();
    const double left = 300, top = 5300, size = 3000;
    const Plot box{left, top, size, size, 0, 1, 0, 1, false};
    frame(out.lines, box);
    title(out, box, words::spiral, {{m.pickedHeight(), 2}});
    double minRe = 0, maxRe = 0, minIm = 0, maxIm = 0;
    for (const auto& c : chain) {
        minRe = std::min(minRe, c.real());
        maxRe = std::max(maxRe, c.real());
        minIm = std::min(minIm, c.imag());
        maxIm = std::max(maxIm, c.imag());
    }
    const double span = std::max({maxRe - minRe, maxIm - minIm, 1e-12});
    const double scale = (size - 300) / span;
    const double ox = left + size / 2 - scale * (minRe + maxRe) / 2;
    const double oy = top + size / 2 - scale * (minIm + maxIm) / 2;
    // Every arrow, up to some 20 000: fewer would skip the turns between them.
    const std::size_t every = std::max<std::size_t>(1, chain.size() / 20000);
    for (std::size_t i = every; i < chain.size(); i += every) {
        const auto& a = chain[i - every];
        const auto& b = chain[i];
        line(out.lines, ox + scale * a.real(), oy + scale * a.imag(), ox + scale * b.real(),
             oy + scale * b.imag(), arrowsBlue);
    }
    const auto& first = chain.front();
    const auto& last = chain.back();
    line(out.lines, ox + scale * first.real(), oy + scale * first.imag(), ox + scale * last.real(),
         oy + scale * last.imag(), classicalRed, 2);
    out.labels.push_back(
        {left + 60, top + size - 60, Anchor::BottomLeft, words::resultant, {}, {}, classicalRed});
}

void drawGap(const ExploreModel& m, Drawing& out)
{
    const Plot frameOnly{4700, 5300, 3700, 3000, 0, 1, 0, 1, false};
    const std::vector<GapRow>& rows = m.gaps();
    if (rows.empty()) {
        frame(out.lines, frameOnly);
        title(out, frameOnly, words::gap);
        out.labels.push_back({frameOnly.left + frameOnly.w / 2,
                              frameOnly.top + frameOnly.h / 2,
                              Anchor::Top,
                              words::noBlock,
                              {},
                              {}});
        return;
    }
    const double gTop = rows.back().gap;
    const Plot p{4700, 5300, 3700, 3000, 0, gTop, -10, 1, true};
    frame(out.lines, p);
    title(out, p, words::gap);
    const double step = niceStep(gTop);
    axes(out, p, step, decimalsOf(step), words::gapAxis);
    std::vector<std::pair<double, double>> arrows;
    std::vector<std::pair<double, double>> classical;
    for (const GapRow& row : rows) {
        arrows.emplace_back(row.gap, row.relative);
        classical.emplace_back(row.gap, row.classicalTransmission);
    }
    curve(out.lines, p, classical, classicalRed, true);
    curve(out.lines, p, arrows, arrowsBlue);
    const double g = m.gapTwips();
    line(out.lines, p.px(g), p.top, p.px(g), p.top + p.h, pickGold, 2);
    // The legend low on the left, clear of both curves' start.
    const double ly = p.top + p.h - 520;
    line(out.lines, p.left + 200, ly, p.left + 500, ly, arrowsBlue, 2);
    out.labels.push_back({p.left + 560, ly, Anchor::Left, words::gapArrows, {}, {}});
    line(out.lines, p.left + 200, ly + 250, p.left + 500, ly + 250, classicalRed, 2);
    out.labels.push_back({p.left + 560, ly + 250, Anchor::Left, words::gapClassical, {}, {}});
}

void drawFresnel(const ExploreModel& m, Drawing& out)
{
    const double n = m.settings().index;
    const Plot p{9200, 5300, 4100, 3000, 0, 90, 0, 100, false};
    frame(out.lines, p);
    title(out, p, words::fresnel);
    axes(out, p, 15, 0, words::angleAxis);
    for (int r = 0; r <= 100; r += 25) {
        out.labels.push_back({p.left - 40, p.py(r), Anchor::Right, "%1", {}, {{double(r), 0}}});
    }
    std::vector<std::pair<double, double>> rs;
    std::vector<std::pair<double, double>> rp;
    for (int i = 0; i <= 360; ++i) {
        const double a = std::min(90.0 * i / 360, 89.99);
        const optics::Reflectance r = optics::reflectance(n, a);
        rs.emplace_back(a, r.s);
        rp.emplace_back(a, r.p);
    }
    curve(out.lines, p, rs, arrowsBlue);
    curve(out.lines, p, rp, classicalRed, true);
    const ExploreReadouts r = m.readouts();
    if (r.criticalAngle) {
        line(out.lines, p.px(*r.criticalAngle), p.top, p.px(*r.criticalAngle), p.top + p.h,
             frameGrey, 2);
        out.labels.push_back({p.px(*r.criticalAngle) + 30,
                              p.top + p.h - 400,
                              Anchor::Left,
                              words::critical,
                              {},
                              {}});
    }
    line(out.lines, p.px(r.brewsterAngle), p.top + p.h - 600, p.px(r.brewsterAngle), p.top + p.h,
         frameGrey, 2);
    out.labels.push_back(
        {p.px(r.brewsterAngle), p.top + p.h - 640, Anchor::Bottom, words::brewster, {}, {}});
    const double a = m.settings().alphaDegrees;
    DrawingList& d = out.lines;
    d.setDrawWidth(2);
    d.setForeColour(pickGold);
    d.circle(float(p.px(a)), float(p.py(r.reflectanceS)), 50);
    d.circle(float(p.px(a)), float(p.py(r.reflectanceP)), 50);
    d.setForeColour(colours::black);
    out.labels.push_back(
        {p.left + 150, p.top + 420, Anchor::Left, words::reflectanceS, {}, {}, arrowsBlue});
    out.labels.push_back(
        {p.left + 150, p.top + 660, Anchor::Left, words::reflectanceP, {}, {}, classicalRed});
}

} // namespace

std::optional<double> HeightAxis::heightAt(double x, double y) const
{
    if (width <= 0 || x < left - 100 || x > left + width + 100 || y < top || y > top + height) {
        return std::nullopt;
    }
    return std::clamp((x - left) / width, 0.0, 1.0) * zTop;
}

Drawing draw(const ExploreModel& model)
{
    Drawing out;
    drawGeometry(model, out);
    drawHeights(model, out);
    drawSpiral(model, out);
    drawGap(model, out);
    drawFresnel(model, out);
    return out;
}

std::vector<const char*> allWords()
{
    using namespace words;
    return {geometry,     substance,    air,          block,          angle,     detector,
            heights,      heightAxis,   arrows,       classicalDecay, depth,     below,
            falseBeam,    narrow,       hardEdges,    spiral,         resultant, gap,
            gapAxis,      gapArrows,    gapClassical, noBlock,        fresnel,   angleAxis,
            reflectanceS, reflectanceP, critical,     brewster};
}

} // namespace exploreview
