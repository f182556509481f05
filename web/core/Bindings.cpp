// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's view of PageCore through embind: plain numbers, strings and typed arrays.

#include "PageCore.h"

#include "ChainSums.h"
#include "RunParameters.h"
#include "RunSettings.h"
#include "SweepSums.h"
#include "TeachingOverlay.h"
#include "WindowLayout.h"
#include "WindowTexts.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// Seven numbers per command from `from` on: x1, y1, x2, y2, colour (0x00BBGGRR), width, kind
// (0 line, 1 coloured line, 2 circle). Copied into a JavaScript array, so it stays valid.
emscripten::val pictureFrom(const PageCore& core, int from)
{
    const auto& picture = core.picture();
    std::vector<float> flat;
    const std::size_t first = std::min<std::size_t>(std::size_t(std::max(from, 0)), picture.size());
    flat.reserve((picture.size() - first) * 7);
    for (std::size_t i = first; i < picture.size(); ++i) {
        const DrawCommand& c = picture[i];
        flat.insert(flat.end(), {c.x1, c.y1, c.x2, c.y2, float(c.colour), float(c.width),
                                 float(static_cast<int>(c.kind))});
    }
    const emscripten::val view(emscripten::typed_memory_view(flat.size(), flat.data()));
    return emscripten::val::global("Float32Array").new_(view);
}

// The picture's pixels brought up to date at the canvas' size (see PicturePixels::update): the
// box that changed, as x, y, width, height.
emscripten::val drawPixels(PageCore& core, int width, int height, double factor, bool whole)
{
    const PixelBox box = core.drawPixels(width, height, factor, whole);
    emscripten::val out = emscripten::val::object();
    out.set("x", box.x);
    out.set("y", box.y);
    out.set("width", box.width);
    out.set("height", box.height);
    return out;
}

// The pixels as the bytes of an ImageData, a view of the core's memory, not a copy: valid until
// the core next draws or grows its memory, so the page puts it at once.
emscripten::val pixelData(const PageCore& core)
{
    const PicturePixels& pixels = core.pixels();
    const std::size_t bytes = std::size_t(pixels.width()) * std::size_t(pixels.height()) * 4;
    const emscripten::val view(emscripten::typed_memory_view(
        bytes, reinterpret_cast<const std::uint8_t*>(pixels.pixels())));
    return emscripten::val::global("Uint8ClampedArray")
        .new_(view["buffer"], view["byteOffset"], view["length"]);
}

// The scene of a saved picture as the bytes of an ImageData of sceneWidth x sceneHeight, a copy.
emscripten::val exportPixels(const PageCore& core, double times)
{
    const std::vector<std::uint32_t> pixels = core.scenePixels(times);
    const emscripten::val view(emscripten::typed_memory_view(
        pixels.size() * 4, reinterpret_cast<const std::uint8_t*>(pixels.data())));
    emscripten::val out = emscripten::val::object();
    out.set("width", PageCore::scenePixelWidth(times));
    out.set("height", PageCore::scenePixelHeight(times));
    // Where the scene begins in the design's window, in design pixels.
    out.set("left", layout::sceneBounds.leftX / layout::twipsPerPixel);
    out.set("top", layout::sceneBounds.topY / layout::twipsPerPixel);
    out.set("data", emscripten::val::global("Uint8ClampedArray").new_(view));
    return out;
}

int pictureSize(const PageCore& core)
{
    return int(core.picture().size());
}

// null when the run began (or Start was not acted on), otherwise the refusal as data: its kind,
// the field, the window's sentence for it (Czech, to be translated in the context "Brontel"),
// and the texts for its %1 ... %4 as the fields show numbers, what was typed cut as the window
// cuts it.
emscripten::val start(PageCore& core)
{
    const std::optional<Refusal> refusal = core.start();
    if (!refusal) {
        return emscripten::val::null();
    }
    emscripten::val out = emscripten::val::object();
    constexpr const char* kinds[] = {"notANumber", "tooLarge", "outOfRange"};
    out.set("kind", kinds[static_cast<int>(refusal->reason)]);
    out.set("field", std::string(nameOf(refusal->field)));
    out.set("sentence", std::string(refusalInWindow(*refusal)));
    emscripten::val arguments = emscripten::val::array();
    for (const std::string& argument :
         refusalArguments(*refusal, core.model().numberFormat(), longestTypedInWindow)) {
        arguments.call<void>("push", argument);
    }
    out.set("arguments", arguments);
    return out;
}

// What one action changed, as the page hears it.
emscripten::val changeOf(const ModelChange& change)
{
    emscripten::val controls = emscripten::val::array();
    for (const Control c : change.controls) {
        controls.call<void>("push", std::string(nameOf(c)));
    }
    emscripten::val out = emscripten::val::object();
    out.set("controls", controls);
    out.set("marker", change.marker);
    out.set("picture", change.picture);
    out.set("run", change.run);
    out.set("step", change.step);
    return out;
}

void subscribe(PageCore& core, emscripten::val listener)
{
    core.subscribe([listener](const ModelChange& change) { listener(changeOf(change)); });
}

// The pause after the step drawn, in microseconds, or null when none was drawn.
emscripten::val step(PageCore& core)
{
    const std::optional<std::int64_t> pause = core.step();
    return pause ? emscripten::val(double(*pause)) : emscripten::val::null();
}

bool pressKey(PageCore& core, const std::string& key, bool withShortcutModifier, bool autoRepeat)
{
    return core.pressKey(key, withShortcutModifier, autoRepeat);
}

// A command of the run from the page's touch bar, named as the run's keys steer it ("stop",
// "pauseResume", "stepOnce"); whether it steered, by the same rules as the keys.
std::optional<RunKey> runCommand(const std::string& command)
{
    static const std::map<std::string, RunKey, std::less<>> commands{
        {"stop", RunKey::Stop},
        {"pauseResume", RunKey::PauseResume},
        {"stepOnce", RunKey::StepOnce}};
    const auto found = commands.find(command);
    return found == commands.end() ? std::nullopt : std::optional(found->second);
}

bool steer(PageCore& core, const std::string& command)
{
    const std::optional<RunKey> key = runCommand(command);
    return key && core.press(*key);
}

// Whether the command would steer the run now.
bool steers(const PageCore& core, const std::string& command)
{
    const std::optional<RunKey> key = runCommand(command);
    return key && core.model().steering().steers(*key);
}

// How far the run has come, with the part of it a screen reader was last told; null when no
// run goes.
emscripten::val progress(const PageCore& core)
{
    const std::optional<RunProgress> progress = core.model().progress();
    if (!progress) {
        return emscripten::val::null();
    }
    emscripten::val out = emscripten::val::object();
    out.set("drawn", progress->drawn);
    out.set("total", progress->total);
    out.set("stage", progressStage(*progress));
    out.set("text", std::string(progressText));
    return out;
}

std::string state(const PageCore& core)
{
    switch (core.state()) {
    case RunState::Running:
        return "running";
    case RunState::Paused:
        return "paused";
    case RunState::Idle:
        break;
    }
    return "idle";
}

emscripten::val detectorPlaces(const PageCore& core)
{
    emscripten::val out = emscripten::val::array();
    for (const double v : core.detectorPlaces()) {
        out.call<void>("push", v);
    }
    return out;
}

// How many characters a number field holds, and the sentence (Czech, %1 for the number) said
// when a paste goes past that.
emscripten::val fieldLimit()
{
    emscripten::val out = emscripten::val::object();
    out.set("longest", double(longestFieldText));
    out.set("text", std::string(fieldFullText));
    return out;
}

// The window's one table of texts: per control its name, its caption (Czech; null where it
// shows data), whether the caption is translated, and its tooltip (Czech, or null).
emscripten::val windowTexts()
{
    emscripten::val out = emscripten::val::array();
    const auto text = [](const char* t) {
        return t == nullptr ? emscripten::val::null() : emscripten::val(std::string(t));
    };
    for (const ControlTexts& row : controlTexts) {
        emscripten::val entry = emscripten::val::object();
        entry.set("name", std::string(nameOf(row.control)));
        entry.set("caption", text(row.caption));
        entry.set("translated", row.captionTranslated);
        entry.set("toolTip", text(row.toolTip));
        out.call<void>("push", entry);
    }
    return out;
}

// The window as designed: per control in tab order its name, kind, place in twips (inside a
// frame relative to it), frame, font size, ground, alignment and black text; the line
// controls; the captions an exported picture draws, in its order; the design's size.
emscripten::val windowLayout()
{
    constexpr const char* kinds[] = {"caption", "field",  "hidden", "button",
                                     "frame",   "option", "scroll", "label"};
    constexpr const char* alignments[] = {"left", "center", "right"};
    emscripten::val controls = emscripten::val::array();
    for (const layout::ControlLayout& c : layout::controls) {
        emscripten::val entry = emscripten::val::object();
        entry.set("name", std::string(nameOf(c.control)));
        entry.set("kind", kinds[static_cast<int>(c.kind)]);
        emscripten::val place = emscripten::val::array();
        for (const int v : {c.box.left, c.box.top, c.box.width, c.box.height}) {
            place.call<void>("push", v);
        }
        entry.set("place", place);
        entry.set("frame", c.frame ? emscripten::val(std::string(nameOf(*c.frame)))
                                   : emscripten::val::null());
        entry.set("points", c.points);
        entry.set("green", c.ground == layout::Ground::Green);
        entry.set("align", alignments[static_cast<int>(c.alignment)]);
        entry.set("black", c.blackText);
        controls.call<void>("push", entry);
    }
    emscripten::val lines = emscripten::val::array();
    for (const layout::LineControl& l : layout::lines) {
        emscripten::val line = emscripten::val::array();
        for (const int v : {l.x1, l.y1, l.x2, l.y2, l.width}) {
            line.call<void>("push", v);
        }
        lines.call<void>("push", line);
    }
    emscripten::val captions = emscripten::val::array();
    for (const Control c : layout::sceneCaptions) {
        captions.call<void>("push", std::string(nameOf(c)));
    }
    emscripten::val out = emscripten::val::object();
    out.set("controls", controls);
    out.set("lines", lines);
    out.set("sceneCaptions", captions);
    out.set("twipsPerPixel", layout::twipsPerPixel);
    out.set("width", layout::designWidth);
    out.set("height", layout::designHeight);
    return out;
}

// What a screen reader says: per control (or "picture") its name and description, Czech in
// the context "AccessibleNames".
emscripten::val accessibleTextTable()
{
    emscripten::val out = emscripten::val::array();
    for (const AccessibleText& t : ::accessibleTexts) {
        emscripten::val entry = emscripten::val::object();
        entry.set("name", t.control ? std::string(nameOf(*t.control)) : std::string("picture"));
        entry.set("text", std::string(t.name));
        entry.set("description", t.description ? emscripten::val(std::string(t.description))
                                               : emscripten::val::null());
        out.call<void>("push", entry);
    }
    return out;
}

double slowDownCount(const PageCore& core)
{
    return double(core.slowDownCount());
}

// Milliseconds for the sums of one start-up run (the fast kernel, all 467 steps), the best of
// `repeats`; for the measuring script.
double timeSums(int repeats)
{
    const RunSettings settings =
        RunSettings::of(1.33, 35, AngleCase::Angle35, Substance::Water, DetectorDistance::Middle);
    const RunParameters parameters =
        chooseRunParameters(settings.angleCase, settings.substance, settings.distance);
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const double begin = emscripten_get_now();
        const std::vector<StepResultants> all =
            sumSweep(ChainSums(SumInputs::from(settings, parameters)));
        best = std::min(best, emscripten_get_now() - begin);
        if (all.size() != std::size_t(scene::sweepSteps)) {
            return -1;
        }
    }
    return best;
}

// A phrase as the page translates it: its Czech words (context "TeachingOverlay") and the
// numbers for %1, %2, ... with their decimals.
emscripten::val phraseOf(const overlay::Phrase& phrase)
{
    emscripten::val numbers = emscripten::val::array();
    for (const overlay::Number& n : phrase.numbers) {
        emscripten::val number = emscripten::val::object();
        number.set("value", n.value);
        number.set("decimals", n.decimals);
        numbers.call<void>("push", number);
    }
    emscripten::val out = emscripten::val::object();
    out.set("words", std::string(phrase.words));
    out.set("numbers", numbers);
    return out;
}

emscripten::val textsOf(const std::vector<overlay::Text>& texts)
{
    constexpr const char* anchors[] = {"topLeft",     "topRight", "bottomLeft",
                                       "bottomRight", "left",     "right"};
    emscripten::val out = emscripten::val::array();
    for (const overlay::Text& t : texts) {
        emscripten::val text = emscripten::val::object();
        text.set("x", t.at.x);
        text.set("y", t.at.y);
        text.set("anchor", anchors[static_cast<int>(t.anchor)]);
        text.set("phrase", phraseOf(t.phrase));
        out.call<void>("push", text);
    }
    return out;
}

emscripten::val panelOf(const std::vector<overlay::Phrase>& panel)
{
    emscripten::val out = emscripten::val::array();
    for (const overlay::Phrase& phrase : panel) {
        out.call<void>("push", phraseOf(phrase));
    }
    return out;
}

// The teaching overlay for the settings the picture shows, in twips.
emscripten::val teachingOverlay(const PageCore& core)
{
    const overlay::Picture picture = overlay::teachingOverlay(core.shownSettings());
    emscripten::val lines = emscripten::val::array();
    for (const overlay::Line& l : picture.lines) {
        emscripten::val line = emscripten::val::object();
        line.set("x1", l.from.x);
        line.set("y1", l.from.y);
        line.set("x2", l.to.x);
        line.set("y2", l.to.y);
        line.set("critical", l.ink == overlay::Ink::Critical);
        lines.call<void>("push", line);
    }
    emscripten::val arcs = emscripten::val::array();
    for (const overlay::Arc& a : picture.arcs) {
        emscripten::val arc = emscripten::val::object();
        arc.set("x", a.centre.x);
        arc.set("y", a.centre.y);
        arc.set("radius", a.radius);
        arc.set("startDegrees", a.startDegrees);
        arc.set("spanDegrees", a.spanDegrees);
        arcs.call<void>("push", arc);
    }
    emscripten::val out = emscripten::val::object();
    out.set("lines", lines);
    out.set("arcs", arcs);
    out.set("texts", textsOf(picture.texts));
    out.set("controlCaptions", textsOf(picture.controlCaptions));
    out.set("panelX", picture.panelTopLeft.x);
    out.set("panelY", picture.panelTopLeft.y);
    out.set("panel", panelOf(picture.panel));
    return out;
}

// What classical optics predicts for the settings the picture shows.
emscripten::val theoryPanel(const PageCore& core)
{
    return panelOf(overlay::theoryPanel(core.shownSettings()));
}

} // namespace

EMSCRIPTEN_BINDINGS(brontel)
{
    emscripten::class_<PageCore>("PageCore")
        .constructor<>()
        .function("setDecimalComma", &PageCore::setDecimalComma)
        .function("click",
                  emscripten::optional_override(
                      [](PageCore& c, const std::string& option) { return c.click(option); }))
        .function("type", emscripten::optional_override(
                              [](PageCore& c, const std::string& field, const std::string& text) {
                                  return c.type(field, text);
                              }))
        .function("scroll", &PageCore::scroll)
        .function("start", &start)
        .function("step", &step)
        .function("advance", &PageCore::advance)
        .function("pressKey", &pressKey)
        .function("steer", &steer)
        .function("steers", &steers)
        .function("progress", &progress)
        .function("subscribe", &subscribe)
        .function("end", &PageCore::end)
        .function("state", &state)
        .function("stepsShown", &PageCore::stepsShown)
        .function("slowDownCount", &slowDownCount)
        .function("field",
                  emscripten::optional_override(
                      [](const PageCore& c, const std::string& name) { return c.field(name); }))
        .function("selectedOption",
                  emscripten::optional_override([](const PageCore& c, const std::string& frame) {
                      return c.selectedOption(frame);
                  }))
        .function("visible",
                  emscripten::optional_override(
                      [](const PageCore& c, const std::string& name) { return c.visible(name); }))
        .function("scrollValue", &PageCore::scrollValue)
        .function("markerY", &PageCore::markerY)
        .function("detectorHLabelLeft", &PageCore::detectorHLabelLeft)
        .function("detectorHLabelTop", &PageCore::detectorHLabelTop)
        .function("pictureSize", &pictureSize)
        .function("pictureFrom", &pictureFrom)
        .function("drawPixels", &drawPixels)
        .function("pixelData", &pixelData)
        .function("detectorPlaces", &detectorPlaces)
        .function("csv", &PageCore::csv)
        .function("spreadsheetCsv", emscripten::optional_override(
                                        [](const PageCore& core, const std::string& decimal) {
                                            return core.spreadsheetCsv(decimal == "," ? ',' : '.');
                                        }))
        .function("settingsLine", &PageCore::settingsLine)
        .function("exportPixels", &exportPixels)
        .function("sceneSvg", emscripten::optional_override([](const PageCore& core,
                                                               const std::string& captionLines,
                                                               const std::string& line) {
                      return core.sceneSvg(PageCore::captionLines(captionLines), line);
                  }))
        .function("teachingOverlay", &teachingOverlay)
        .function("theoryPanel", &theoryPanel);
    emscripten::function("timeSums", &timeSums);
    emscripten::function("windowTexts", &windowTexts);
    emscripten::function("fieldLimit", &fieldLimit);
    emscripten::function("windowLayout", &windowLayout);
    emscripten::function("accessibleTexts", &accessibleTextTable);
}
