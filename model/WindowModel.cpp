// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowModel.h"

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

void WindowModel::load()
{
    m_panel[Control::nLátka].text = key(facts(Substance::Water).key);
    click(Control::opVoda);
    // The critical angle of the substance in force; the angle choice below replaces it before
    // the window is first shown.
    const SubstanceRow& substance = facts(substanceInForce());
    m_panel[Control::nAlfa].text = number(substance.criticalAngle);
    m_panel[Control::nIndex].text = number(substance.refrIndex);
    click(Control::opMenší);
    click(Control::opStředníDistance);
    m_panel[Control::nDistance].text = key(facts(DetectorDistance::Middle).key);
    click(Control::opRychlá);
    setCount(pace::startCount);
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
    m_panel[field].text = std::move(text);
}

void WindowModel::scroll(int value)
{
    m_scrollValue = value;
    setCount(pace::countForScrollValue(value));
}

void WindowModel::setCount(std::int64_t count)
{
    m_panel[Control::nSpomaleni].text = number(double(count));
}

Substance WindowModel::substanceInForce() const
{
    // Any text but water's counts as glass, as the critical angle and index have always been
    // chosen.
    return substanceFromKey(m_panel[Control::nLátka].text).value_or(Substance::Glass);
}

void WindowModel::chooseSubstance(Substance substance)
{
    const SubstanceRow& row = facts(substance);
    m_panel[Control::nVoda].visible = substance == Substance::Water;
    m_panel[Control::nSklo].visible = substance == Substance::Glass;
    m_panel[Control::nLátka].text = key(row.key);
    m_panel[Control::nIndex].text = number(row.refrIndex);
    if (angleCaseFromKey(m_panel[Control::nAlfaCaption].text) == AngleCase::Critical) {
        m_panel[Control::nAlfa].text = number(row.criticalAngle);
    }
}

void WindowModel::chooseFixedAngle(AngleCase angleCase)
{
    const AngleCaseRow& row = facts(angleCase);
    m_panel[Control::nAlfa].text = number(row.degrees.value_or(0));
    m_panel[Control::nAlfaCaption].text = key(row.key);
}

void WindowModel::chooseCriticalAngle()
{
    const SubstanceRow& substance = facts(substanceInForce());
    m_panel[Control::nAlfa].text = number(substance.criticalAngle);
    m_panel[Control::nIndex].text = number(substance.refrIndex);
    m_panel[Control::nAlfaCaption].text = key(facts(AngleCase::Critical).key);
}

void WindowModel::chooseDistance(DetectorDistance distance)
{
    const DetectorDistanceRow& row = facts(distance);
    m_panel[Control::nDistance].text = key(row.key);
    m_panel.markerY = row.markerY;
    m_panel.detectorHLabelLeft = marker::labelLeft;
    m_panel.detectorHLabelTop = row.labelTop;
}

std::variant<RunSettings, Refusal> WindowModel::checkStart() const
{
    const auto distanceKey = detectorDistanceFromKey(m_panel[Control::nDistance].text);
    StartFields fields{m_panel[Control::nIndex].text, m_panel[Control::nAlfa].text,
                       angleCaseFromKey(m_panel[Control::nAlfaCaption].text),
                       substanceFromKey(m_panel[Control::nLátka].text), distanceKey};
    return ::checkStart(fields, m_format);
}

void WindowModel::beginRun(const RunSettings& settings)
{
    m_runPanel = m_panel;
    m_steering.begin();
    m_run.emplace(m_picture, settings);
}

std::optional<DrawnStep> WindowModel::step()
{
    if (!m_run || m_run->finished() || !m_steering.takeNextStep()) {
        return std::nullopt;
    }
    const SweepStep drawn = m_run->drawStep();
    // The count is read afresh after every step: the pace scroll bar acts during a run.
    return DrawnStep{drawn, slowDownCount()};
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
    m_lastCurves = m_run->record();
    m_run.reset();
    m_steering.finish();
}

EndAction WindowModel::requestEnd()
{
    if (!running()) {
        return EndAction::CloseNow;
    }
    m_steering.requestEnd();
    return EndAction::CloseAfterRun;
}

std::int64_t WindowModel::slowDownCount() const
{
    const ParsedNumber count = parseNumber(m_panel[Control::nSpomaleni].text, m_format);
    if (count.kind != ParsedNumber::Kind::Number || !(count.value > 0)) {
        return 0;
    }
    return std::int64_t(std::llround(count.value));
}
