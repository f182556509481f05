// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowModel.h"

#include "WindowLayout.h"

#include "DetectorDistance.h"
#include "Pace.h"
#include "SceneGeometry.h"
#include "Surface.h"

#include <cmath>

namespace {
std::string key(std::string_view text)
{
    return std::string(text);
}

PanelState designPanel()
{
    PanelState panel;
    // The fields' texts as designed, before Load fills them.
    panel[Control::nIndex].text = "nIndex";
    panel[Control::nAlfa].text = "nAlfa";
    panel[Control::nLátka].text = "nLátka";
    panel[Control::nAlfaCaption].text = "nAlfaCaption";
    panel[Control::nDistance].text = "nDistance";
    panel[Control::nSpomaleni].text = "Spomalení";
    for (Control hidden :
         {Control::nLátka, Control::nAlfaCaption, Control::nDistance, Control::nSpomaleni,
          Control::frmAnimace, Control::opRychlá, Control::opPomalejší, Control::opPomalá}) {
        panel[hidden].visible = false;
    }
    return panel;
}
} // namespace

WindowModel::WindowModel(Surface& picture) : m_picture(picture), m_panel(designPanel())
{
    m_runPanel = m_panel;
}

template <typename Operation> void WindowModel::notifying(Operation&& operation)
{
    const PanelState before = m_panel;
    const bool wasRunning = running();
    const RunState wasState = m_steering.state();
    const bool wasStopping = m_steering.stopRequested();
    m_drawn = false;
    m_stepDrawn = false;
    operation();
    ModelChange change;
    for (std::size_t i = 0; i < controlCount; ++i) {
        if (!(before.controls[i] == m_panel.controls[i])) {
            change.controls.push_back(Control(i));
        }
    }
    change.marker = before.markerY != m_panel.markerY ||
                    before.detectorHLabelLeft != m_panel.detectorHLabelLeft ||
                    before.detectorHLabelTop != m_panel.detectorHLabelTop;
    change.picture = m_drawn;
    change.step = m_stepDrawn;
    change.run = wasRunning != running() || wasState != m_steering.state() ||
                 wasStopping != m_steering.stopRequested();
    if (change.empty()) {
        return;
    }
    ++m_revision;
    for (const ModelListener& listener : m_listeners) {
        listener(change);
    }
}

void WindowModel::load()
{
    notifying([this] {
        clickOption(Control::opVoda);
        // The critical angle of the substance in force; the angle choice below replaces it
        // before the window is first shown.
        const SubstanceRow& substance = facts(m_panel.substance);
        m_panel[Control::nAlfa].text = number(substance.criticalAngle);
        m_panel[Control::nIndex].text = number(substance.refrIndex);
        clickOption(Control::opMenší);
        clickOption(Control::opStředníDistance);
        clickOption(Control::opRychlá);
        setCount(pace::startCount);
    });
}

void WindowModel::select(Control option)
{
    for (const OptionRow& row : optionTable) {
        if (row.option == option) {
            for (const OptionRow& other : optionTable) {
                if (other.frame == row.frame) {
                    m_panel[other.option].checked = other.option == option;
                }
            }
        }
    }
}

void WindowModel::click(Control option)
{
    notifying([this, option] { clickOption(option); });
}

void WindowModel::clickOption(Control option)
{
    switch (option) {
    case Control::opVoda:
        select(option);
        chooseSubstance(Substance::Water);
        break;
    case Control::opSklo:
        select(option);
        chooseSubstance(Substance::Glass);
        break;
    case Control::opMenší: {
        select(option);
        chooseFixedAngle(AngleCase::Angle35);
        // A short black mark at the lower left, where the hidden speed frame lies; the program
        // has always drawn it, and a run paints it over.
        const double degrees = *facts(AngleCase::Angle35).degrees;
        m_picture.line(770, 7440, float(770 - 100 * std::sin(scene::radians(degrees))), 7440);
        m_drawn = true;
        break;
    }
    case Control::opMezní:
        select(option);
        chooseCriticalAngle();
        break;
    case Control::opVětší:
        select(option);
        chooseFixedAngle(AngleCase::Angle60);
        break;
    case Control::opMaláDistance:
        select(option);
        chooseDistance(DetectorDistance::Near);
        break;
    case Control::opStředníDistance:
        select(option);
        chooseDistance(DetectorDistance::Middle);
        break;
    case Control::opVelkáDistance:
        select(option);
        chooseDistance(DetectorDistance::Far);
        break;
    case Control::opRychlá:
        select(option);
        setCount(pace::fastCount);
        break;
    case Control::opPomalejší:
        select(option);
        setCount(pace::slowerCount);
        break;
    case Control::opPomalá:
        select(option);
        setCount(pace::slowCount);
        break;
    default:
        break;
    }
}

void WindowModel::setText(Control field, std::string text)
{
    if (field != Control::nIndex && field != Control::nAlfa) {
        return;
    }
    notifying([&] { m_panel[field].text = std::move(text); });
}

void WindowModel::scroll(int value)
{
    notifying([this, value] {
        m_scrollValue = value;
        setCount(pace::countForScrollValue(value));
    });
}

void WindowModel::setCount(std::int64_t count)
{
    m_panel.slowDownCount = count;
    m_panel[Control::nSpomaleni].text = number(double(count));
}

void WindowModel::chooseSubstance(Substance substance)
{
    const SubstanceRow& row = facts(substance);
    m_panel.substance = substance;
    m_panel[Control::nVoda].visible = substance == Substance::Water;
    m_panel[Control::nSklo].visible = substance == Substance::Glass;
    m_panel[Control::nLátka].text = key(row.key);
    m_panel[Control::nIndex].text = number(row.refrIndex);
    if (m_panel.angleCase == AngleCase::Critical) {
        m_panel[Control::nAlfa].text = number(row.criticalAngle);
    }
}

void WindowModel::chooseFixedAngle(AngleCase angleCase)
{
    const AngleCaseRow& row = facts(angleCase);
    m_panel.angleCase = angleCase;
    m_panel[Control::nAlfa].text = number(row.degrees.value_or(0));
    m_panel[Control::nAlfaCaption].text = key(row.key);
}

void WindowModel::chooseCriticalAngle()
{
    const SubstanceRow& substance = facts(m_panel.substance);
    m_panel.angleCase = AngleCase::Critical;
    m_panel[Control::nAlfa].text = number(substance.criticalAngle);
    m_panel[Control::nIndex].text = number(substance.refrIndex);
    m_panel[Control::nAlfaCaption].text = key(facts(AngleCase::Critical).key);
}

void WindowModel::chooseDistance(DetectorDistance distance)
{
    const DetectorDistanceRow& row = facts(distance);
    m_panel.distance = distance;
    m_panel[Control::nDistance].text = key(row.key);
    m_panel.markerY = row.markerY;
    m_panel.detectorHLabelLeft = marker::labelLeft;
    m_panel.detectorHLabelTop = row.labelTop;
}

std::variant<RunSettings, Refusal> WindowModel::checkStart() const
{
    const StartFields fields{m_panel.indexText(), m_panel.alphaText(), m_panel.angleCase,
                             m_panel.substance, m_panel.distance};
    return ::checkStart(fields, m_format);
}

std::optional<Refusal> WindowModel::start()
{
    if (running()) {
        return std::nullopt;
    }
    const auto checked = checkStart();
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        return *refusal;
    }
    notifying([&] {
        // The run paints the whole picture over: what was drawn before need not be kept.
        m_picture.clear();
        beginRun(std::get<RunSettings>(checked));
    });
    return std::nullopt;
}

void WindowModel::beginRun(const RunSettings& settings)
{
    m_runPanel = m_panel;
    m_steering.begin();
    m_clip.emplace(m_picture, layout::sceneBounds);
    m_run.emplace(*m_clip, settings);
    m_panel[Control::cmdStart].enabled = false;
    m_drawn = true;
}

std::optional<RunProgress> WindowModel::progress() const
{
    if (!m_run) {
        return std::nullopt;
    }
    return RunProgress{m_run->stepsDrawn(), m_run->stepCount()};
}

std::optional<DrawnStep> WindowModel::step()
{
    if (!m_run || m_run->finished()) {
        return std::nullopt;
    }
    std::optional<DrawnStep> drawn;
    notifying([&] {
        if (!m_steering.takeNextStep()) {
            return;
        }
        const SweepStep step = m_run->drawStep();
        m_drawn = true;
        m_stepDrawn = true;
        // The count is read afresh after every step: the pace scroll bar acts during a run.
        drawn = DrawnStep{step, slowDownCount()};
    });
    return drawn;
}

bool WindowModel::press(RunKey key, bool autoRepeat)
{
    bool steered = false;
    notifying([&] { steered = m_steering.press(key, autoRepeat); });
    return steered;
}

bool WindowModel::runOver() const
{
    return m_run && (m_run->finished() || m_steering.stopRequested());
}

void WindowModel::endRun()
{
    if (!m_run) {
        return;
    }
    notifying([this] {
        m_lastCurves = m_run->record();
        m_run.reset();
        m_steering.finish();
        m_panel[Control::cmdStart].enabled = true;
    });
}

EndAction WindowModel::requestEnd()
{
    if (!running()) {
        return EndAction::CloseNow;
    }
    notifying([this] { m_steering.requestEnd(); });
    return EndAction::CloseAfterRun;
}

RunSettings WindowModel::shownSettings() const
{
    if (m_lastCurves && !running()) {
        return m_lastCurves->settings;
    }
    return chosenSettings();
}

RunSettings WindowModel::chosenSettings() const
{
    const auto number = [this](const std::string& text) {
        const ParsedNumber n = parseNumber(text, m_format);
        return n.kind == ParsedNumber::Kind::Number ? n.value : 0.0;
    };
    return RunSettings::of(number(m_panel.indexText()), number(m_panel.alphaText()),
                           m_panel.angleCase, m_panel.substance, m_panel.distance);
}
