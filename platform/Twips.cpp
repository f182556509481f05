// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Twips.h"

#include <QPointF>
#include <QRect>
#include <QVariant>
#include <QWidget>

#include <cmath>

// Twips that are no multiple of 15 fall between pixels: a widget keeps the twips it was given,
// so reading its place back gives exactly those, as long as nobody moved it by pixels since.
namespace {
constexpr const char* twipsProperty = "twipsGeometry";
constexpr const char* factorProperty = "designFactor";
constexpr const char* originProperty = "designOrigin";

int toPixels(int twips, double factor)
{
    return int(std::lround(twipsToPixels(twips) * factor));
}

// The placement the widget's twips are measured in: its window's factor, and the window's
// origin only for the window's own controls.
DesignPlacement placementFor(const QWidget* widget)
{
    const QWidget* container = widget->parentWidget();
    if (container == nullptr) {
        return {};
    }
    DesignPlacement placement = designPlacement(container->window());
    if (container != container->window()) {
        placement.origin = {};
    }
    return placement;
}
} // namespace

QRect toPixelRect(const TwipsRect& rect, const DesignPlacement& placement)
{
    const double f = placement.factor;
    const int left = toPixels(rect.left, f);
    const int top = toPixels(rect.top, f);
    return QRect(left, top, toPixels(rect.left + rect.width, f) - left,
                 toPixels(rect.top + rect.height, f) - top)
        .translated(placement.origin);
}

QPointF toWindowPixels(QPointF twips, const DesignPlacement& placement)
{
    return QPointF(placement.origin) + twips / twipsPerPixel * placement.factor;
}

void setTwipsGeometry(QWidget* widget, const TwipsRect& rect)
{
    widget->setGeometry(toPixelRect(rect, placementFor(widget)));
    widget->setProperty(twipsProperty,
                        QVariant::fromValue(QRect(rect.left, rect.top, rect.width, rect.height)));
}

TwipsRect twipsGeometry(const QWidget* widget)
{
    const DesignPlacement placement = placementFor(widget);
    const QVariant stored = widget->property(twipsProperty);
    if (stored.isValid()) {
        const QRect r = stored.toRect();
        const TwipsRect twips{r.x(), r.y(), r.width(), r.height()};
        if (toPixelRect(twips, placement) == widget->geometry()) {
            return twips;
        }
    }
    const QRect g = widget->geometry().translated(-placement.origin);
    const auto back = [&](int pixels) {
        return int(std::lround(pixelsToTwips(pixels) / placement.factor));
    };
    return {back(g.x()), back(g.y()), back(g.width()), back(g.height())};
}

void moveInTwips(QWidget* widget, int left, int top)
{
    const TwipsRect now = twipsGeometry(widget);
    setTwipsGeometry(widget, {left, top, now.width, now.height});
}

DesignPlacement designPlacement(const QWidget* window)
{
    DesignPlacement placement;
    if (const QVariant f = window->property(factorProperty); f.isValid()) {
        placement.factor = f.toDouble();
    }
    if (const QVariant o = window->property(originProperty); o.isValid()) {
        placement.origin = o.toPoint();
    }
    return placement;
}

void setDesignPlacement(QWidget* window, const DesignPlacement& placement)
{
    // Read every control's twips at the old placement before anything moves.
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    std::vector<std::pair<QWidget*, TwipsRect>> places;
    for (QWidget* control : controls) {
        if (control->property(twipsProperty).isValid()) {
            places.emplace_back(control, twipsGeometry(control));
        }
    }
    window->setProperty(factorProperty, placement.factor);
    window->setProperty(originProperty, placement.origin);
    for (const auto& [control, twips] : places) {
        setTwipsGeometry(control, twips);
    }
}
