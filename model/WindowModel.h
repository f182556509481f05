// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window Brontel without a window system: the state of every control at every moment, every
// handler of the design as an operation on that state, Start's check, and the run, which steps
// when its front end asks and is steered by the teacher. A front end shows this state, hands the
// user's actions to it and draws the picture it is given; the model draws through Surface.

#include "Control.h"
#include "ControlState.h"
#include "CurveRecord.h"
#include "ExperimentRun.h"
#include "NumberFormat.h"
#include "RunSteering.h"
#include "StartCheck.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

class Surface;

// The whole panel at one moment: what an export of a run shows beside the run's picture.
struct PanelState
{
    std::array<ControlState, controlCount> controls;
    // Line1, detector H's marker line, and the label nDetektorH follow the distance; twips.
    int markerY = 3720;
    int detectorHLabelLeft = 5640;
    int detectorHLabelTop = 3840;

    const ControlState& operator[](Control c) const { return controls[std::size_t(c)]; }
    ControlState& operator[](Control c) { return controls[std::size_t(c)]; }
};

// One step a run has drawn, and the pause that follows it.
struct DrawnStep
{
    SweepStep step;
    std::int64_t slowDownCount = 0; // decrements of the countdown after the step
};

// What Konec or the close box does.
enum class EndAction
{
    CloseNow,
    CloseAfterRun
};

class WindowModel
{
public:
    // picture: where the handlers and the runs draw.
    explicit WindowModel(Surface& picture);

    // Numbers are written and read under this format from now on.
    void setNumberFormat(NumberFormat format) { m_format = std::move(format); }
    const NumberFormat& numberFormat() const { return m_format; }

    const PanelState& panel() const { return m_panel; }
    const ControlState& state(Control control) const { return m_panel[control]; }

    // Load: the start options selected and the settings fields filled.
    void load();
    // A click on an option button: it is selected, the others of its frame not, and its Click
    // handler runs. Other controls are ignored.
    void click(Control option);
    // Text typed into a field (or written there by a program), UTF-8.
    void setText(Control field, std::string text);
    // The pace scroll bar has come to rest at value.
    void scroll(int value);
    int scrollValue() const { return m_scrollValue; }

    // Start pressed: the settings of a run, or why there is none. Nothing changes.
    std::variant<RunSettings, Refusal> checkStart() const;
    // Begins a run with settings from checkStart(); the picture must be empty.
    void beginRun(const RunSettings& settings);

    RunSteering& steering() { return m_steering; }
    const RunSteering& steering() const { return m_steering; }
    bool running() const { return m_run.has_value(); }
    // The settings of the run in progress; only while running().
    const RunSettings& runSettings() const { return m_run->record().settings; }
    // Draws the next step if the steering lets the run go on now.
    std::optional<DrawnStep> step();
    // The run has drawn its last step or has been stopped; endRun() ends it.
    bool runOver() const;
    void endRun();

    // Konec, or the close box.
    EndAction requestEnd();

    // The last run, finished or stopped, with the panel as it stood at its Start.
    const std::optional<CurveRecord>& lastCurves() const { return m_lastCurves; }
    const PanelState& runPanel() const { return m_runPanel; }

    // The slow-down count nSpomaleni holds; 0 where it holds no positive number.
    std::int64_t slowDownCount() const;

private:
    void select(Control option);
    void chooseSubstance(Substance substance);
    void chooseFixedAngle(AngleCase angleCase);
    void chooseCriticalAngle();
    void chooseDistance(DetectorDistance distance);
    void setCount(std::int64_t count);
    Substance substanceInForce() const;
    std::string number(double value) const { return formatNumber(value, m_format); }

    Surface& m_picture;
    NumberFormat m_format;
    PanelState m_panel;
    PanelState m_runPanel;
    int m_scrollValue = 0;
    RunSteering m_steering;
    std::optional<ExperimentRun> m_run;
    std::optional<CurveRecord> m_lastCurves;
};
