// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunDriver.h"

#include "ControlLook.h"
#include "DetectorRings.h"
#include "InputHold.h"
#include "InputRule.h"
#include "TextFit.h"
#include "Twips.h"
#include "WindowModel.h"
#include "WindowSizer.h"
#include "WindowTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

namespace {
// Start presses: clicks of any kind, and the keys that press a focused button.
InputKind kindOf(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return InputKind::Press;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
                       key == Qt::Key_Select
                   ? InputKind::Press
                   : InputKind::Other;
    }
    default:
        return InputKind::Other;
    }
}

std::optional<RunKey> runKeyOf(const QKeyEvent& key)
{
    const char* name = key.key() == Qt::Key_Escape  ? "Escape"
                       : key.key() == Qt::Key_P     ? "P"
                       : key.key() == Qt::Key_Right ? "ArrowRight"
                                                    : "";
    return runKeyNamed(name, key.modifiers() &
                                 (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}
} // namespace

RunDriver::RunDriver(QWidget& window, const std::array<QWidget*, controlCount>& controls,
                     WindowModel& model, const WindowSizer& sizer, Countdown countdown)
    : m_window(window), m_controls(controls), m_model(model), m_sizer(sizer),
      m_countdown(std::move(countdown))
{
    m_stepTimer.setSingleShot(true);
    m_stepTimer.setInterval(0);
    connect(&m_stepTimer, &QTimer::timeout, this, &RunDriver::runStep);
}

RunDriver::~RunDriver() = default;

void RunDriver::begin(bool startHadFocus)
{
    m_startHadFocus = startHadFocus;
    if (m_rings == nullptr) {
        m_rings = new DetectorRings(&m_window);
        // just above the picture layer
        m_rings->stackUnder(m_controls[std::size_t(Control::nuBrontel)]);
    }
    m_hold = std::make_unique<InputHold>(&m_window, [this](QObject* receiver, const QEvent* event) {
        return verdict(receiver, event);
    });
    m_stepTimer.start();
    Q_EMIT runStarted();
}

InputHold::Verdict RunDriver::verdict(QObject* receiver, const QEvent* event)
{
    // The window's own shortcuts (save, print, help, the window's size) wait as any other
    // key typed into the window does.
    auto* action = qobject_cast<QAction*>(receiver);
    if (action != nullptr && event->type() == QEvent::Shortcut &&
        m_window.actions().contains(action)) {
        return InputHold::Verdict::Hold;
    }
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    // Other windows (help, dialogs) are not the run's business.
    if (widget == nullptr || widget->window() != &m_window) {
        return InputHold::Verdict::Deliver;
    }
    if (steersRun(event)) {
        return InputHold::Verdict::Drop;
    }
    std::optional<Control> target;
    for (const Control control : {Control::cmdStart, Control::cmdKonec, Control::HScroll1}) {
        const QWidget* controlWidget = m_controls[std::size_t(control)];
        if (widget == controlWidget || controlWidget->isAncestorOf(widget)) {
            target = control;
        }
    }
    switch (inputDuringRun(target, kindOf(event))) {
    case InputVerdict::Deliver:
        return InputHold::Verdict::Deliver;
    case InputVerdict::Drop:
        return InputHold::Verdict::Drop;
    case InputVerdict::Hold:
        break;
    }
    return InputHold::Verdict::Hold;
}

bool RunDriver::steersRun(const QEvent* event)
{
    if (!m_model.running() ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
        return false;
    }
    const auto& key = *static_cast<const QKeyEvent*>(event);
    const std::optional<RunKey> runKey = runKeyOf(key);
    if (!runKey) {
        return false;
    }
    if (key.type() == QEvent::KeyRelease) {
        // A release belongs to its press: the Right arrow steers only while paused.
        return *runKey != RunKey::StepOnce || m_model.steering().state() == RunState::Paused;
    }
    if (!m_model.press(*runKey, key.isAutoRepeat())) {
        return false;
    }
    afterSteering();
    return true;
}

void RunDriver::showPaused()
{
    const bool paused = m_model.steering().state() == RunState::Paused;
    if (paused && m_paused == nullptr) {
        m_paused = new QLabel(&m_window);
        m_paused->setObjectName(QStringLiteral("paused"));
        m_paused->setFont(look::serifBold(12));
        m_paused->setAlignment(Qt::AlignCenter);
        m_paused->setStyleSheet(QStringLiteral("color: #a00000;"));
        // Beside the title, right of Konec: the picture stays as the run drew it.
        setTwipsGeometry(m_paused, {9360, 30, 2040, 330});
        fitFont(m_paused, m_sizer.factor());
    }
    if (m_paused != nullptr) {
        m_paused->setText(QCoreApplication::translate(windowTextContext, pausedText));
        m_paused->setToolTip(QCoreApplication::translate(windowTextContext, pausedToolTip));
        m_paused->setVisible(paused);
    }
}

void RunDriver::afterSteering()
{
    showPaused();
    if (!m_model.running()) {
        return;
    }
    // A paused or stopped run waits for no timer; a resumed one needs it again.
    if (!m_stepTimer.isActive()) {
        m_stepTimer.start();
    }
}

void RunDriver::runStep()
{
    const std::optional<DrawnStep> drawn = m_model.step();
    if (drawn) {
        m_rings->mark(drawn->step, m_model.runSettings().detectorDistance);
        m_rings->show();
        Q_EMIT stepShown();
        m_countdown.run(drawn->slowDownCount);
    }
    if (m_model.runOver()) {
        endRun();
        return;
    }
    if (m_model.steering().state() == RunState::Running ||
        m_model.steering().singleStepsAsked() > 0) {
        m_stepTimer.start();
    }
}

void RunDriver::endRun()
{
    m_stepTimer.stop();
    m_model.endRun();
    showPaused();
    m_rings->hide();
    if (m_model.steering().endRequested()) {
        m_hold->discard(); // nothing is left for it to act on
        m_hold.reset();
        Q_EMIT runEnded();
        m_window.close();
        return;
    }
    // Start comes back at once, with the focus it had, so that the held input, handed on after
    // this, acts as if it had been made now; presses of Start among it stay dropped. Where the
    // user typed into the field that showed the focus meanwhile, the focus stays there, with
    // its selection, for the typing to replace. Nothing else the user does during a run moves
    // the focus within the window (it is held), only the window itself: disabling Start, or
    // being made active.
    if (m_startHadFocus && !m_hold->holdsTyping()) {
        m_controls[std::size_t(Control::cmdStart)]->setFocus(Qt::OtherFocusReason);
    }
    m_hold.reset();
    Q_EMIT runEnded();
}
