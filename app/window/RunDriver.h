// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A run as the window drives it: one sweep step per turn of the event loop, so the window
// repaints and answers its user between steps; after each step the busy countdown of the
// slow-down count holds the picture still, as designed. While the run goes, input is held,
// dropped or acted on at once as the model's rule says, and the run's keys steer it.

#include "Control.h"
#include "Countdown.h"
#include "InputHold.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <memory>

class DetectorRings;
class QEvent;
class QLabel;
class QWidget;
class WindowModel;
class WindowSizer;

class RunDriver final : public QObject
{
    Q_OBJECT
public:
    // window: the main window, whose controls are controls (by Control) and whose input is held
    // during a run; its size decides the words' size. The countdown paces every step.
    RunDriver(QWidget& window, const std::array<QWidget*, controlCount>& controls,
              WindowModel& model, const WindowSizer& sizer, Countdown countdown);
    ~RunDriver() override;

    // The model has just begun a run: drives it to its end. startHadFocus: Start had the focus
    // when it was pressed, and gets it back at the end.
    void begin(bool startHadFocus);
    // After input that steers the run (the run's keys, Konec, the close box).
    void afterSteering();

Q_SIGNALS:
    void runStarted();
    void stepShown();
    void runEnded();

private:
    void runStep();
    void endRun();
    // What becomes of input made during the run.
    InputHold::Verdict verdict(QObject* receiver, const QEvent* event);
    bool steersRun(const QEvent* event);
    void showPaused();

    QWidget& m_window;
    const std::array<QWidget*, controlCount>& m_controls;
    WindowModel& m_model;
    const WindowSizer& m_sizer;
    Countdown m_countdown;
    QTimer m_stepTimer;
    std::unique_ptr<InputHold> m_hold; // during a run
    DetectorRings* m_rings = nullptr;
    QLabel* m_paused = nullptr; // says so while a run is paused
    bool m_startHadFocus = false;
};
