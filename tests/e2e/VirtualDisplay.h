// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An X server of the test's own: Xvfb on the first free display number, ended with the object.

#include <QProcess>
#include <QString>

class VirtualDisplay
{
public:
    // Starts Xvfb with a 96-dpi screen; isRunning() says whether that worked.
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool isRunning() const { return !m_name.isEmpty(); }
    // Why no server could be started.
    QString failure() const { return m_failure; }
    // ":N", the value for DISPLAY.
    QString name() const { return m_name; }

private:
    QProcess m_server;
    QString m_name;
    QString m_failure;
};
