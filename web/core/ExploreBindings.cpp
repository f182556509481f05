// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explore view's model and pictures for the page through embind: the settings as plain
// numbers and names, the drawing as one flat array of numbers, its labels as objects.

#include "ExploreDrawing.h"
#include "ExploreModel.h"
#include "ExploreSums.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

emscripten::val orNull(const std::optional<double>& v)
{
    return v ? emscripten::val(*v) : emscripten::val::null();
}

// The model and the drawing last made of it, whose plot turns a click into a height.
class ExploreView
{
public:
    ExploreModel& model() { return m_model; }
    const ExploreModel& model() const { return m_model; }

    // Draws the pictures again: the lines as seven numbers per command (x1, y1, x2, y2, colour
    // 0x00BBGGRR, width, kind as in the main picture), the labels, the plot's place.
    emscripten::val draw()
    {
        m_drawing = exploreview::draw(m_model);
        const DrawingList& lines = m_drawing.lines;
        std::vector<float> flat;
        flat.reserve(lines.size() * 7);
        for (const DrawCommand& c : lines.commands()) {
            flat.insert(flat.end(), {c.x1, c.y1, c.x2, c.y2, float(c.colour), float(c.width),
                                     float(static_cast<int>(c.kind))});
        }
        const emscripten::val view(emscripten::typed_memory_view(flat.size(), flat.data()));
        emscripten::val out = emscripten::val::object();
        out.set("lines", emscripten::val::global("Float32Array").new_(view));
        out.set("labels", labels());
        return out;
    }

    // The height a point of the last drawing picks on the intensity plot, or null.
    emscripten::val heightAt(double x, double y) const
    {
        return orNull(m_drawing.heightAxis.heightAt(x, y));
    }

private:
    emscripten::val labels() const
    {
        constexpr const char* anchors[] = {"topLeft", "top",        "topRight", "left",
                                           "right",   "bottomLeft", "bottom"};
        emscripten::val out = emscripten::val::array();
        for (const exploreview::Label& l : m_drawing.labels) {
            emscripten::val numbers = emscripten::val::array();
            for (const exploreview::Number& n : l.numbers) {
                emscripten::val number = emscripten::val::object();
                number.set("value", n.value);
                number.set("decimals", n.decimals);
                numbers.call<void>("push", number);
            }
            emscripten::val label = emscripten::val::object();
            label.set("x", l.x);
            label.set("y", l.y);
            label.set("anchor", anchors[static_cast<int>(l.anchor)]);
            label.set("words", l.words == nullptr ? emscripten::val::null()
                                                  : emscripten::val(std::string(l.words)));
            label.set("literal", l.literal);
            label.set("numbers", numbers);
            label.set("colour", double(l.colour));
            out.call<void>("push", label);
        }
        return out;
    }

    ExploreModel m_model;
    exploreview::Drawing m_drawing;
};

emscripten::val settingsOf(const ExploreView& view)
{
    const ExploreModel& m = view.model();
    const ExploreSettings& s = m.settings();
    constexpr const char* substances[] = {"water", "glass", "other"};
    emscripten::val out = emscripten::val::object();
    out.set("alpha", s.alphaDegrees);
    out.set("substance", substances[static_cast<int>(m.substance())]);
    out.set("index", s.index);
    out.set("beam", s.beam == BeamShape::Gaussian ? "gaussian" : "hard");
    out.set("waist", s.waistTwips);
    out.set("step", s.stepTwips);
    out.set("arrows", s.arrows == ArrowKind::Exact ? "exact" : "equal");
    out.set("secondBlock", s.secondBlock);
    out.set("gapInDepths", m.gapInDepths());
    out.set("gapTwips", m.gapTwips());
    out.set("index2", s.index2);
    out.set("pickedHeight", m.pickedHeight());
    return out;
}

emscripten::val readoutsOf(const ExploreView& view)
{
    const ExploreModel& m = view.model();
    const ExploreReadouts r = m.readouts();
    emscripten::val out = emscripten::val::object();
    out.set("criticalAngle", orNull(r.criticalAngle));
    out.set("brewsterAngle", r.brewsterAngle);
    out.set("depthTwips", orNull(r.depthTwips));
    out.set("depthWavelengths", orNull(r.depthWavelengths));
    out.set("reflectanceS", r.reflectanceS);
    out.set("reflectanceP", r.reflectanceP);
    out.set("transmittanceS", r.transmittanceS);
    out.set("transmittanceP", r.transmittanceP);
    out.set("gapTransmissionS", orNull(r.gapTransmissionS));
    out.set("gapTransmissionP", orNull(r.gapTransmissionP));
    out.set("falseBeam", m.falseBeam());
    out.set("largestCleanStep", m.largestCleanStep());
    out.set("neededWaist", orNull(m.neededWaist()));
    return out;
}

// Sets one setting by its name from a number (or 0/1 and the names' order for the choices).
void set(ExploreView& view, const std::string& name, const emscripten::val& value)
{
    ExploreModel& m = view.model();
    if (name == "alpha") {
        m.setAlpha(value.as<double>());
    } else if (name == "substance") {
        const std::string v = value.as<std::string>();
        m.setSubstance(v == "glass"   ? ExploreSubstance::Glass
                       : v == "water" ? ExploreSubstance::Water
                                      : ExploreSubstance::Other);
    } else if (name == "index") {
        m.setIndex(value.as<double>());
    } else if (name == "beam") {
        m.setBeam(value.as<std::string>() == "hard" ? BeamShape::Hard : BeamShape::Gaussian);
    } else if (name == "waist") {
        m.setWaist(value.as<double>());
    } else if (name == "step") {
        m.setStep(value.as<double>());
    } else if (name == "arrows") {
        m.setArrows(value.as<std::string>() == "equal" ? ArrowKind::Equal : ArrowKind::Exact);
    } else if (name == "secondBlock") {
        m.setSecondBlock(value.as<bool>());
    } else if (name == "gapInDepths") {
        m.setGapInDepths(value.as<double>());
    } else if (name == "index2") {
        m.setIndex2(value.as<double>());
    } else if (name == "pickedHeight") {
        m.setPickedHeight(value.as<double>());
    }
}

// Milliseconds for one height curve as the view sums it live (water at 60°, a Gaussian beam of
// waist 600 twips, 0.5-twip sampling, exact wavelets), the best of `repeats`; for the
// measuring script.
double timeExploreSums(int repeats, bool plain)
{
    ExploreSettings s;
    s.index = 1.33;
    s.alphaDegrees = 60;
    s.waistTwips = 600;
    s.stepTwips = explore::fineStep;
    s.arrows = ArrowKind::Exact;
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const double begin = emscripten_get_now();
        const std::vector<HeightRow> rows = plain ? heightCurvePlain(s) : heightCurve(s);
        best = std::min(best, emscripten_get_now() - begin);
        if (rows.empty()) {
            return -1;
        }
    }
    return best;
}

// The number of heights that curve has.
int exploreHeightCount()
{
    ExploreSettings s;
    s.alphaDegrees = 60;
    return int(exploreHeights(s).size());
}

} // namespace

EMSCRIPTEN_BINDINGS(brontel_explore)
{
    emscripten::class_<ExploreView>("ExploreView")
        .constructor<>()
        .function("set", &set)
        .function("settings", &settingsOf)
        .function("readouts", &readoutsOf)
        .function("draw", &ExploreView::draw)
        .function("heightAt", &ExploreView::heightAt)
        .function("csv", emscripten::optional_override(
                             [](const ExploreView& v) { return v.model().csv(); }));
    emscripten::function("timeExploreSums", &timeExploreSums);
    emscripten::function("exploreHeightCount", &exploreHeightCount);
}
