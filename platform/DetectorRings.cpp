// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DetectorRings.h"

#include "Twips.h"

#include <QPainter>

namespace {
// The one place where the rings turn the scene's twips into the window's pixels, at the
// window's present size.
QPointF toPixels(const QWidget* window, double xTwips, double yTwips)
{
    return toWindowPixels({xTwips, yTwips}, designPlacement(window));
}

// Red, which the picture itself never uses, with a pen wide enough to see over a black line.
constexpr qreal penWidth = 2;
} // namespace

DetectorRings::DetectorRings(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("detectorRings"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    if (parent) {
        setGeometry(parent->rect());
    }
}

void DetectorRings::mark(SweepStep step, double detectorDistance)
{
    const QRect before = ringsRect();
    const QWidget* window = parentWidget();
    if (window != nullptr && geometry() != window->rect()) {
        setGeometry(window->rect()); // the window may have been resized since the last step
    }
    m_scale = window != nullptr ? designPlacement(window).factor : 1;
    m_centres = {
        toPixels(window, scene::probeX, step.y()),
        toPixels(window, step.detectorX(), scene::detectorHY(detectorDistance)),
        toPixels(window, step.detectorX(), scene::detectorLY),
    };
    const bool wasMarked = m_marked;
    m_marked = true;
    update(wasMarked ? before.united(ringsRect()) : ringsRect());
}

QRect DetectorRings::ringsRect() const
{
    const qreal reach = (ringDiameter / 2 + penWidth) * m_scale;
    QRectF all;
    for (const QPointF& centre : m_centres) {
        all |= QRectF(centre - QPointF(reach, reach), centre + QPointF(reach, reach));
    }
    return all.toAlignedRect();
}

void DetectorRings::paintEvent(QPaintEvent*)
{
    if (!m_marked) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, penWidth * m_scale));
    painter.setBrush(Qt::NoBrush);
    // As large as the rest of the design, so they show from the back of a classroom too.
    const qreal radius = ringDiameter / 2 * m_scale;
    for (const QPointF& centre : m_centres) {
        painter.drawEllipse(centre, radius, radius);
    }
}
