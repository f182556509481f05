// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The run as the teacher steers it. A run goes from its first step to its last unless stopped;
// Esc stops it after the step on the screen, P pauses and resumes it, and while it is paused the
// Right arrow asks for exactly one more step. Konec and the close box stop it too and end the
// program once the run is over.

enum class RunState
{
    Idle,
    Running,
    Paused
};

#include <optional>
#include <string_view>

// The keys that steer a run.
enum class RunKey
{
    Stop,        // Esc
    PauseResume, // P
    StepOnce     // Right arrow
};

// Which key steers the run how, the key named as browsers name them ("Escape", "p" or "P",
// "ArrowRight"). A key held with Ctrl, Alt or Meta is a shortcut and steers nothing.
std::optional<RunKey> runKeyNamed(std::string_view key, bool withShortcutModifier);

class RunSteering
{
public:
    RunState state() const { return m_state; }
    bool running() const { return m_state != RunState::Idle; }

    void begin();
    // Whether the run draws a step now. A paused run draws one only for a Right press, and
    // takes that press up.
    bool takeNextStep();
    // The run has drawn its last step, or stopped: it is over.
    void finish();

    // A key of the run, pressed (not released) while the run goes. Returns whether the key
    // steers the run at this moment; a key that does not keeps its usual meaning.
    bool press(RunKey key, bool autoRepeat = false);
    // Whether a press of key would steer the run now (a touch bar shows its buttons so).
    bool steers(RunKey key) const;
    // The run stops after the step on the screen; stopRequested() says so until it is over.
    void stop() { m_stopRequested = running(); }
    bool stopRequested() const { return m_stopRequested; }
    // Konec or the close box: the run stops, and the program ends when it is over.
    void requestEnd();
    bool endRequested() const { return m_endRequested; }

    int singleStepsAsked() const { return m_singleSteps; }

private:
    RunState m_state = RunState::Idle;
    int m_singleSteps = 0; // Right presses while paused, each one step yet to draw
    bool m_stopRequested = false;
    bool m_endRequested = false;
};
