// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's boundary to the core, built for WebAssembly and run under node (also built
// natively): start-up fields, refusals, a whole run shown step by step with its worked values in
// the drawing and the CSV, pause and single step, stop, input during a run held, dropped or
// acted on at once, and Konec. Exit status 0 only when everything agrees.

#include "PageCore.h"

#include "Substance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;

void expect(bool ok, const std::string& what)
{
    std::printf("%-4s %s\n", ok ? "ok" : "FAIL", what.c_str());
    failures += ok ? 0 : 1;
}

// The longest bar of one curve in the picture, and where it stands (y for V, x for H and L):
// V's bars are horizontal from the probe line, H's and L's vertical from their lines.
struct Longest
{
    double length = -1;
    double at = 0;
};

Longest longestBar(const PageCore& core, double lineX, double lineY, bool vertical)
{
    Longest best;
    for (const DrawCommand& c : core.picture()) {
        if (c.kind == DrawCommand::Kind::Circle) {
            continue;
        }
        const bool fits = vertical ? (c.x1 == c.x2 && c.y1 == float(lineY) && c.y2 < c.y1)
                                   : (c.y1 == c.y2 && c.x1 == float(lineX) && c.x2 > c.x1);
        const double length = std::hypot(c.x2 - c.x1, c.y2 - c.y1);
        if (fits && length > best.length) {
            best = {length, vertical ? c.x1 : c.y1};
        }
    }
    return best;
}

void checkWorkedValues(const PageCore& core)
{
    struct Expected
    {
        const char* name;
        double lineX, lineY;
        bool vertical;
        double longest, at;
    } const expected[] = {
        {"V", 7300, 0, false, 1694.7, 1565},
        {"H", 0, 4250, true, 1451.2, 4050},
        {"L", 0, 6500, true, 832.3, 5090},
    };
    for (const Expected& e : expected) {
        const Longest got = longestBar(core, e.lineX, e.lineY, e.vertical);
        char what[160];
        std::snprintf(what, sizeof what, "longest %s bar %.1f at %.0f; expected %.1f at %.0f",
                      e.name, std::round(got.length * 10) / 10, got.at, e.longest, e.at);
        expect(std::round(got.length * 10) / 10 == e.longest && got.at == e.at, what);
    }
}

// The settings the teaching overlay is drawn for: the chosen ones until a run has ended, then
// that run's, whatever is chosen after it, until the next run begins.
void checkShownSettings()
{
    PageCore core;
    RunSettings shown = core.shownSettings();
    expect(shown.refrIndex == 1.33 && shown.alpha == 35 && shown.substance == Substance::Water &&
               shown.detectorDistance == 750,
           "before any run the overlay shows the start-up choice: water, 35, 750");
    core.click("opSklo");
    core.click("opMaláDistance");
    shown = core.shownSettings();
    expect(shown.refrIndex == 1.5 && shown.substance == Substance::Glass &&
               shown.detectorDistance == 100,
           "before any run it follows the options clicked: glass, 100");
    core.type("nIndex", "x");
    expect(core.shownSettings().refrIndex == 0, "an index that is no number counts as 0");
    core.type("nIndex", "1,5");
    core.start();
    core.advance(467);
    core.click("opVoda");
    shown = core.shownSettings();
    expect(core.field("nLátka") == "Voda" && shown.substance == Substance::Glass &&
               shown.refrIndex == 1.5,
           "after a run it shows the run's glass though water is chosen now");
    core.start();
    core.advance(3);
    expect(core.shownSettings().substance == Substance::Water,
           "during the next run it shows that run's water");
}

// The pixels as they stand, and whether every pixel that differs from before lies in box.
std::vector<std::uint32_t> pixelsOf(const PicturePixels& pixels)
{
    return {pixels.pixels(), pixels.pixels() + std::size_t(pixels.width()) * pixels.height()};
}

bool changesWithin(const std::vector<std::uint32_t>& before, const PicturePixels& after,
                   const PixelBox& box)
{
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const std::size_t i = std::size_t(y) * after.width() + x;
            if (before[i] != after.pixels()[i] && !box.contains(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// The same picture drawn whole at once.
bool sameAsWhole(PageCore& core, int width, int height, double factor)
{
    const std::vector<std::uint32_t> shown = pixelsOf(core.pixels());
    core.drawPixels(width, height, factor, true);
    return shown == pixelsOf(core.pixels());
}

// The page's pixels drawn step by step, only what each step added: each step's changes lie in
// the box it reports, and the end is the picture drawn whole; a moved marker and a new run are
// drawn afresh.
void checkPixels()
{
    for (const double factor : {1.0, 1.5, 2.0}) {
        const int width = int(std::lround(763 * factor));
        const int height = int(std::lround(575 * factor));
        const std::string at = " at " + std::to_string(factor);
        PageCore core;
        PixelBox box = core.drawPixels(width, height, factor, false);
        expect(box.x == 0 && box.y == 0 && box.width == width && box.height == height,
               "the first drawing puts every pixel" + at);
        const std::vector<std::uint32_t> lines = pixelsOf(core.pixels());
        expect(std::count(lines.begin(), lines.end(), 0xFF000000u) > 4 * 568 * factor,
               "the line controls are drawn black" + at);
        core.start();
        box = core.drawPixels(width, height, factor, false);
        expect(box.width == width && box.height == height, "a run's start draws afresh" + at);
        bool within = true;
        int changedSteps = 0;
        for (std::vector<std::uint32_t> before = pixelsOf(core.pixels()); core.step();
             before = pixelsOf(core.pixels())) {
            box = core.drawPixels(width, height, factor, false);
            within = within && changesWithin(before, core.pixels(), box);
            changedSteps += pixelsOf(core.pixels()) != before ? 1 : 0;
            // A step's box is far smaller than the picture: it is not drawn afresh.
            within = within && std::int64_t(box.width) * box.height < std::int64_t(width) * height;
        }
        expect(within && changedSteps > 400,
               "each step changes pixels only in the box it reports" + at);
        expect(sameAsWhole(core, width, height, factor),
               "the run drawn step by step is the run drawn whole" + at);

        core.click("opMaláDistance");
        box = core.drawPixels(width, height, factor, false);
        expect(box.width == width && sameAsWhole(core, width, height, factor),
               "a moved marker line redraws the picture" + at);
        // A run stopped before its first step, then a run whose scene has more commands (60
        // degrees draws two lines fewer): the picture is wiped, though it has not become shorter.
        core.click("opVětší");
        core.start();
        core.press(RunKey::Stop);
        core.advance(1);
        core.drawPixels(width, height, factor, false);
        const std::size_t stopped = core.picture().size();
        core.click("opMenší");
        core.start();
        core.drawPixels(width, height, factor, false);
        expect(core.picture().size() > stopped && sameAsWhole(core, width, height, factor),
               "a new run's picture replaces the last one's" + at);
    }
}

} // namespace

int main()
{
    PageCore core;
    expect(core.field("nIndex") == "1,33" && core.field("nAlfa") == "35" &&
               core.field("nLátka") == "Voda" && core.field("nAlfaCaption") == "35" &&
               core.field("nDistance") == "750" && core.field("nSpomaleni") == "1",
           "start-up fields: 1,33, 35, Voda, 35, 750, 1");
    expect(core.selectedOption("frmDopad") == "opMenší" &&
               core.selectedOption("frmDistance") == "opStředníDistance",
           "start-up options: opMenší, opStředníDistance");
    core.setDecimalComma(false);
    expect(core.field("nIndex") == "1.33", "English shows 1.33");
    core.setDecimalComma(true);

    core.type("nIndex", "abc");
    auto refusal = core.start();
    expect(refusal && refusal->reason == Refusal::Reason::NotANumber &&
               refusal->field == Control::nIndex && core.state() == RunState::Idle,
           "\"abc\" as the index is refused, no run");
    core.type("nIndex", "0,4");
    refusal = core.start();
    expect(refusal && refusal->reason == Refusal::Reason::OutOfRange &&
               refusal->range.lowest == 0.5,
           "index 0,4 is refused, the range from 0,5");
    core.type("nIndex", "1,33");
    core.type("nAlfa", "91");
    refusal = core.start();
    expect(refusal && refusal->field == Control::nAlfa && refusal->range.highest == 90,
           "angle 91 refused");
    core.type("nAlfa", " 35 ");

    expect(!core.start() && core.state() == RunState::Running, "Start begins a run");
    const std::optional<std::int64_t> pause = core.step();
    expect(pause == 1, "each step says its pause: the fastest pace's count 1");
    core.advance(9);
    expect(core.press(RunKey::PauseResume), "P pauses the run");
    core.advance(10);
    expect(core.stepsShown() == 10 && core.state() == RunState::Paused, "paused after 10 steps");
    expect(!core.step(), "a paused run draws no step");
    expect(core.press(RunKey::StepOnce), "the Right arrow steers a paused run");
    core.advance(5);
    expect(core.stepsShown() == 11, "a single step draws the 11th, and only it");
    core.click("opSklo");
    core.type("nAlfa", "50");
    core.click("opMezní");
    expect(core.field("nLátka") == "Voda" && core.field("nAlfa") == " 35 " &&
               core.selectedOption("frmLátka") == "opVoda",
           "clicks and typing during the run are held");
    expect(!core.start() && core.stepsShown() == 11 && core.state() == RunState::Paused,
           "Start pressed during the run is dropped");
    core.scroll(1000);
    expect(core.slowDownCount() > 1, "the pace acts at once during the run");
    core.scroll(0);
    core.press(RunKey::PauseResume);
    core.advance(1000);
    expect(core.stepsShown() == 467 && core.state() == RunState::Idle,
           "the run ends after 467 steps");
    expect(core.field("nLátka") == "Sklo" && core.field("nIndex") == "1,5" &&
               core.field("nAlfaCaption") == "Mezní" &&
               core.field("nAlfa") == formatNumber(facts(Substance::Glass).criticalAngle, {","}),
           "the held input acts after the run, in order: glass, 50 typed, then the critical "
           "angle over it");
    checkWorkedValues(core);

    const std::string csv = core.csv();
    expect(csv.find("\r\n71,1565,3710,") != std::string::npos,
           "the CSV has the row of V's longest bar (step 71, y 1565)");
    std::size_t rows = 0;
    for (std::size_t i = csv.find("\r\n"); i != std::string::npos; i = csv.find("\r\n", i + 2)) {
        ++rows;
    }
    expect(rows == 468, "the CSV has a header and 467 rows");

    core.click("opVoda");
    core.click("opMenší");
    core.start();
    core.advance(5);
    core.press(RunKey::Stop);
    expect(core.state() == RunState::Idle && core.stepsShown() == 5, "a stopped run keeps 5 steps");

    core.start();
    core.advance(3);
    core.click("opSklo");
    expect(core.end() && core.state() == RunState::Idle && core.field("nLátka") == "Voda",
           "Konec stops the run; what was held is dropped with it");
    expect(!core.end(), "Konec with no run stops none");
    checkShownSettings();
    checkPixels();

    std::printf("%s\n",
                failures == 0 ? "page core: all checks passed" : "page core: checks FAILED");
    return failures == 0 ? 0 : 1;
}
