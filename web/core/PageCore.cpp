// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PageCore.h"

#include "AngleCase.h"
#include "CurvesCsv.h"
#include "DetectorDistance.h"
#include "ExperimentRun.h"
#include "Pace.h"
#include "RunSettings.h"
#include "SettingRanges.h"
#include "ShortestDecimal.h"
#include "Substance.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr std::string_view angleOptions[] = {"opMenší", "opMezní", "opVětší"};
constexpr std::string_view distanceOptions[] = {"opMaláDistance", "opStředníDistance",
                                                "opVelkáDistance"};
constexpr std::string_view speedOptions[] = {"opRychlá", "opPomalejší", "opPomalá"};

bool oneOf(std::string_view name, const auto& names)
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

PageCore::PageCore()
{
    // The order of the window's start-up: each selected option writes its fields.
    m_latka = std::string(facts(Substance::Water).key);
    click("opVoda");
    const SubstanceRow& water = facts(Substance::Water);
    m_alfa = numberText(water.criticalAngle);
    m_index = numberText(water.refrIndex);
    click("opMenší");
    click("opStředníDistance");
    click("opRychlá");
    m_spomaleni = numberText(double(pace::startCount));
}

void PageCore::setDecimalComma(bool comma)
{
    // Numbers the program wrote itself follow the language; typed texts stay as typed.
    for (std::string* text : {&m_index, &m_alfa}) {
        const std::optional<double> value = textToNumber(*text);
        if (value && *text == numberText(*value)) {
            const bool before = m_comma;
            m_comma = comma;
            *text = numberText(*value);
            m_comma = before;
        }
    }
    m_comma = comma;
}

bool PageCore::click(std::string_view option)
{
    if (option != "opVoda" && option != "opSklo" && !oneOf(option, angleOptions) &&
        !oneOf(option, distanceOptions) && !oneOf(option, speedOptions)) {
        return false;
    }
    const HeldInput input{true, std::string(option), {}};
    if (m_state != RunState::Idle) {
        m_held.push_back(input);
    } else {
        act(input);
    }
    return true;
}

bool PageCore::type(std::string_view field, std::string_view text)
{
    if (field != "nIndex" && field != "nAlfa") {
        return false;
    }
    const HeldInput input{false, std::string(field), std::string(text)};
    if (m_state != RunState::Idle) {
        m_held.push_back(input);
    } else {
        act(input);
    }
    return true;
}

void PageCore::scroll(int value)
{
    m_scroll = std::clamp(value, pace::scrollMinimum, pace::scrollMaximum);
    m_spomaleni = numberText(double(pace::countForScrollValue(m_scroll)));
}

void PageCore::act(const HeldInput& input)
{
    if (!input.isClick) {
        (input.name == "nIndex" ? m_index : m_alfa) = input.text;
        return;
    }
    const std::string_view option = input.name;
    if (option == "opVoda" || option == "opSklo") {
        chooseSubstance(option == "opVoda");
    } else if (oneOf(option, angleOptions)) {
        chooseAngle(option);
    } else if (oneOf(option, distanceOptions)) {
        chooseDistance(option);
    } else {
        m_speedOption = input.name;
        m_spomaleni = numberText(double(option == "opRychlá"      ? pace::fastCount
                                        : option == "opPomalejší" ? pace::slowerCount
                                                                  : pace::slowCount));
    }
}

void PageCore::chooseSubstance(bool water)
{
    const SubstanceRow& row = facts(water ? Substance::Water : Substance::Glass);
    m_substanceOption = water ? "opVoda" : "opSklo";
    m_latka = std::string(row.key);
    m_index = numberText(row.refrIndex);
    if (angleCaseFromKey(m_alfaCaption) == AngleCase::Critical) {
        m_alfa = numberText(row.criticalAngle);
    }
}

void PageCore::chooseAngle(std::string_view option)
{
    m_angleOption = std::string(option);
    if (option == "opMezní") {
        const SubstanceRow& substance = facts(substanceFromKey(m_latka).value_or(Substance::Glass));
        m_alfa = numberText(substance.criticalAngle);
        m_index = numberText(substance.refrIndex);
        m_alfaCaption = std::string(facts(AngleCase::Critical).key);
        return;
    }
    const AngleCaseRow& row = facts(option == "opMenší" ? AngleCase::Angle35 : AngleCase::Angle60);
    m_alfa = numberText(row.degrees.value_or(0));
    m_alfaCaption = std::string(row.key);
    if (option == "opMenší") {
        // The short black mark the window has always drawn at the lower left; a run paints it
        // over.
        DrawingList mark;
        mark.line(770, 7440, float(770 - 100 * std::sin(scene::radians(*row.degrees))), 7440);
        m_picture.insert(m_picture.end(), mark.commands().begin(), mark.commands().end());
    }
}

void PageCore::chooseDistance(std::string_view option)
{
    m_distanceOption = std::string(option);
    const DetectorDistance distance = option == "opMaláDistance"      ? DetectorDistance::Near
                                      : option == "opStředníDistance" ? DetectorDistance::Middle
                                                                      : DetectorDistance::Far;
    m_distance = std::string(facts(distance).key);
}

std::optional<Refusal> PageCore::check(std::string_view field, std::string_view text, double lowest,
                                       double highest, double& value) const
{
    Refusal refusal{
        Refusal::Kind::NotANumber, std::string(field), std::string(text), 0, lowest, highest};
    const std::optional<double> number = textToNumber(text);
    if (!number) {
        return refusal;
    }
    refusal.value = *number;
    if (std::abs(*number) > ranges::largestSetting) {
        refusal.kind = Refusal::Kind::TooLarge;
        refusal.highest = ranges::largestSetting;
        return refusal;
    }
    if (*number < lowest || *number > highest) {
        refusal.kind = Refusal::Kind::OutOfRange;
        return refusal;
    }
    value = *number;
    return std::nullopt;
}

std::optional<Refusal> PageCore::start()
{
    if (m_state != RunState::Idle) {
        return std::nullopt; // a run never starts inside another
    }
    double index = 0;
    double alpha = 0;
    if (auto refusal =
            check("nIndex", m_index, ranges::refrIndex.lowest, ranges::refrIndex.highest, index)) {
        return refusal;
    }
    if (auto refusal = check("nAlfa", m_alfa, ranges::angle.lowest, ranges::angle.highest, alpha)) {
        return refusal;
    }
    m_detectorDistance = textToNumber(m_distance).value_or(0);
    const RunSettings settings = RunSettings::fromFields(index, alpha, m_alfaCaption, m_latka,
                                                         m_distance, m_detectorDistance);
    m_run.clear();
    m_stepEnds.clear();
    // The whole run at once, with where each step's drawing ends; the page paces the showing.
    ExperimentRun run(m_run, settings);
    while (!run.finished()) {
        run.drawStep();
        m_stepEnds.push_back(m_run.size());
    }
    m_runCurves = run.record();
    m_shownCurves = CurveRecord{settings, {}};
    m_picture.clear(); // the run paints the whole picture over
    m_shown = 0;
    m_state = RunState::Running;
    return std::nullopt;
}

void PageCore::showSteps(int count)
{
    const int last = std::min<int>(m_shown + count, int(m_stepEnds.size()));
    if (last > m_shown) {
        const std::size_t from = m_shown == 0 ? 0 : m_stepEnds[m_shown - 1];
        const auto& all = m_run.commands();
        m_picture.insert(m_picture.end(), all.begin() + std::ptrdiff_t(from),
                         all.begin() + std::ptrdiff_t(m_stepEnds[last - 1]));
        m_shownCurves.points.insert(m_shownCurves.points.end(),
                                    m_runCurves.points.begin() + m_shown,
                                    m_runCurves.points.begin() + last);
        m_shown = last;
    }
    if (m_shown >= int(m_stepEnds.size())) {
        endRun();
    }
}

int PageCore::advance(int steps)
{
    if (m_state == RunState::Running && steps > 0) {
        showSteps(steps);
    }
    return m_shown;
}

void PageCore::pause()
{
    if (m_state == RunState::Running) {
        m_state = RunState::Paused;
    }
}

void PageCore::resume()
{
    if (m_state == RunState::Paused) {
        m_state = RunState::Running;
    }
}

void PageCore::singleStep()
{
    if (m_state == RunState::Paused) {
        showSteps(1);
    }
}

void PageCore::stop()
{
    if (m_state != RunState::Idle) {
        endRun();
    }
}

void PageCore::endRun()
{
    m_state = RunState::Idle;
    m_run.clear();
    m_stepEnds.clear();
    // What was done during the run takes effect now, in the order it was done.
    const std::vector<HeldInput> held = std::move(m_held);
    m_held.clear();
    for (const HeldInput& input : held) {
        act(input);
    }
}

std::int64_t PageCore::slowDownCount() const
{
    const std::optional<double> count = textToNumber(m_spomaleni);
    return count && *count > 0 ? std::int64_t(std::llround(*count)) : 0;
}

std::string PageCore::field(std::string_view name) const
{
    if (name == "nIndex") {
        return m_index;
    }
    if (name == "nAlfa") {
        return m_alfa;
    }
    if (name == "nAlfaCaption") {
        return m_alfaCaption;
    }
    if (name == "nLátka") {
        return m_latka;
    }
    if (name == "nDistance") {
        return m_distance;
    }
    if (name == "nSpomaleni") {
        return m_spomaleni;
    }
    return {};
}

std::string PageCore::selectedOption(std::string_view frame) const
{
    if (frame == "frmLátka") {
        return m_substanceOption;
    }
    if (frame == "frmDopad") {
        return m_angleOption;
    }
    if (frame == "frmDistance") {
        return m_distanceOption;
    }
    if (frame == "frmAnimace") {
        return m_speedOption;
    }
    return {};
}

int PageCore::markerY() const
{
    return facts(detectorDistanceFromKey(m_distance).value_or(DetectorDistance::Middle)).markerY;
}

int PageCore::detectorHLabelTop() const
{
    return facts(detectorDistanceFromKey(m_distance).value_or(DetectorDistance::Middle)).labelTop;
}

std::string PageCore::substanceTag() const
{
    return m_substanceOption == "opSklo" ? "nSklo" : "nVoda";
}

std::vector<double> PageCore::detectorPlaces() const
{
    if (m_shown == 0 || m_state == RunState::Idle) {
        return {};
    }
    const SweepStep step{m_shown - 1};
    return {scene::probeX,    double(step.y()),
            step.detectorX(), scene::detectorHY(m_detectorDistance),
            step.detectorX(), scene::detectorLY};
}

std::string PageCore::csv() const
{
    return curvesCsv(m_shownCurves);
}

std::string PageCore::numberText(double value) const
{
    std::string text;
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < 1e15) {
        text = std::to_string(std::llround(value)); // whole numbers as plain digits
    } else {
        text = shortestDecimal(value);
    }
    if (m_comma) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
    return text;
}

std::optional<double> PageCore::textToNumber(std::string_view text)
{
    text = trimmed(text);
    // Sign, digits, one decimal separator (comma or point), an exponent: nothing else, so that
    // grouping, "nan" and "inf" are not numbers.
    std::string plain;
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t first = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
        }
        return i - first;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        plain += text[i++];
    }
    std::size_t mantissa = digits();
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        plain += '.';
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += text[i++];
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            plain += text[i++];
        }
        if (digits() == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    const double value = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt; // an exponent that overflows
    }
    return value;
}
