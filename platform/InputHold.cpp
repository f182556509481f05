// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InputHold.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace {
// A pointer event as a new event of its own: a clone would share its point with the event the
// window system delivers next, which moves it.
std::unique_ptr<QEvent> copyOf(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        return std::make_unique<QMouseEvent>(mouse->type(), mouse->position(),
                                             mouse->scenePosition(), mouse->globalPosition(),
                                             mouse->button(), mouse->buttons(), mouse->modifiers());
    }
    case QEvent::Wheel: {
        const auto* wheel = static_cast<const QWheelEvent*>(event);
        return std::make_unique<QWheelEvent>(
            wheel->position(), wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(),
            wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted());
    }
    default:
        return std::unique_ptr<QEvent>(event->clone());
    }
}

// Keys and text from an input method (dead keys, composed letters) go to the focus.
bool isTyping(const QEvent* event)
{
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
           event->type() == QEvent::InputMethod;
}

// A press handed on gives the focus as a press from the window system would.
void giveFocusOnPress(QObject* receiver, const QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress) {
        return;
    }
    for (auto* widget = qobject_cast<QWidget*>(receiver); widget; widget = widget->parentWidget()) {
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus)) {
            widget->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (widget->isWindow()) {
            return;
        }
    }
}

void handOn(std::vector<InputHold::Held>& held, const InputHold::Rule& rule)
{
    bool focusMoved = false;
    for (InputHold::Held& item : held) {
        QObject* receiver = item.receiver;
        if (isTyping(item.event.get())) {
            // Typing goes where the user saw the focus while typing, unless a held click has
            // moved the focus since: then it follows that click.
            if (focusMoved || receiver == nullptr) {
                receiver = QApplication::focusWidget();
            } else if (auto* widget = qobject_cast<QWidget*>(receiver);
                       widget && widget != QApplication::focusWidget() && widget->isEnabled()) {
                widget->setFocus(Qt::OtherFocusReason);
            }
        }
        if (receiver == nullptr ||
            (rule && rule(receiver, item.event.get()) == InputHold::Verdict::Drop)) {
            continue;
        }
        giveFocusOnPress(receiver, item.event.get());
        focusMoved = focusMoved || item.event->type() == QEvent::MouseButtonPress;
        QCoreApplication::sendEvent(receiver, item.event.get());
    }
}
} // namespace

InputHold::InputHold(QObject* context, Rule rule)
    : m_context(context ? context : QCoreApplication::instance()), m_rule(std::move(rule)),
      m_held(std::make_shared<std::vector<Held>>())
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold()
{
    QCoreApplication::instance()->removeEventFilter(this);
    if (m_held->empty() || m_context.isNull()) {
        return;
    }
    // Posted, not sent: the held input is handled by the event loop after the current handler
    // has returned, so a held click does not act inside the run that held it. One after
    // another, each after the one before has had its effect, as the user made them.
    QMetaObject::invokeMethod(
        m_context, [held = m_held, rule = m_rule] { handOn(*held, rule); }, Qt::QueuedConnection);
}

bool InputHold::holdsTyping() const
{
    return std::any_of(m_held->begin(), m_held->end(),
                       [](const Held& item) { return isTyping(item.event.get()); });
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
    case QEvent::InputMethod:
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
    // The window passes input on to the widget it picks; holding it only there keeps the
    // window's own record of the pressed widget, which routes the release to it.
    if (!isUserInput(event) || receiver->isWindowType()) {
        return false;
    }
    // The pointer merely passing over a control changes nothing to hand on.
    if (event->type() == QEvent::MouseMove &&
        static_cast<const QMouseEvent*>(event)->buttons() == Qt::NoButton) {
        return false;
    }
    switch (m_rule ? m_rule(receiver, event) : Verdict::Hold) {
    case Verdict::Deliver:
        return false;
    case Verdict::Drop:
        return true;
    case Verdict::Hold:
        break;
    }
    m_held->push_back({receiver, copyOf(event)});
    return true;
}
