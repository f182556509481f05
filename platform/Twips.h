// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Twips, the window's unit: 1/1440 inch, 15 to a logical pixel.

class QRect;
class QWidget;

constexpr int twipsPerPixel = 15;

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

QRect toPixelRect(const TwipsRect& rect);
void setTwipsGeometry(QWidget* widget, const TwipsRect& rect);
TwipsRect twipsGeometry(const QWidget* widget);
void moveInTwips(QWidget* widget, int left, int top);
