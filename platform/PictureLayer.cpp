#include "PictureLayer.h"

#include <QPaintEvent>
#include <QPainter>

PictureLayer::PictureLayer(QSize sizeInPixels, qreal devicePixelRatio, QWidget* parent)
    : QWidget(parent), m_picture(sizeInPixels, devicePixelRatio)
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
