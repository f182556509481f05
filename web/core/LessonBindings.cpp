// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson's tools for the page through embind: the kept runs and their chart on one scale,
// the class's prediction sketch, and the worksheet as HTML. The same model the desktop window
// shows; the page draws what it gives and hands it the user's choices.

#include "ComparisonCsv.h"
#include "PageCore.h"
#include "PredictionSketch.h"
#include "RunComparison.h"
#include "SceneGeometry.h"
#include "WindowLayout.h"
#include "Worksheet.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

namespace {

// Seven numbers per command, as PageCore's picture gives them (see Bindings.cpp).
emscripten::val flatCommands(const DrawingList& drawing)
{
    std::vector<float> flat;
    flat.reserve(drawing.size() * 7);
    for (const DrawCommand& c : drawing.commands()) {
        flat.insert(flat.end(), {c.x1, c.y1, c.x2, c.y2, float(c.colour), float(c.width),
                                 float(static_cast<int>(c.kind))});
    }
    const emscripten::val view(emscripten::typed_memory_view(flat.size(), flat.data()));
    return emscripten::val::global("Float32Array").new_(view);
}

emscripten::val point(ChartPoint p)
{
    emscripten::val out = emscripten::val::object();
    out.set("x", p.x);
    out.set("y", p.y);
    return out;
}

emscripten::val ticksOf(const std::vector<ComparisonChart::Tick>& ticks)
{
    emscripten::val out = emscripten::val::array();
    for (const ComparisonChart::Tick& t : ticks) {
        emscripten::val tick = point(t.label);
        tick.set("value", t.value);
        out.call<void>("push", tick);
    }
    return out;
}

const char* scaleName(ChartScale scale)
{
    return scale == ChartScale::Logarithmic ? "logarithmic" : "linear";
}

// The runs a class keeps and its prediction, one per page.
class Lesson
{
public:
    Lesson()
    {
        m_comparison.subscribe([this] { changed(); });
        m_prediction.subscribe([this] { changed(); });
    }

    // Whether the last run can be kept now: it has ended, and it went to its end.
    bool canKeep(const PageCore& core) const
    {
        const auto& last = core.model().lastCurves();
        return core.state() == RunState::Idle && last &&
               last->points.size() == std::size_t(scene::sweepSteps);
    }

    std::string keep(const PageCore& core)
    {
        const auto& last = core.model().lastCurves();
        if (core.state() != RunState::Idle || !last) {
            return "notWhole";
        }
        switch (m_comparison.keep(*last)) {
        case RunComparison::Keeping::Kept:
            return "kept";
        case RunComparison::Keeping::AlreadyKept:
            return "alreadyKept";
        case RunComparison::Keeping::Full:
            return "full";
        case RunComparison::Keeping::NotWhole:
            break;
        }
        return "notWhole";
    }

    RunComparison& comparison() { return m_comparison; }
    const RunComparison& comparison() const { return m_comparison; }
    PredictionSketch& prediction() { return m_prediction; }
    const PredictionSketch& prediction() const { return m_prediction; }

    void subscribe(emscripten::val listener) { m_listeners.push_back(std::move(listener)); }

private:
    void changed() const
    {
        for (const emscripten::val& listener : m_listeners) {
            listener();
        }
    }

    RunComparison m_comparison;
    PredictionSketch m_prediction;
    std::vector<emscripten::val> m_listeners;
};

// The kept runs' settings, in the order they were kept.
emscripten::val runs(const Lesson& lesson)
{
    emscripten::val out = emscripten::val::array();
    for (const KeptRun& run : lesson.comparison().runs()) {
        const RunSettings& s = run.settings();
        emscripten::val entry = emscripten::val::object();
        entry.set("substance", s.substance == Substance::Water ? "water" : "glass");
        entry.set("index", s.refrIndex);
        entry.set("alpha", s.alpha);
        entry.set("distance", s.detectorDistance);
        entry.set("arrowLengthVH", run.arrowLength(Detector::V));
        entry.set("arrowLengthL", run.arrowLength(Detector::L));
        out.call<void>("push", entry);
    }
    return out;
}

// The chart as the page draws it: its lines, its size in twips, each panel's frame and ticks
// (V, H, L), where the legend entries go and how each run is drawn.
emscripten::val chart(const Lesson& lesson)
{
    const ComparisonChart c = lesson.comparison().chart();
    DrawingList drawing;
    c.draw(drawing);
    emscripten::val panels = emscripten::val::array();
    for (const Detector d : allDetectors) {
        const ComparisonChart::Rect r = ComparisonChart::panel(d);
        emscripten::val panel = emscripten::val::object();
        panel.set("left", r.left);
        panel.set("top", r.top);
        panel.set("right", r.right);
        panel.set("bottom", r.bottom);
        panel.set("valueTicks", ticksOf(c.valueTicks(d)));
        panel.set("placeTicks", ticksOf(c.placeTicks(d)));
        panels.call<void>("push", panel);
    }
    emscripten::val legend = emscripten::val::array();
    for (int run = 0; run < ComparisonChart::maxRuns; ++run) {
        const RunStyle style = ComparisonChart::style(run);
        emscripten::val entry = point(ComparisonChart::legendSample(run));
        entry.set("colour", double(style.colour));
        emscripten::val dashes = emscripten::val::array();
        for (int k = 0; k < style.dashes.count; ++k) {
            dashes.call<void>("push", style.dashes.lengths[k]);
        }
        entry.set("dashes", dashes);
        legend.call<void>("push", entry);
    }
    emscripten::val out = emscripten::val::object();
    out.set("lines", flatCommands(drawing));
    out.set("width", ComparisonChart::width);
    out.set("height", ComparisonChart::height);
    out.set("scale", scaleName(c.scale()));
    out.set("panels", panels);
    out.set("legend", legend);
    out.set("legendSampleLength", ComparisonChart::legendSampleLength);
    return out;
}

void setScale(Lesson& lesson, const std::string& scale)
{
    lesson.comparison().setScale(scale == "logarithmic" ? ChartScale::Logarithmic
                                                        : ChartScale::Linear);
}

// The area a stroke may cover, in twips of the window: left, top, right, bottom.
emscripten::val sketchBounds()
{
    emscripten::val out = emscripten::val::array();
    for (const double v : {layout::sceneBounds.leftX, layout::sceneBounds.topY, scene::plotRightX,
                           scene::sweepBottomY}) {
        out.call<void>("push", v);
    }
    return out;
}

emscripten::val predictionDrawing(const Lesson& lesson)
{
    DrawingList drawing;
    lesson.prediction().draw(drawing);
    return flatCommands(drawing);
}

// The worksheet's part as a whole HTML document: its words from lookup (the Czech source in,
// the language's text out), numbers with a decimal comma or point.
std::string worksheet(const std::string& part, emscripten::val lookup, bool decimalComma)
{
    const TextLookup words = [&lookup](std::string_view source) {
        return lookup(std::string(source)).as<std::string>();
    };
    // The key's numbers never change; their two whole runs are made once, when first asked for.
    static const WorksheetNumbers numbers = worksheetNumbers();
    return worksheetHtml(part == "key" ? WorksheetPart::Key : WorksheetPart::Sheet, words,
                         NumberFormat{decimalComma ? "," : "."}, numbers);
}

} // namespace

EMSCRIPTEN_BINDINGS(brontel_lesson)
{
    emscripten::class_<Lesson>("Lesson")
        .constructor<>()
        .function("canKeep", &Lesson::canKeep)
        .function("keep", &Lesson::keep)
        .function("drop", emscripten::optional_override(
                              [](Lesson& l, int place) { l.comparison().drop(place); }))
        .function("runs", &runs)
        .function("setScale", &setScale)
        .function("chart", &chart)
        .function("comparisonCsv", emscripten::optional_override([](const Lesson& l) {
                      return comparisonCsv(l.comparison().runs());
                  }))
        .function("setSketching", emscripten::optional_override(
                                      [](Lesson& l, bool on) { l.prediction().setSketching(on); }))
        .function("sketching", emscripten::optional_override(
                                   [](const Lesson& l) { return l.prediction().sketching(); }))
        .function("beginStroke", emscripten::optional_override([](Lesson& l, double x, double y) {
                      l.prediction().beginStroke({x, y});
                  }))
        .function("extendStroke", emscripten::optional_override([](Lesson& l, double x, double y) {
                      l.prediction().extendStroke({x, y});
                  }))
        .function("clearPrediction",
                  emscripten::optional_override([](Lesson& l) { l.prediction().clear(); }))
        .function("strokes", emscripten::optional_override([](const Lesson& l) {
                      return int(l.prediction().strokes().size());
                  }))
        .function("setPredictionInExports", emscripten::optional_override([](Lesson& l, bool on) {
                      l.prediction().setInExports(on);
                  }))
        .function("predictionInExports", emscripten::optional_override([](const Lesson& l) {
                      return l.prediction().inExports();
                  }))
        .function("prediction", &predictionDrawing)
        .function("subscribe", &Lesson::subscribe);
    emscripten::function("sketchBounds", &sketchBounds);
    emscripten::function("worksheetHtml", &worksheet);
}
