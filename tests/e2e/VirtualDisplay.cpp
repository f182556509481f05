// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

VirtualDisplay::VirtualDisplay()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        m_failure = QStringLiteral("Xvfb is not installed");
        return;
    }
    // -displayfd 1: the server picks a free display number and writes it to its standard
    // output once it accepts connections, so tests running side by side never collide.
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.start(xvfb,
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-dpi"),
                    QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                    QStringLiteral("-noreset")});
    if (!m_server.waitForStarted()) {
        m_failure = QStringLiteral("Xvfb did not start: ") + m_server.errorString();
        return;
    }
    const QDeadlineTimer deadline(30'000);
    QByteArray out;
    while (!out.contains('\n') && !deadline.hasExpired() && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        out += m_server.readAllStandardOutput();
    }
    bool ok = false;
    const int number = out.trimmed().toInt(&ok);
    if (!ok) {
        m_failure = QStringLiteral("Xvfb gave no display number: ") +
                    QString::fromLocal8Bit(m_server.readAllStandardError()).trimmed();
        return;
    }
    m_name = QStringLiteral(":%1").arg(number);
}

VirtualDisplay::~VirtualDisplay()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(10'000)) {
            m_server.kill();
            m_server.waitForFinished();
        }
    }
}
