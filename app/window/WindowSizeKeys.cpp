// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowSizeKeys.h"

#include "Brontel.h"

#include <QCoreApplication>
#include <QKeyEvent>

WindowSizeKeys::WindowSizeKeys(Brontel* window) : QObject(window), m_window(window)
{
    // Text boxes see keys before the window does, so the keys are watched application-wide.
    QCoreApplication::instance()->installEventFilter(this);
}

WindowSizeKeys::~WindowSizeKeys()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool WindowSizeKeys::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || (widget != m_window && !m_window->isAncestorOf(widget))) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    return handle(key->key(), key->modifiers());
}

bool WindowSizeKeys::handle(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad's keys count as well; Shift is what "+" takes on many layouts.
    const Qt::KeyboardModifiers held = modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held == Qt::NoModifier) {
        if (key == Qt::Key_F11) {
            m_window->toggleFullScreen();
            return true;
        }
        if (key == Qt::Key_Escape && m_window->isFullScreen() && !m_window->isRunning()) {
            m_window->toggleFullScreen();
            return true;
        }
        return false;
    }
    if (held != Qt::ControlModifier) {
        return false;
    }
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: // "+" without Shift on US keyboards
        m_window->stepSize(+1);
        return true;
    case Qt::Key_Minus:
        m_window->stepSize(-1);
        return true;
    case Qt::Key_0:
        m_window->resetSize();
        return true;
    default:
        return false;
    }
}
