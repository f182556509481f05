// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureSurface.h"

#include <cmath>

namespace {
// Beyond this a factor would ask for an image no screen has.
constexpr double largestFactor = 64;
} // namespace

PictureSurface::PictureSurface(QSize designSize, qreal devicePixelRatio, double factor)
    : m_designSize(designSize)
{
    if (!setScale(factor, devicePixelRatio)) {
        setScale(1, 1);
    }
    m_dirty = QRectF(); // nothing drawn yet
}

PictureSurface::~PictureSurface() = default;

void PictureSurface::setDrawWidth(int pixels)
{
    m_list.setDrawWidth(pixels);
}

void PictureSurface::line(float x1, float y1, float x2, float y2)
{
    m_list.line(x1, y1, x2, y2);
}

void PictureSurface::line(float x1, float y1, float x2, float y2, Colour colour)
{
    m_list.line(x1, y1, x2, y2, colour);
}

void PictureSurface::circle(float x, float y, float radius)
{
    m_list.circle(x, y, radius);
}

void PictureSurface::clear()
{
    renderPending();
    m_list.clear();
    m_rendered = 0;
}

QSize PictureSurface::logicalSize() const
{
    return {int(std::lround(m_designSize.width() * m_factor)),
            int(std::lround(m_designSize.height() * m_factor))};
}

bool PictureSurface::setScale(double factor, qreal devicePixelRatio)
{
    if (!std::isfinite(factor) || factor <= 0 || factor > largestFactor ||
        !std::isfinite(devicePixelRatio) || devicePixelRatio <= 0 ||
        devicePixelRatio > largestFactor) {
        return false;
    }
    m_factor = factor;
    const QSize logical = logicalSize();
    const QSize device(int(std::lround(logical.width() * devicePixelRatio)),
                       int(std::lround(logical.height() * devicePixelRatio)));
    // Release the old image before the new one is allocated: at full screen both together
    // would double the memory at its peak.
    m_image = QImage();
    m_image = QImage(device, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(Qt::transparent);
    m_rendered = 0;
    renderPending();
    m_dirty = QRectF(QPointF(0, 0), QSizeF(m_designSize));
    return true;
}

void PictureSurface::renderPending()
{
    if (m_rendered < m_list.size()) {
        m_dirty |= PictureRenderer::render(m_image, m_list, m_rendered, m_list.size(), m_factor);
        m_rendered = m_list.size();
    }
}

const QImage& PictureSurface::image()
{
    renderPending();
    return m_image;
}

QRect PictureSurface::takeDirtyRect()
{
    renderPending();
    const QRect dirty =
        QRectF(m_dirty.topLeft() * m_factor, m_dirty.size() * m_factor).toAlignedRect();
    m_dirty = QRectF();
    return dirty;
}
