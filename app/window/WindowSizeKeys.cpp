// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowSizeKeys.h"

#include "Brontel.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>

namespace {
// The desktop's own keys for a standard action, and the program's usual ones besides: some
// platforms name no full-screen key at all, and "+" without Shift is "=" on US keyboards.
QList<QKeySequence> keysFor(QKeySequence::StandardKey standard, const QList<QKeySequence>& usual)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : usual) {
        if (!keys.contains(key)) {
            keys.append(key);
        }
    }
    return keys;
}
} // namespace

WindowSizeKeys::WindowSizeKeys(Brontel& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("windowSizeKeys"));
    const auto action = [this](const char* name, const QList<QKeySequence>& keys, auto slot) {
        auto* a = new QAction(this);
        a->setObjectName(QLatin1String(name));
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, &m_window, slot);
        m_window.addAction(a);
        return a;
    };
    m_fullScreen =
        action("fullScreenAction", keysFor(QKeySequence::FullScreen, {QKeySequence(Qt::Key_F11)}),
               [this] { m_window.toggleFullScreen(); });
    m_fullScreen->setCheckable(true);
    m_larger = action("largerAction",
                      keysFor(QKeySequence::ZoomIn, {QKeySequence(Qt::CTRL | Qt::Key_Equal)}),
                      [this] { m_window.stepSize(+1); });
    m_smaller = action("smallerAction", keysFor(QKeySequence::ZoomOut, {}),
                       [this] { m_window.stepSize(-1); });
    m_designSize = action("designSizeAction", {QKeySequence(Qt::CTRL | Qt::Key_0)},
                          [this] { m_window.resetSize(); });
    m_leaveFullScreen = action("leaveFullScreenAction", {QKeySequence(Qt::Key_Escape)}, [this] {
        if (m_window.isFullScreen() && !m_window.isRunning()) {
            m_window.toggleFullScreen();
        }
    });
    // A run's keys reach the run only while no action claims them.
    connect(&m_window, &Brontel::runStarted, this, &WindowSizeKeys::update);
    connect(&m_window, &Brontel::runEnded, this, &WindowSizeKeys::update);
    m_window.installEventFilter(this);
    update();
    retranslate();
}

bool WindowSizeKeys::eventFilter(QObject* receiver, QEvent* event)
{
    if (receiver == &m_window && event->type() == QEvent::WindowStateChange) {
        update();
    } else if (receiver == &m_window && event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    return false;
}

void WindowSizeKeys::update()
{
    m_fullScreen->setChecked(m_window.isFullScreen());
    m_leaveFullScreen->setEnabled(m_window.isFullScreen() && !m_window.isRunning());
}

void WindowSizeKeys::retranslate()
{
    m_fullScreen->setText(tr("Celá obrazovka"));
    m_larger->setText(tr("Zvětšit"));
    m_smaller->setText(tr("Zmenšit"));
    //: Back to the window's designed size, 100 %.
    m_designSize->setText(tr("Původní velikost"));
    m_leaveFullScreen->setText(tr("Opustit celou obrazovku"));
}
