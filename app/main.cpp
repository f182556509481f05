// Program start: build the window, run its Load handler, give it its remembered place, and only
// then show it; at the end, remember the place.

#include "Brontel.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QSettings>

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
    QApplication::setOrganizationName(QStringLiteral("Brontel"));
    QApplication::setDesktopFileName(QStringLiteral("brontel"));

    // The pause after each sweep step counts decrements of about a microsecond on this machine.
    Brontel window(Countdown::calibrated());
    window.load();
    // The window where the user left it; the experiment itself starts as designed.
    QSettings settings;
    if (restoreWindow(window, settings)) {
        window.showFullScreenEverywhere();
    } else {
        window.show();
    }
    const int status = QApplication::exec();
    writeWindowState(settings, {window.normalPlace(), window.isFullScreen(), window.factor()});
    return status;
}
