// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureLayer.h"

#include <QPaintEvent>
#include <QPainter>

PictureLayer::PictureLayer(QSize designSize, qreal devicePixelRatio, QWidget* parent)
    : QWidget(parent), m_picture(designSize, devicePixelRatio)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::NoFocus);
}

void PictureLayer::paintEvent(QPaintEvent* event)
{
    const QImage& image = m_picture.image();
    QPainter painter(this);
    const QRect dirty = event->rect();
    const qreal ratio = image.devicePixelRatio();
    const QRectF source(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio,
                        dirty.height() * ratio);
    painter.drawImage(QRectF(dirty), image, source);
}

void PictureLayer::showChanges()
{
    const QRect dirty = m_picture.takeDirtyRect();
    if (!dirty.isEmpty()) {
        update(dirty);
    }
}

void PictureLayer::setPlacement(const DesignPlacement& placement, qreal devicePixelRatio)
{
    if (placement.factor != m_picture.factor() ||
        devicePixelRatio != m_picture.image().devicePixelRatio()) {
        m_picture.setScale(placement.factor, devicePixelRatio);
        m_picture.takeDirtyRect(); // all of it is shown anew below
        update();
    }
    setGeometry(QRect(placement.origin, m_picture.logicalSize()));
}
