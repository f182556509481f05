// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunSteering.h"

void RunSteering::begin()
{
    m_state = RunState::Running;
    m_singleSteps = 0;
    m_stopRequested = false;
}

bool RunSteering::takeNextStep()
{
    if (m_stopRequested) {
        return false;
    }
    switch (m_state) {
    case RunState::Running:
        return true;
    case RunState::Paused:
        if (m_singleSteps > 0) {
            --m_singleSteps;
            return true;
        }
        return false;
    case RunState::Idle:
        return false;
    }
    return false;
}

void RunSteering::finish()
{
    m_state = RunState::Idle;
    m_singleSteps = 0;
    m_stopRequested = false;
}

bool RunSteering::steers(RunKey key) const
{
    // The arrow keeps its usual meaning while the run goes.
    return running() && (key != RunKey::StepOnce || m_state == RunState::Paused);
}

bool RunSteering::press(RunKey key, bool autoRepeat)
{
    if (!steers(key)) {
        return false;
    }
    switch (key) {
    case RunKey::Stop:
        stop();
        return true;
    case RunKey::PauseResume:
        if (!autoRepeat) {
            m_state = m_state == RunState::Running ? RunState::Paused : RunState::Running;
            m_singleSteps = 0;
        }
        return true;
    case RunKey::StepOnce:
        ++m_singleSteps;
        return true;
    }
    return false;
}

void RunSteering::requestEnd()
{
    m_endRequested = true;
    stop();
}

std::optional<RunKey> runKeyNamed(std::string_view key, bool withShortcutModifier)
{
    if (withShortcutModifier) {
        return std::nullopt;
    }
    if (key == "Escape") {
        return RunKey::Stop;
    }
    if (key == "p" || key == "P") {
        return RunKey::PauseResume;
    }
    if (key == "ArrowRight") {
        return RunKey::StepOnce;
    }
    return std::nullopt;
}
