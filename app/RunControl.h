// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The keys that steer a run while it draws: Esc stops it at the end of the current step, P
// pauses and resumes it, and while it is paused the Right arrow draws exactly one more step.
// A paused run waits in an event loop of its own: the window repaints and answers the window
// system, and the processor rests until something wakes it.

#include <QObject>

class QEventLoop;
class QKeyEvent;
class QWidget;

class RunControl final : public QObject
{
    Q_OBJECT
public:
    // Watches the keys of window (and of every widget in it) for as long as it lives.
    explicit RunControl(QWidget& window);
    ~RunControl() override;
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;

    // The run ends at the end of the current step, paused or not.
    void stop();
    bool isPaused() const { return m_state == State::Paused; }
    bool isStopped() const { return m_state == State::Stopped; }

    // At the end of a step: handles what the user did meanwhile, waits while the run is paused
    // (unless one step is asked for), and says whether the run draws its next step.
    bool nextStep();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    enum class State
    {
        Running,
        Paused,
        Stopped
    };

    bool steers(const QKeyEvent& key);
    void wake();
    void waitWhilePaused();

    QWidget& m_window;
    State m_state = State::Running;
    int m_singleSteps = 0; // Right presses while paused, each one step yet to draw
    QEventLoop* m_waiting = nullptr;
    bool m_woken = false;
};
