// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LineControl.h"

#include "Twips.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

LineControl::LineControl(const QString& name, int x1, int y1, int x2, int y2, int width,
                         QObject* parent)
    : QObject(parent), m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2), m_width(width)
{
    setObjectName(name);
}

void LineControl::setX1(int twips)
{
    set(m_x1, twips);
}

void LineControl::setY1(int twips)
{
    set(m_y1, twips);
}

void LineControl::setX2(int twips)
{
    set(m_x2, twips);
}

void LineControl::setY2(int twips)
{
    set(m_y2, twips);
}

void LineControl::setVisible(bool visible)
{
    if (m_visible != visible) {
        m_visible = visible;
        Q_EMIT changed();
    }
}

void LineControl::set(int& member, int value)
{
    if (member != value) {
        member = value;
        Q_EMIT changed();
    }
}

void LineControl::paint(QPainter& painter, const DesignPlacement& placement) const
{
    if (!m_visible) {
        return;
    }
    const double ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const double deviceWidth = std::max(1.0, std::round(m_width * placement.factor * ratio));
    QPen pen(Qt::black, deviceWidth / ratio);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QLineF(toWindowPixels(QPointF(m_x1, m_y1), placement),
                            toWindowPixels(QPointF(m_x2, m_y2), placement)));
}
