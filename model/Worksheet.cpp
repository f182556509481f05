// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Worksheet.h"

#include "ClassicalOptics.h"
#include "DrawingList.h"
#include "ExperimentRun.h"
#include "KeptRun.h"
#include "TextMark.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace {

// A whole run of the design's settings with its own index and angle.
CurveRecord wholeRun(Substance substance, AngleCase angle)
{
    DrawingList picture;
    const double alpha = angle == AngleCase::Angle35   ? 35
                         : angle == AngleCase::Angle60 ? 60
                                                       : facts(substance).criticalAngle;
    return runWhole(picture, RunSettings::of(facts(substance).refrIndex, alpha, angle, substance,
                                             DetectorDistance::Middle));
}

double largestLPerUnitArrow(const CurveRecord& record)
{
    const std::optional<KeptRun> run = KeptRun::of(record);
    double largest = 0;
    for (const CurvePoint& p : run->points()) {
        largest = std::max(largest, run->perUnitArrow(p, Detector::L));
    }
    return largest;
}

// The text with %1 ... %9 replaced in one pass, so a number is never read as a placeholder.
std::string withArguments(std::string_view text, std::initializer_list<std::string> arguments)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' &&
            std::size_t(text[i + 1] - '1') < arguments.size()) {
            out += *(arguments.begin() + (text[i + 1] - '1'));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

class Writer
{
public:
    Writer(const TextLookup& lookup, const NumberFormat& format)
        : m_lookup(lookup), m_format(format)
    {}

    // A number rounded to this many decimal places.
    std::string fixed(double value, int decimals) const
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        return withSeparator(text);
    }
    // A number to this many significant figures; very small or large ones as a power of ten.
    std::string significant(double value, int figures) const
    {
        char text[64];
        if (value != 0 && (std::abs(value) < 1e-3 || std::abs(value) >= 1e7)) {
            const int exponent = int(std::floor(std::log10(std::abs(value))));
            std::snprintf(text, sizeof text, "%.*f", figures - 1, value / std::pow(10.0, exponent));
            return withSeparator(text) + " × 10<sup>" + (exponent < 0 ? "−" : "") +
                   std::to_string(std::abs(exponent)) + "</sup>";
        }
        // Fixed notation, rounded to the figures asked for: 208069 to three is 208000.
        const int magnitude = value == 0 ? 0 : int(std::floor(std::log10(std::abs(value))));
        const int decimals = std::max(0, figures - 1 - magnitude);
        const double unit = std::pow(10.0, magnitude - figures + 1);
        std::snprintf(text, sizeof text, "%.*f", decimals, std::round(value / unit) * unit);
        return withSeparator(text);
    }
    std::string text(const char* source, std::initializer_list<std::string> arguments = {}) const
    {
        return withArguments(escaped(m_lookup(source)), arguments);
    }

private:
    std::string withSeparator(std::string text) const
    {
        const std::size_t point = text.find('.');
        if (point != std::string::npos) {
            text.replace(point, 1, m_format.decimalSeparator);
        }
        return text;
    }
    static std::string escaped(std::string_view text)
    {
        std::string out;
        for (const char c : text) {
            switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            default:
                out += c;
            }
        }
        return out;
    }

    const TextLookup& m_lookup;
    const NumberFormat& m_format;
};

std::string ruledLines(int count)
{
    std::string out;
    for (int k = 0; k < count; ++k) {
        out += "<p class=\"rule\">&nbsp;</p><hr/>";
    }
    return out;
}

} // namespace

WorksheetNumbers worksheetNumbers()
{
    using namespace optics;
    WorksheetNumbers n;
    n.criticalWater = criticalAngle(facts(Substance::Water).refrIndex);
    n.criticalGlass = criticalAngle(facts(Substance::Glass).refrIndex);
    n.programCriticalWater = facts(Substance::Water).criticalAngle;
    n.programCriticalGlass = facts(Substance::Glass).criticalAngle;
    n.programCriticalWaterTrue = trueDegrees(n.programCriticalWater);
    n.programCriticalGlassTrue = trueDegrees(n.programCriticalGlass);
    n.refractionWater35 = refractionAngle(facts(Substance::Water).refrIndex, 35).value_or(0);
    n.refractionGlass35 = refractionAngle(facts(Substance::Glass).refrIndex, 35).value_or(0);

    const CurveRecord water = wholeRun(Substance::Water, AngleCase::Angle35);
    for (const CurvePoint& p : water.points) {
        double& side = p.y < scene::surfaceY ? n.vAboveWater35 : n.vBelowWater35;
        if (p.y != scene::surfaceY) {
            side = std::max(side, p.vSquared);
        }
    }
    const CurveRecord water60 = wholeRun(Substance::Water, AngleCase::Angle60);
    for (const auto& [record, squared] :
         {std::pair{&water, &n.lWater35}, std::pair{&water60, &n.lWater60}}) {
        for (const CurvePoint& p : record->points) {
            *squared = std::max(*squared, p.lSquared);
        }
    }
    n.lPerUnitWater35 = largestLPerUnitArrow(water);
    n.lPerUnitWater60 = largestLPerUnitArrow(water60);

    const Reflectance r = reflectance(facts(Substance::Water).refrIndex, trueDegrees(35));
    n.rsWater35 = r.s;
    n.rpWater35 = r.p;
    n.brewsterWater = std::atan(1 / facts(Substance::Water).refrIndex) * 180 / pi;
    n.depthCritical = penetrationDepth(facts(Substance::Water).refrIndex,
                                       trueDegrees(facts(Substance::Water).criticalAngle))
                          .value_or(0);
    n.factorAt100 = n.depthCritical > 0 ? std::exp(-2 * 100 / n.depthCritical) : 0;
    n.depthGlass60 = penetrationDepth(facts(Substance::Glass).refrIndex, 60).value_or(0);
    n.depthGlass60Waves = n.depthGlass60 / wavelengthInAir;
    n.gapOneWave = n.depthGlass60 > 0 ? std::exp(-2 * wavelengthInAir / n.depthGlass60) : 0;
    return n;
}

std::string worksheetHtml(WorksheetPart part, const TextLookup& lookup, const NumberFormat& format,
                          const WorksheetNumbers& n)
{
    const Writer w(lookup, format);
    const bool key = part == WorksheetPart::Key;
    std::string html =
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" +
        w.text(key ? QT_TRANSLATE_NOOP("Worksheet", "Brontel: klíč k pracovnímu listu")
                   : QT_TRANSLATE_NOOP("Worksheet", "Brontel: pracovní list")) +
        "</title><style>"
        "@page { size: A4; margin: 18mm; }"
        "body { font-family: 'Liberation Serif', serif; font-size: 11pt; }"
        "h1 { font-size: 15pt; margin: 0 0 4pt 0; }"
        "h2 { font-size: 11.5pt; margin: 10pt 0 2pt 0; }"
        "p { margin: 2pt 0; }"
        "p.rule { margin: 6pt 0 0 0; font-size: 8pt; }"
        "hr { border: none; border-top: 1px solid #888; margin: 0; }"
        "p.answer { margin-left: 12pt; }"
        "</style></head><body>";
    html +=
        "<h1>" +
        w.text(key ? QT_TRANSLATE_NOOP("Worksheet", "Klíč k pracovnímu listu: úplný odraz světla")
                   : QT_TRANSLATE_NOOP("Worksheet", "Pracovní list: úplný odraz světla")) +
        "</h1>";
    if (!key) {
        html += "<p>" +
                w.text(QT_TRANSLATE_NOOP("Worksheet",
                                         "Jméno: ______________________   Třída: ________   "
                                         "Datum: ____________")) +
                "</p>";
    }

    struct Task
    {
        const char* title;
        const char* question;
        int lines;
        std::string answer;
    };
    const Task tasks[] = {
        {QT_TRANSLATE_NOOP("Worksheet", "1. Předpověď"),
         QT_TRANSLATE_NOOP(
             "Worksheet",
             "Zvolte vodu, úhel 35 a detektor H ve výšce 750 twipů. Než stisknete Start, zvolte "
             "v nabídce obrázku „Předpověď“ a načrtněte, kudy podle vás povedou křivky detektorů "
             "V, H a L. Pak pokus spusťte. V čem se výsledek od vaší předpovědi liší?"),
         4,
         w.text(QT_TRANSLATE_NOOP(
                    "Worksheet",
                    "Nad hladinou zachytí V lomené světlo (největší druhá mocnina výslednice "
                    "%1), pod hladinou jen odražené světlo, a to slabé (nejvýše %2): odražený "
                    "svazek protíná čáru V jen při 60°. Křivka H ukazuje lomený svazek ve "
                    "vzduchu, křivka L odražený svazek ve vodě."),
                {w.significant(n.vAboveWater35, 3), w.significant(n.vBelowWater35, 2)})},
        {QT_TRANSLATE_NOOP("Worksheet", "2. Mezní úhel"),
         QT_TRANSLATE_NOOP(
             "Worksheet",
             "Vypočtěte mezní úhel vody (n = 1,33) a skla (n = 1,5) ze vztahu sin θc = 1/n. "
             "Pak zvolte „Mezní“ u vody i u skla a porovnejte své výsledky s úhly, které program "
             "napíše do pole úhlu dopadu."),
         3,
         w.text(QT_TRANSLATE_NOOP(
                    "Worksheet",
                    "Voda: θc = %1°, sklo: θc = %2°. Program napíše %3 a %4: převádí stupně na "
                    "radiány s 3,14 místo π, takže jeho %3 je skutečných %5° a jeho %4 "
                    "skutečných %6°, v obou případech těsně za mezním úhlem."),
                {w.fixed(n.criticalWater, 2), w.fixed(n.criticalGlass, 2),
                 w.fixed(n.programCriticalWater, 3), w.fixed(n.programCriticalGlass, 3),
                 w.fixed(n.programCriticalWaterTrue, 3), w.fixed(n.programCriticalGlassTrue, 3)})},
        {QT_TRANSLATE_NOOP("Worksheet", "3. Lom"),
         QT_TRANSLATE_NOOP("Worksheet",
                           "Světlo dopadá zespodu na rozhraní pod úhlem 35°. Vypočtěte ze "
                           "Snellova zákona n sin α = sin β úhel lomu β ve vzduchu pro vodu a "
                           "pro sklo."),
         3,
         w.text(QT_TRANSLATE_NOOP("Worksheet", "Voda: β = %1°, sklo: β = %2°."),
                {w.fixed(n.refractionWater35, 2), w.fixed(n.refractionGlass35, 2)})},
        {QT_TRANSLATE_NOOP("Worksheet", "4. Srovnání na jedné stupnici"),
         QT_TRANSLATE_NOOP(
             "Worksheet",
             "Spusťte vodu při úhlu 35 a pak při úhlu 60, obojí se vzdáleností 750 twipů, a oba "
             "běhy si ponechte („Ponechat běh“). V tabulce CSV každého běhu najděte největší "
             "hodnotu l_amplitude_squared a ve srovnání běhů největší hodnotu detektoru L na "
             "jednotku šipky. Při kterém úhlu se odráží víc světla? Proč to samotné hodnoty "
             "z CSV neukážou?"),
         4,
         w.text(QT_TRANSLATE_NOOP(
                    "Worksheet",
                    "CSV: %1 při 35° a %2 při 60°, skoro stejně. Na jednotku šipky: %3 a %4, "
                    "tedy při 60° asi %5krát víc: tam se světlo úplně odráží. Šipky detektoru L "
                    "jsou při 35° dvakrát delší (6 proti 3), a druhá mocnina výslednice proto "
                    "čtyřikrát větší. Poměr není poměrem Fresnelových odrazivostí z panelu "
                    "teorie: model sčítá šipky bez ohledu na polarizaci."),
                {w.significant(n.lWater35, 3), w.significant(n.lWater60, 3),
                 w.significant(n.lPerUnitWater35, 3), w.significant(n.lPerUnitWater60, 3),
                 w.significant(n.lPerUnitWater60 / n.lPerUnitWater35, 2)})},
        {QT_TRANSLATE_NOOP("Worksheet", "5. Odrazivost a Brewsterův úhel"),
         QT_TRANSLATE_NOOP("Worksheet",
                           "V panelu teorie odečtěte odrazivosti Rs a Rp vody při úhlu 35. Proč "
                           "je Rp tak malá? Vypočtěte Brewsterův úhel tg αB = 1/n pro světlo, "
                           "které jde z vody do vzduchu."),
         3,
         w.text(QT_TRANSLATE_NOOP("Worksheet",
                                  "Rs = %1 %, Rp = %2 %. Úhel 35° leží blízko Brewsterova úhlu "
                                  "vody αB = %3°, při kterém se světlo polarizované v rovině "
                                  "dopadu neodráží vůbec."),
                {w.significant(n.rsWater35, 2), w.significant(n.rpWater35, 2),
                 w.fixed(n.brewsterWater, 1)})},
        {QT_TRANSLATE_NOOP("Worksheet", "6. Detektor H při mezním úhlu"),
         QT_TRANSLATE_NOOP("Worksheet",
                           "Zvolte vodu, „Mezní“ a vzdálenost 100 twipů a pokus spusťte. Co "
                           "ukazuje křivka H? Je to evanescentní vlna? Pomozte si nápovědou."),
         3,
         w.text(QT_TRANSLATE_NOOP(
                    "Worksheet",
                    "Není. H zachytí světlo, které se ohýbá na okrajích úzkého svazku a letí "
                    "těsně nad rozhraním. Evanescentní vlna sahá při tomto nastavení jen asi d = "
                    "%1 twipu do vzduchu; ve výšce 100 twipů by z její intenzity zbylo e^(−2·100/"
                    "d) = %2."),
                {w.fixed(n.depthCritical, 1), w.significant(n.factorAt100, 2)})},
        {QT_TRANSLATE_NOOP("Worksheet", "7. Narušený (frustrovaný) úplný odraz"),
         QT_TRANSLATE_NOOP("Worksheet",
                           "Dva skleněné hranoly dělí tenká vrstva vzduchu a světlo dopadá na "
                           "rozhraní pod úhlem 60°. Vysvětlete slovy, proč část světla projde do "
                           "druhého hranolu, když je vrstva velmi tenká, a proč skoro žádné, "
                           "když je silná. Kde se toho využívá?"),
         4,
         w.text(QT_TRANSLATE_NOOP(
                    "Worksheet",
                    "Za rozhraním sahá do vzduchu evanescentní pole, jehož amplituda klesá na 1/e "
                    "na délce d = %1 twipu (%2 vlnové délky ve vzduchu). Zasáhne-li druhý hranol "
                    "do tohoto pole, světlo v něm pokračuje; jeho intenzita klesá s šířkou mezery "
                    "g přibližně jako e^(−2g/d), takže už přes mezeru jedné vlnové délky projde "
                    "jen asi %3. Využívá se ve snímačích otisků prstů a v děličích svazku."),
                {w.fixed(n.depthGlass60, 2), w.fixed(n.depthGlass60Waves, 2),
                 w.significant(n.gapOneWave, 1)})},
    };
    for (const Task& t : tasks) {
        html += "<h2>" + w.text(t.title) + "</h2>";
        if (key) {
            html += "<p class=\"answer\">" + t.answer + "</p>";
        } else {
            html += "<p>" + w.text(t.question) + "</p>" + ruledLines(t.lines);
        }
    }
    html += "</body></html>";
    return html;
}
