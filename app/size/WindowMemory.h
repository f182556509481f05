// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window remembers its place: its size, position and full-screen state are saved when the
// program ends and given back at the next start (QSettings, the user's configuration folder).
// The size factor is saved beside them and checked, but not given back: the window takes its
// factor from the size it is given. Only the window is remembered; the experiment starts as designed.
// Whatever is saved is checked against the screens there are now: a settings file that is
// unreadable, edited by hand or from another set of screens gives the design's own start.

#include <QList>
#include <QRect>

#include <optional>

class QSettings;
class QWidget;

struct WindowState
{
    QRect geometry; // the normal window's client area, in the desktop's logical pixels
    bool fullScreen = false;
    double factor = 1;
    friend bool operator==(const WindowState&, const WindowState&) = default;
};

// What settings hold, if every value is there and of its type.
std::optional<WindowState> readWindowState(const QSettings& settings);
void writeWindowState(QSettings& settings, const WindowState& state);

// saved, if a window of that size and place is usable on one of screens (each screen's
// available area): not smaller than the window goes, no larger than the screen it lies on,
// and on it far enough to be seen and grabbed, at a factor the window can have.
std::optional<WindowState> usableWindowState(const WindowState& saved, const QList<QRect>& screens);

// Gives window its saved place before it is first shown; true if the saved state asks for
// full screen. Leaves the window as designed when nothing usable is saved.
bool restoreWindow(QWidget& window, const QSettings& settings);
