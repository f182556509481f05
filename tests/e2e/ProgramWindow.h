// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real program on a virtual display, driven as a user drives it: clicks and keys through
// xdotool, screenshots through ImageMagick's import, the close box through the window system.

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

class ProgramWindow
{
public:
    // Launches program on display; nothing is waited for yet.
    ProgramWindow(const QString& program, const QString& display);
    // Ends the program if a test left it running.
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    // Waits until the main window is on the screen; its X window id, or nullopt.
    std::optional<unsigned long> waitForWindow();
    // A visible top-level window whose whole title is exactly title, if there is one.
    std::optional<unsigned long> findWindow(const QString& title,
                                            std::optional<unsigned long> except = {}) const;

    // A left click at a point of the client area given in twips.
    bool clickAtTwips(int x, int y);
    // Moves the pointer to a point of the client area given in twips, without clicking.
    bool moveToTwips(int x, int y);
    // Presses the left button at one point, moves to the other and releases it there.
    bool dragTwips(int fromX, int fromY, int toX, int toY);
    // Gives window the keyboard focus, then presses the keys (xdotool names, e.g. "ctrl+a").
    bool pressKeys(unsigned long window, const QStringList& keys);
    bool typeText(unsigned long window, const QString& text);
    // What the main window's client area shows now; null if it could not be taken.
    QImage screenshot() const;
    // Resizes the main window's client area, as dragging its edge does.
    bool resize(int width, int height);
    // Asks the window to close, as its close box does.
    bool requestClose();

    bool isRunning();
    // Waits for the program to end; false if it is still running after timeoutMs.
    bool waitForExit(int timeoutMs);
    int exitCode() const { return m_program.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_program.exitStatus(); }
    // What the program wrote to its error output.
    QString errors();

private:
    std::optional<QByteArray> tool(const QString& name, const QStringList& arguments) const;

    QTemporaryDir m_config; // the program's settings, never the user's own
    QString m_display;
    QProcess m_program;
    unsigned long m_window = 0;
    QByteArray m_errors;
};
