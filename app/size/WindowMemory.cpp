// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowMemory.h"

#include "DesignScale.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
const QString xKey = QStringLiteral("window/x");
const QString yKey = QStringLiteral("window/y");
const QString widthKey = QStringLiteral("window/width");
const QString heightKey = QStringLiteral("window/height");
const QString fullScreenKey = QStringLiteral("window/fullScreen");
const QString factorKey = QStringLiteral("window/factor");
// The window system's record of the window (QWidget::saveGeometry).
const QString geometryKey = QStringLiteral("window/geometry");
// Factors this close show the same window, a pixel or so apart.
constexpr double sameFactor = 0.01;

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

std::optional<QRect> startPlace(const QRect& available, const QMargins& frame)
{
    const QRect room = available.marginsRemoved(frame);
    const QSize design = designscale::designSize();
    if (design.width() <= room.width() && design.height() <= room.height()) {
        return std::nullopt;
    }
    const QSize size = designscale::scaledSize(designscale::fittingFactor(room.size()));
    return QRect(room.topLeft() + QPoint(std::max(0, (room.width() - size.width()) / 2),
                                         std::max(0, (room.height() - size.height()) / 2)),
                 size);
}

void saveWindow(QSettings& settings, const QWidget& window, double normalFactor)
{
    for (const QString& key : {xKey, yKey, widthKey, heightKey, fullScreenKey}) {
        settings.remove(key);
    }
    settings.setValue(geometryKey, window.saveGeometry());
    settings.setValue(factorKey, normalFactor);
}

namespace {
// The frame a window manager draws is not known before the window is shown: the style's own
// window frame stands for it.
QMargins frameOf(const QWidget& window)
{
    const QStyle* style = window.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return {border, title + border, border, border};
}

QList<QRect> availableAreas()
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->availableGeometry());
    }
    return screens;
}

// The design's start, on the screen the window would open on.
void placeAtStart(QWidget& window)
{
    window.setWindowState(Qt::WindowNoState);
    window.resize(designscale::designSize());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    if (const auto place = startPlace(free, frameOf(window))) {
        window.setGeometry(*place);
    } else if (window.testAttribute(Qt::WA_Moved)) {
        // A rejected record may have moved the window already: it starts centred instead.
        QRect centred(QPoint(), window.size());
        centred.moveCenter(free.center());
        window.move(centred.topLeft());
    }
}

// The normal window's place in what QWidget::saveGeometry wrote, if the record is whole and
// every place in it within reach of screens: numbers no screen has never reach the window, as
// Qt adds edges and sizes up in plain ints.
std::optional<QRect> normalPlaceIn(const QByteArray& record)
{
    QDataStream stream(record);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    stream >> magic >> major >> minor;
    constexpr quint32 geometryMagic = 0x1D9D0CB;
    if (magic != geometryMagic || major < 1 || major > 3) {
        return std::nullopt;
    }
    QRect frame;
    QRect normal;
    qint32 screenNumber = 0;
    quint8 maximised = 0;
    quint8 fullScreen = 0;
    stream >> frame >> normal >> screenNumber >> maximised >> fullScreen;
    QList<QRect> rects{frame, normal};
    if (major > 1) {
        qint32 screenWidth = 0;
        stream >> screenWidth;
    }
    if (major > 2) {
        QRect geometry;
        stream >> geometry;
        rects.append(geometry);
    }
    if (stream.status() != QDataStream::Ok) {
        return std::nullopt;
    }
    const QSize smallest = designscale::scaledSize(designscale::smallestFactor);
    const bool sound = std::all_of(rects.begin(), rects.end(), [&smallest](const QRect& r) {
        // The corners first: a width of far-apart corners is already past any int.
        for (const int edge : {r.left(), r.top(), r.right(), r.bottom()}) {
            if (edge < -farthest || edge > farthest) {
                return false;
            }
        }
        return r.width() >= smallest.width() && r.height() >= smallest.height();
    });
    return sound ? std::optional(normal) : std::nullopt;
}

// The earlier versions' six keys, if they hold a usable place.
bool restoreEarlierKeys(QWidget& window, const QSettings& settings)
{
    const std::optional<WindowState> saved = readWindowState(settings);
    const std::optional<WindowState> usable =
        saved ? usableWindowState(*saved, availableAreas()) : std::nullopt;
    if (!usable) {
        placeAtStart(window);
        return false;
    }
    window.setGeometry(usable->geometry);
    if (usable->fullScreen) {
        window.setWindowState(Qt::WindowFullScreen);
    }
    return usable->fullScreen;
}
} // namespace

bool restoreWindow(QWidget& window, const QSettings& settings)
{
    if (!settings.contains(geometryKey)) {
        return restoreEarlierKeys(window, settings);
    }
    const QByteArray record = settings.value(geometryKey).toByteArray();
    bool factorOk = false;
    const double factor = settings.value(factorKey).toString().trimmed().toDouble(&factorOk);
    const std::optional<QRect> normal = normalPlaceIn(record);
    // The place must make sense on the screens there are now, as the earlier keys had to; Qt
    // alone would move a lost window just onto a screen, its frame still over the edge.
    const QList<QRect> screens = availableAreas();
    if (!factorOk || !normal || !usableWindowState({*normal, false, factor}, screens) ||
        !window.restoreGeometry(record) ||
        !usableWindowState({window.normalGeometry(), false, factor}, screens)) {
        placeAtStart(window);
        return false;
    }
    // The factor comes back as the normal window's size, where the record's size shows another
    // (a record from another version, or edited) and the factor's size fits there.
    const QRect restored = window.geometry();
    const QRect atFactor(restored.topLeft(), designscale::scaledSize(factor));
    if (!window.isFullScreen() && !window.isMaximized() &&
        std::abs(designscale::fittingFactor(restored.size()) - factor) > sameFactor &&
        usableWindowState({atFactor, false, factor}, screens)) {
        window.setGeometry(atFactor);
    }
    return window.isFullScreen();
}
