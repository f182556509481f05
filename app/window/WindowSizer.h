// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's size: the whole design (controls, fonts, line controls, picture) shown at one
// factor, the largest that fits the window, centred on the design's grey; the size steps, full
// screen, and the move to a screen of another pixel density.

#include "Twips.h"

#include <QPointF>
#include <QRect>

class PictureLayer;
class QWidget;

class WindowSizer
{
public:
    // window: the main window, whose design this places; picture: its run's picture, rendered
    // again at each new factor or density.
    WindowSizer(QWidget& window, PictureLayer& picture);

    double factor() const { return m_placement.factor; }
    const DesignPlacement& placement() const { return m_placement; }
    // A point of the design, in twips, as logical pixels of the window at the current size.
    QPointF toWidgetPixels(QPointF twips) const;

    // Full screen, or back to the window's own place (maximised again if it was).
    void toggleFullScreen();
    // The window's place when it is neither full screen nor maximised.
    QRect normalPlace() const;
    // Full screen on the window's screen, with or without a window manager to grant it.
    void showFullScreenEverywhere();
    // One size step up (+1) or down (-1), as far as the screen allows; in full screen or
    // maximised, the window returns to a normal window first.
    void stepSize(int direction);
    // The design's own size, 100 %, or as large as fits a screen smaller than the design.
    void resetSize();

    // Places the design at the factor that fits the window's size, at the screen's pixel
    // density; does nothing when neither changed. After every resize.
    void placeDesign();
    // The window is shown: from now on a move to another screen places the design again.
    void windowShown();

private:
    // Resizes the window (a normal one) to show the design at factor, kept on its screen.
    void showAtFactor(double factor);

    QWidget& m_window;
    PictureLayer& m_picture;
    DesignPlacement m_placement;
    QRect m_normalGeometry; // the window's place before full screen
    qreal m_pixelRatio = 1;
    bool m_watchingScreen = false;
};
