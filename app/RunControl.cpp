// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunControl.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QWidget>

RunControl::RunControl(QWidget& window) : m_window(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

RunControl::~RunControl()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void RunControl::stop()
{
    m_state = State::Stopped;
    wake();
}

void RunControl::wake()
{
    if (m_waiting) {
        m_woken = true;
        m_waiting->quit();
    }
}

bool RunControl::nextStep()
{
    QCoreApplication::processEvents();
    waitWhilePaused();
    if (m_state == State::Paused) {
        --m_singleSteps; // the one step asked for is drawn next
    }
    return m_state != State::Stopped;
}

void RunControl::waitWhilePaused()
{
    while (m_state == State::Paused && m_singleSteps == 0) {
        QEventLoop loop;
        m_waiting = &loop;
        m_woken = false;
        loop.exec();
        m_waiting = nullptr;
        // Not woken by us: the application is ending, and the run with it.
        if (!m_woken) {
            m_state = State::Stopped;
        }
    }
}

bool RunControl::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || widget->window() != &m_window) {
        return false;
    }
    return steers(*static_cast<const QKeyEvent*>(event));
}

bool RunControl::steers(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const bool press = key.type() == QEvent::KeyPress;
    switch (key.key()) {
    case Qt::Key_Escape:
        if (press) {
            stop();
        }
        return true;
    case Qt::Key_P:
        if (press && !key.isAutoRepeat()) {
            if (m_state == State::Running) {
                m_state = State::Paused;
                m_singleSteps = 0;
            } else if (m_state == State::Paused) {
                m_state = State::Running;
                wake();
            }
        }
        return true;
    case Qt::Key_Right:
        if (m_state != State::Paused) {
            return false; // the arrow keeps its usual meaning while the run goes
        }
        if (press) {
            ++m_singleSteps;
            wake();
        }
        return true;
    default:
        return false;
    }
}
