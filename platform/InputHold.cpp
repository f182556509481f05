// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InputHold.h"

#include <QCoreApplication>
#include <QEvent>

InputHold::InputHold()
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // Posted, not sent: each held event is handled by the event loop after the current
    // handler has returned, so a held click on Start does not nest a run inside this one.
    for (Held& held : m_held) {
        if (held.receiver) {
            QCoreApplication::postEvent(held.receiver, held.event.release());
        }
    }
}

bool InputHold::isUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
        return true;
    default:
        return false;
    }
}

bool InputHold::eventFilter(QObject* receiver, QEvent* event)
{
    if (!isUserInput(event)) {
        return false;
    }
    m_held.push_back({receiver, std::unique_ptr<QEvent>(event->clone())});
    return true;
}
