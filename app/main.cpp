// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Program start: read the command line, build the window, run its Load handler, give it its
// remembered place, and only then show it, remembering the place at the end; or, with files to
// write, run once without any window at all.

#include "Brontel.h"
#include "CommandLine.h"
#include "CommandLineRun.h"
#include "DesignScale.h"
#include "ExploreCommandLine.h"
#include "ExploreSwitch.h"
#include "Language.h"
#include "NativeFileName.h"
#include "OptionMistakes.h"
#include "RuntimeFolderNotice.h"
#include "SettingsFile.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QGuiApplication>
#include <QSettings>

#include <cstdio>
#include <cstdlib>

namespace {
bool variableSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << fileNameFromNative(argv[i]);
    }
    return arguments;
}

// Prints why the command line cannot run in the language the run would speak (--lang's, else
// the one last chosen in the window, else Czech); help and the version as they are. exitOf
// parses the line again: its sentences are made as it is parsed, and can be translated only
// once the language is installed.
template <typename ExitOf>
int sayExit(int& argc, char* argv[], const CommandLineExit& exit, ExitOf exitOf)
{
    if (exit.exitCode == 0) {
        return printExit(exit);
    }
    const QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brontel"));
    avoidUnreadableSettings();
    const QSettings settings;
    installLanguage(languageAsked(argumentsOf(argc, argv))
                        .value_or(readLanguage(settings).value_or(Language::Czech)));
    return printExit(exitOf());
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Brontel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRONTEL_VERSION));
    const QStringList arguments = argumentsOf(argc, argv);
    if (const auto explore = parseExploreCommandLine(arguments)) {
        if (const auto* exit = std::get_if<CommandLineExit>(&*explore)) {
            return sayExit(argc, argv, *exit, [&arguments] {
                return std::get<CommandLineExit>(*parseExploreCommandLine(arguments));
            });
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        dropRuntimeFolderNotice();
        QGuiApplication app(argc, argv);
        QGuiApplication::setOrganizationName(QStringLiteral("Brontel"));
        const ExploreLine& line = std::get<ExploreLine>(*explore);
        QSettings settings;
        installLanguage(line.language.value_or(readLanguage(settings).value_or(Language::Czech)));
        return writeExploreFiles(line);
    }
    const auto parsed = parseCommandLine(arguments);
    if (const auto* exit = std::get_if<CommandLineExit>(&parsed)) {
        return sayExit(argc, argv, *exit, [&arguments] {
            return std::get<CommandLineExit>(parseCommandLine(arguments));
        });
    }
    const CommandLine& line = std::get<CommandLine>(parsed);

    if (line.writesFiles()) {
        // Files need no screen, whatever the environment says about one.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        dropRuntimeFolderNotice();
        QGuiApplication app(argc, argv);
        QGuiApplication::setOrganizationName(QStringLiteral("Brontel"));
        avoidUnreadableSettings();
        QSettings settings;
        // Falls back to Czech, and says so, if the translation cannot be loaded.
        installLanguage(line.language.value_or(readLanguage(settings).value_or(Language::Czech)));
        return writeFiles(line);
    }

#ifdef Q_OS_LINUX
    // On an X11 desktop without a reachable display the platform plugin cannot start; Qt would
    // abort. The off-screen platform stands behind the usual one, and its use is reported below.
    const bool platformChosen = variableSet("QT_QPA_PLATFORM");
    if (!platformChosen && !variableSet("DISPLAY") && !variableSet("WAYLAND_DISPLAY")) {
        std::fputs("brontel: no display to open the window on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set); without a desktop, run it under Xvfb: "
                   "xvfb-run -s '-screen 0 1280x1024x24 -dpi 96' brontel\n",
                   stderr);
        return 1;
    }
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (chosen != "offscreen" && chosen != "minimal") {
        const QByteArray usual = platformChosen                   ? chosen
                                 : variableSet("WAYLAND_DISPLAY") ? QByteArray("wayland;xcb")
                                                                  : QByteArray("xcb");
        qputenv("QT_QPA_PLATFORM", usual + ";offscreen");
    }
#endif
    dropRuntimeFolderNotice();
    QApplication app(argc, argv);
#ifdef Q_OS_LINUX
    if (QGuiApplication::platformName() == QLatin1String("offscreen") && chosen != "offscreen") {
        std::fputs("brontel: found no display to open the window on (see the message above); "
                   "check DISPLAY or WAYLAND_DISPLAY, or run it under Xvfb: "
                   "xvfb-run -s '-screen 0 1280x1024x24 -dpi 96' brontel\n",
                   stderr);
        return 1;
    }
#endif
    QApplication::setOrganizationName(QStringLiteral("Brontel"));
    QApplication::setDesktopFileName(QStringLiteral("example.brontel.brontel"));
    avoidUnreadableSettings();

    // Czech unless English was chosen, whatever the system's locale: the language given on
    // the command line, else the one chosen last in the window.
    QSettings settings;
    const Language language =
        line.language.value_or(readLanguage(settings).value_or(Language::Czech));
    installLanguage(language); // Czech, and a word on stderr, if the translation is missing

    // The pause after each sweep step counts decrements of about a microsecond on this machine.
    Brontel window(Countdown::calibrated());
    window.load();
    applyCommandLine(window.model(), line);
    // The window where the user left it; the experiment itself starts as designed.
    if (restoreWindow(window, settings)) {
        window.showFullScreenEverywhere();
    } else {
        window.show();
    }
    if (auto* explore = window.findChild<ExploreSwitch*>()) {
        explore->openIfRemembered();
    }
    const int status = QApplication::exec();
    if (settingsWritable(settings)) {
        saveWindow(settings, window, designscale::fittingFactor(window.normalPlace().size()));
    }
    return status;
}
