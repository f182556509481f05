// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Program start: build the window, run its Load handler, and only then show it.

#include "Brontel.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
bool displayAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}
} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("brontel: no display to open the window on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set); without a desktop, run it under Xvfb: "
                   "xvfb-run -s '-screen 0 1280x1024x24 -dpi 96' brontel\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brontel"));
    QApplication::setDesktopFileName(QStringLiteral("example.brontel.brontel"));

    Brontel window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
