// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramWindow.h"

#include "CloseRequest.h"
#include "HomePage.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>

namespace {
constexpr int twipsPerPixel = 15;
const QString mainWindowTitle = QString::fromUtf8(homepage::windowTitle);
constexpr int toolTimeoutMs = 30'000;

QString exactTitle(const QString& title)
{
    return QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
}
} // namespace

ProgramWindow::ProgramWindow(const QString& program, const QString& display) : m_display(display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    m_program.setProcessEnvironment(environment);
    m_program.setProcessChannelMode(QProcess::SeparateChannels);
    m_program.start(program, {});
}

ProgramWindow::~ProgramWindow()
{
    if (isRunning()) {
        m_program.kill();
        m_program.waitForFinished();
    }
}

std::optional<QByteArray> ProgramWindow::tool(const QString& name,
                                              const QStringList& arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    process.setProcessEnvironment(environment);
    process.start(name, arguments);
    if (!process.waitForFinished(toolTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

std::optional<unsigned long> ProgramWindow::findWindow(const QString& title,
                                                       std::optional<unsigned long> except) const
{
    const auto found =
        tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--name"), exactTitle(title)});
    if (!found) {
        return std::nullopt;
    }
    // A message box may share the main window's title ("Brontel"): except leaves one out.
    for (const QByteArray& line : found->split('\n')) {
        bool ok = false;
        const unsigned long id = line.trimmed().toULong(&ok);
        if (ok && id != except) {
            return id;
        }
    }
    return std::nullopt;
}

std::optional<unsigned long> ProgramWindow::waitForWindow()
{
    const QDeadlineTimer deadline(60'000);
    while (!deadline.hasExpired() && isRunning()) {
        if (const auto id = findWindow(mainWindowTitle)) {
            m_window = *id;
            return id;
        }
        QThread::msleep(100);
    }
    return std::nullopt;
}

bool ProgramWindow::clickAtTwips(int x, int y)
{
    return tool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
                 QString::number(m_window), QString::number(x / twipsPerPixel),
                 QString::number(y / twipsPerPixel), QStringLiteral("click"), QStringLiteral("1")})
        .has_value();
}

bool ProgramWindow::moveToTwips(int x, int y)
{
    return tool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
                 QString::number(m_window), QString::number(x / twipsPerPixel),
                 QString::number(y / twipsPerPixel)})
        .has_value();
}

bool ProgramWindow::dragTwips(int fromX, int fromY, int toX, int toY)
{
    const QString window = QString::number(m_window);
    const auto move = [&](int x, int y) {
        return QStringList{QStringLiteral("mousemove"),        QStringLiteral("--sync"),
                           QStringLiteral("--window"),         window,
                           QString::number(x / twipsPerPixel), QString::number(y / twipsPerPixel)};
    };
    const int midX = (fromX + toX) / 2;
    const int midY = (fromY + toY) / 2;
    return tool(QStringLiteral("xdotool"),
                move(fromX, fromY) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")} +
                    move(midX, midY) + move(toX, toY) +
                    QStringList{QStringLiteral("mouseup"), QStringLiteral("1")})
        .has_value();
}

bool ProgramWindow::pressKeys(unsigned long window, const QStringList& keys)
{
    // No window manager hands out the focus here, so the test gives it as one would.
    return tool(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                            QString::number(window)}) &&
           tool(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys);
}

bool ProgramWindow::typeText(unsigned long window, const QString& text)
{
    return tool(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                            QString::number(window)}) &&
           tool(QStringLiteral("xdotool"), {QStringLiteral("type"), text});
}

QImage ProgramWindow::screenshot() const
{
    const auto png =
        tool(QStringLiteral("import"), {QStringLiteral("-silent"), QStringLiteral("-window"),
                                        QString::number(m_window), QStringLiteral("png:-")});
    return png ? QImage::fromData(*png, "PNG").convertToFormat(QImage::Format_RGB32) : QImage();
}

bool ProgramWindow::resize(int width, int height)
{
    return tool(QStringLiteral("xdotool"),
                {QStringLiteral("windowsize"), QStringLiteral("--sync"), QString::number(m_window),
                 QString::number(width), QString::number(height)})
        .has_value();
}

bool ProgramWindow::requestClose()
{
    return sendCloseRequest(m_display, m_window);
}

bool ProgramWindow::isRunning()
{
    // A zero wait lets QProcess notice an exit and collect the output, without an event loop.
    return m_program.state() != QProcess::NotRunning && !m_program.waitForFinished(0);
}

bool ProgramWindow::waitForExit(int timeoutMs)
{
    if (isRunning() && !m_program.waitForFinished(timeoutMs)) {
        return false;
    }
    return true;
}

QString ProgramWindow::errors()
{
    m_errors += m_program.readAllStandardError();
    return QString::fromLocal8Bit(m_errors);
}
