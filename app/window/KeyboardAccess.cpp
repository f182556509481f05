// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyboardAccess.h"

#include "Brontel.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
// Outside a dialog a push button answers only Space. Auto-default would make it answer Enter
// too, but also redraw it as the default button whenever it has the focus, which the design's
// buttons never look like; so Enter is turned into a click here instead.
class EnterClicks final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
            return false;
        }
        auto* button = qobject_cast<QPushButton*>(receiver);
        if (button == nullptr || !button->isEnabled()) {
            return false;
        }
        button->click();
        return true;
    }
};

// Tab treats the options of a frame as one stop and enters at whichever option comes first in
// the tab order. The selected option takes the focus instead, as on every desktop, so that the
// arrow keys then move the selection from there.
class TabEntersAtSelectedOption final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn) {
            return false;
        }
        const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
        auto* option = qobject_cast<QRadioButton*>(receiver);
        if (option == nullptr || option->isChecked() ||
            (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)) {
            return false;
        }
        const auto siblings =
            option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        for (QRadioButton* sibling : siblings) {
            if (sibling->isChecked() && sibling->isVisibleTo(option->parentWidget())) {
                sibling->setFocus(reason);
                break;
            }
        }
        return false;
    }
};

// A scroll bar's controls are inverted so that the mouse wheel scrolls a view the usual way, and
// Qt applies that to the arrow keys too: Left would raise the value and Right lower it. Here
// the arrow keys move the thumb the way they point.
class ArrowsPointTheWay final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        auto* bar = qobject_cast<QScrollBar*>(receiver);
        if (bar == nullptr || event->type() != QEvent::KeyPress ||
            bar->orientation() != Qt::Horizontal) {
            return false;
        }
        const int key = static_cast<const QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right) {
            return false;
        }
        const bool towardsMaximum = (key == Qt::Key_Right) != bar->isRightToLeft();
        bar->triggerAction(towardsMaximum ? QAbstractSlider::SliderSingleStepAdd
                                          : QAbstractSlider::SliderSingleStepSub);
        return true;
    }
};
} // namespace

void enableKeyboardAccess(Brontel& window)
{
    auto* enter = new EnterClicks(&window);
    for (QPushButton* button : {window.control<QPushButton>(Control::cmdStart),
                                window.control<QPushButton>(Control::cmdKonec)}) {
        button->installEventFilter(enter);
    }
    window.control<QScrollBar>(Control::HScroll1)
        ->installEventFilter(new ArrowsPointTheWay(&window));
    auto* tab = new TabEntersAtSelectedOption(&window);
    for (QRadioButton* option : window.findChildren<QRadioButton*>()) {
        option->installEventFilter(tab);
    }
}
