// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Twips.h"

#include <QRect>
#include <QVariant>
#include <QWidget>

// Twips that are no multiple of 15 fall between pixels: a widget keeps the twips it was given,
// so reading its place back gives exactly those, as long as nobody moved it by pixels since.
namespace {
constexpr const char* twipsProperty = "twipsGeometry";

int toPixels(int twips)
{
    return qRound(twipsToPixels(twips));
}
} // namespace

QRect toPixelRect(const TwipsRect& rect)
{
    const int left = toPixels(rect.left);
    const int top = toPixels(rect.top);
    return {left, top, toPixels(rect.left + rect.width) - left,
            toPixels(rect.top + rect.height) - top};
}

void setTwipsGeometry(QWidget* widget, const TwipsRect& rect)
{
    widget->setGeometry(toPixelRect(rect));
    widget->setProperty(twipsProperty,
                        QVariant::fromValue(QRect(rect.left, rect.top, rect.width, rect.height)));
}

TwipsRect twipsGeometry(const QWidget* widget)
{
    const QVariant stored = widget->property(twipsProperty);
    if (stored.isValid()) {
        const QRect r = stored.toRect();
        const TwipsRect twips{r.x(), r.y(), r.width(), r.height()};
        if (toPixelRect(twips) == widget->geometry()) {
            return twips;
        }
    }
    const QRect g = widget->geometry();
    return {pixelsToTwips(g.x()), pixelsToTwips(g.y()), pixelsToTwips(g.width()),
            pixelsToTwips(g.height())};
}

void moveInTwips(QWidget* widget, int left, int top)
{
    const TwipsRect now = twipsGeometry(widget);
    setTwipsGeometry(widget, {left, top, now.width, now.height});
}
