// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureLayer.h"

#include "PictureSurface.h"

#include <QPaintEvent>
#include <QPainter>

PictureLayer::PictureLayer(PictureSurface& picture, QWidget* parent)
    : QWidget(parent), m_picture(picture)
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
