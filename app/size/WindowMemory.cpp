// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowMemory.h"

#include "DesignScale.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <cmath>
#include <cstdint>

namespace {
const QString xKey = QStringLiteral("window/x");
const QString yKey = QStringLiteral("window/y");
const QString widthKey = QStringLiteral("window/width");
const QString heightKey = QStringLiteral("window/height");
const QString fullScreenKey = QStringLiteral("window/fullScreen");
const QString factorKey = QStringLiteral("window/factor");

// The largest size factor a window can have (the largest size step).
constexpr double largestFactor = 8;
// No screen lies this far from the desktop's origin; farther numbers are a damaged file.
constexpr std::int64_t farthest = 1'000'000;

// Whether the window's edges, added up without overflow, lie where screens can be.
bool withinReach(const QRect& g)
{
    const std::int64_t left = g.x();
    const std::int64_t top = g.y();
    const std::int64_t right = left + g.width();
    const std::int64_t bottom = top + g.height();
    for (const std::int64_t edge : {left, top, right, bottom}) {
        if (edge < -farthest || edge > farthest) {
            return false;
        }
    }
    return true;
}

// A number of pixels as far as screens can reach; farther is a damaged file, and a rectangle
// built of it could not even add its edges up.
std::optional<int> readInt(const QSettings& settings, const QString& key)
{
    bool ok = false;
    const int value = settings.value(key).toString().trimmed().toInt(&ok);
    if (!ok || value < -farthest || value > farthest) {
        return std::nullopt;
    }
    return value;
}
} // namespace

std::optional<WindowState> readWindowState(const QSettings& settings)
{
    const auto x = readInt(settings, xKey);
    const auto y = readInt(settings, yKey);
    const auto width = readInt(settings, widthKey);
    const auto height = readInt(settings, heightKey);
    const QString fullScreen = settings.value(fullScreenKey).toString().trimmed();
    bool factorOk = false;
    const double factor = settings.value(factorKey).toString().trimmed().toDouble(&factorOk);
    if (!x || !y || !width || !height || !factorOk ||
        (fullScreen != QLatin1String("true") && fullScreen != QLatin1String("false"))) {
        return std::nullopt;
    }
    return WindowState{QRect(*x, *y, *width, *height), fullScreen == QLatin1String("true"), factor};
}

void writeWindowState(QSettings& settings, const WindowState& state)
{
    settings.setValue(xKey, state.geometry.x());
    settings.setValue(yKey, state.geometry.y());
    settings.setValue(widthKey, state.geometry.width());
    settings.setValue(heightKey, state.geometry.height());
    settings.setValue(fullScreenKey, state.fullScreen);
    settings.setValue(factorKey, state.factor);
}

std::optional<WindowState> usableWindowState(const WindowState& saved, const QList<QRect>& screens)
{
    if (!std::isfinite(saved.factor) || saved.factor < designscale::smallestFactor ||
        saved.factor > largestFactor) {
        return std::nullopt;
    }
    const QSize smallest = designscale::scaledSize(designscale::smallestFactor);
    const QRect& g = saved.geometry;
    if (g.width() < smallest.width() || g.height() < smallest.height() || !withinReach(g)) {
        return std::nullopt;
    }
    // The title row runs along the whole top and the control panel down the whole left side:
    // every part of the window must lie on some screen, which may be two side by side.
    QRegion desktop;
    for (const QRect& screen : screens) {
        desktop += screen;
    }
    if (!QRegion(g).subtracted(desktop).isEmpty()) {
        return std::nullopt;
    }
    for (const QRect& screen : screens) {
        if (g.width() <= screen.width() && g.height() <= screen.height() &&
            screen.contains(g.topLeft())) { // the title bar above the client area stays reachable
            return saved;
        }
    }
    return std::nullopt;
}

bool restoreWindow(QWidget& window, const QSettings& settings)
{
    const std::optional<WindowState> saved = readWindowState(settings);
    if (!saved) {
        return false;
    }
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->availableGeometry());
    }
    const std::optional<WindowState> usable = usableWindowState(*saved, screens);
    if (!usable) {
        return false;
    }
    window.setGeometry(usable->geometry);
    return usable->fullScreen;
}
