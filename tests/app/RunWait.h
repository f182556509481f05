// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A run steps from the event loop: a test that pressed Start lets the loop turn until the run
// is over (or was never begun, its settings refused).

#include "Brontel.h"

#include <QEventLoop>
#include <QTimer>

inline bool waitForRunEnd(const Brontel& window, int timeoutMs = 120000)
{
    if (!window.isRunning()) {
        return true;
    }
    QEventLoop loop;
    QObject::connect(&window, &Brontel::runEnded, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return !window.isRunning();
}
