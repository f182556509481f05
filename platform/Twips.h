// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Twips, the window's unit: 1/1440 inch, 15 to a design pixel. The design is laid out in twips
// and shown at a size factor: a design pixel is factor logical pixels, and the design's
// top-left corner lies at an origin in the window, so the whole design scales as one.

#include <QPoint>

class QRect;
class QWidget;

constexpr int twipsPerPixel = 15;

// The window's client area as designed: 763 x 575 design pixels.
constexpr int designWidthTwips = 11445;
constexpr int designHeightTwips = 8625;

constexpr double twipsToPixels(double twips)
{
    return twips / twipsPerPixel;
}
constexpr int pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

// A control's place in twips, relative to its container.
struct TwipsRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Where the design lies in a window: logical pixels per design pixel, and the design's corner.
struct DesignPlacement
{
    double factor = 1;
    QPoint origin;
};

// The pixels of a twips rectangle at a placement; edges are rounded on their own, so
// neighbouring controls stay neighbours at every factor.
QRect toPixelRect(const TwipsRect& rect, const DesignPlacement& placement = {});
// A point in twips as logical pixels of the window at a placement.
QPointF toWindowPixels(QPointF twips, const DesignPlacement& placement);

// Places widget at rect, in twips of its container, at the placement of its window.
void setTwipsGeometry(QWidget* widget, const TwipsRect& rect);
TwipsRect twipsGeometry(const QWidget* widget);
void moveInTwips(QWidget* widget, int left, int top);

// The placement of window's design (the design's own size at its corner until set).
DesignPlacement designPlacement(const QWidget* window);
// Places window's design anew and every control placed in twips with it: the origin applies to
// the window's own controls, the factor to all.
void setDesignPlacement(QWidget* window, const DesignPlacement& placement);
