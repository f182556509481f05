// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window Brontel without a window system: the choices of the panel as types, the two
// numbers the user types, every handler of the design as an operation on them, the whole of
// Start, and the run, which steps when its front end asks and is steered by the teacher. A
// front end shows this state, hands the user's actions to it, hears what each one changed
// (subscribe) and draws the picture it is given; the model draws through Surface.

#include "Control.h"
#include "ControlState.h"
#include "CurveRecord.h"
#include "ExperimentRun.h"
#include "ModelChange.h"
#include "NumberFormat.h"
#include "RunProgress.h"
#include "RunSteering.h"
#include "SceneClip.h"
#include "StartCheck.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class Surface;

// The whole panel at one moment: what an export of a run shows beside the run's picture.
struct PanelState
{
    // What each control shows. The hidden fields' texts are the keys of the choices below,
    // written when a choice is made; they are never read back.
    std::array<ControlState, controlCount> controls;
    // The choices, as types.
    Substance substance = Substance::Water;
    AngleCase angleCase = AngleCase::Angle35;
    DetectorDistance distance = DetectorDistance::Middle;
    std::int64_t slowDownCount = 0; // nSpomaleni; none before Load
    // Line1, detector H's marker line, and the label nDetektorH follow the distance; twips.
    int markerY = 3720;
    int detectorHLabelLeft = 5640;
    int detectorHLabelTop = 3840;

    const ControlState& operator[](Control c) const { return controls[std::size_t(c)]; }
    ControlState& operator[](Control c) { return controls[std::size_t(c)]; }
    // The two numbers as typed (nIndex, nAlfa).
    const std::string& indexText() const { return (*this)[Control::nIndex].text; }
    const std::string& alphaText() const { return (*this)[Control::nAlfa].text; }
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

    // Tells listener what every later operation changed, right after it.
    void subscribe(ModelListener listener) { m_listeners.push_back(std::move(listener)); }
    // Counts the operations that changed something.
    std::uint64_t revision() const { return m_revision; }

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
    // Text typed into nIndex or nAlfa (or written there by a program), UTF-8. The hidden fields
    // take no text: they show the choices.
    void setText(Control field, std::string text);
    // The pace scroll bar has come to rest at value.
    void scroll(int value);
    int scrollValue() const { return m_scrollValue; }

    // Start pressed: the settings of a run, or why there is none. Nothing changes.
    std::variant<RunSettings, Refusal> checkStart() const;
    // Start pressed, all of it: checks the fields, clears the picture and begins the run. The
    // refusal when the fields hold settings that cannot run; nothing happens then, nor during a
    // run, which never starts inside another.
    std::optional<Refusal> start();

    const RunSteering& steering() const { return m_steering; }
    bool running() const { return m_run.has_value(); }
    // The settings of the run in progress; only while running().
    const RunSettings& runSettings() const { return m_run->record().settings; }
    // How far the run in progress has come; none when no run goes.
    std::optional<RunProgress> progress() const;
    // Draws the next step if the steering lets the run go on now.
    std::optional<DrawnStep> step();
    // A key of the run pressed (see RunSteering::press); whether it steered.
    bool press(RunKey key, bool autoRepeat = false);
    // The run has drawn its last step or has been stopped; endRun() ends it.
    bool runOver() const;
    void endRun();

    // Konec, or the close box.
    EndAction requestEnd();

    // The last run, finished or stopped, with the panel as it stood at its Start.
    const std::optional<CurveRecord>& lastCurves() const { return m_lastCurves; }
    const PanelState& runPanel() const { return m_runPanel; }
    // What the picture's settings line, the exports and the teaching overlay show: the last
    // run's settings once one has ended and none goes, otherwise the panel's choices with its
    // two numbers (a field that holds no number counts as 0).
    RunSettings shownSettings() const;
    // The settings Start would run now: the panel's choices with its two numbers (a field that
    // holds no number counts as 0).
    RunSettings chosenSettings() const;

    // The slow-down count nSpomaleni holds; 0 before Load.
    std::int64_t slowDownCount() const { return m_panel.slowDownCount; }

private:
    void clickOption(Control option);
    void select(Control option);
    void chooseSubstance(Substance substance);
    void chooseFixedAngle(AngleCase angleCase);
    void chooseCriticalAngle();
    void chooseDistance(DetectorDistance distance);
    void setCount(std::int64_t count);
    void beginRun(const RunSettings& settings);
    std::string number(double value) const { return formatNumber(value, m_format); }
    // Runs an operation and tells the listeners what it changed.
    template <typename Operation> void notifying(Operation&& operation);

    Surface& m_picture;
    NumberFormat m_format;
    PanelState m_panel;
    PanelState m_runPanel;
    int m_scrollValue = 0;
    RunSteering m_steering;
    // Keeps what extreme settings throw far off the controls; one for each run.
    std::optional<SceneClip> m_clip;
    std::optional<ExperimentRun> m_run;
    std::optional<CurveRecord> m_lastCurves;
    std::vector<ModelListener> m_listeners;
    std::uint64_t m_revision = 0;
    bool m_drawn = false;     // the operation under way drew or cleared the picture
    bool m_stepDrawn = false; // ... and a run's step among it
};
