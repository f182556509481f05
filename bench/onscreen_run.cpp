// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's own run on a screen, as a user starts it: the window shown, the pace scroll bar
// at its fastest, Start clicked, and the clock stopped when the last step is on the screen.
// Prints the best of several runs in milliseconds. The browser edition's measuring script
// (web/measure.mjs) runs it beside the page's run; it needs a display (xvfb-run will do).

#include "Brontel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <limits>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Brontel window(Countdown::calibrated());
    window.load();
    auto* pace = window.control<QScrollBar>(Control::HScroll1);
    pace->setValue(pace->minimum());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "brontel-onscreen-run: the window was never shown\n");
        return 1;
    }

    constexpr int runs = 5;
    int done = 0;
    double best = std::numeric_limits<double>::infinity();
    QElapsedTimer clock;
    const auto start = [&] {
        clock.start();
        window.control<QPushButton>(Control::cmdStart)->click();
    };
    QObject::connect(&window, &Brontel::runEnded, &app, [&] {
        // The last step is shown once the window has painted it.
        window.repaint();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
        if (++done < runs) {
            QTimer::singleShot(100, &window, start);
        } else {
            app.quit();
        }
    });
    QTimer::singleShot(0, &window, start);
    app.exec();
    std::printf("%.1f\n", best);
    return 0;
}
