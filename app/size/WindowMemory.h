// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window remembers its place: where it was and how large, maximised or full screen (the
// window system's own record of it, QWidget::saveGeometry) and the size factor its normal window
// showed, saved when the program ends and given back at the next start (QSettings, the user's
// configuration folder). Only the window is remembered; the experiment starts as designed.
// Whatever is saved is checked against the screens there are now: a record that is unreadable,
// edited by hand or from another set of screens gives the design's own start, wholly on a
// screen. Files of earlier versions, which kept the place in six keys of their own, are read
// once; the next save replaces them.

#include <QList>
#include <QMargins>
#include <QRect>

#include <optional>

class QSettings;
class QWidget;

// The place as earlier versions kept it.
struct WindowState
{
    QRect geometry; // the normal window's client area, in the desktop's logical pixels
    bool fullScreen = false;
    double factor = 1;
    friend bool operator==(const WindowState&, const WindowState&) = default;
};

// What the earlier versions' keys in settings hold, if every value is there and of its type.
std::optional<WindowState> readWindowState(const QSettings& settings);

// saved, if a window of that size and place is usable on one of screens (each screen's
// available area): not smaller than the window goes, no larger than the screen it lies on,
// and on it far enough to be seen and grabbed, at a factor the window can have.
std::optional<WindowState> usableWindowState(const WindowState& saved, const QList<QRect>& screens);

// Where the window starts when nothing usable is saved, on a screen whose free area is
// available, with a window frame of frame around it: nothing, where the design's size fits (the
// window system places the window as it likes), else scaled down to fit and centred.
std::optional<QRect> startPlace(const QRect& available, const QMargins& frame);

// Saves window's place and normalFactor, the factor its normal window shows.
void saveWindow(QSettings& settings, const QWidget& window, double normalFactor);

// Gives window its saved place before it is first shown, or the design's start place; true if
// the saved place was full screen (the window is then full screen, to be shown so). The saved
// factor comes back as the normal window's size where the record's size shows another and the
// factor's size fits the screens.
bool restoreWindow(QWidget& window, const QSettings& settings);
