// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RingStamps.h"

#include <QPainter>

#include <cmath>

namespace {
// Places within a pixel told apart. A ring drawn a 128th of a pixel off its place may differ in
// a pixel or two where its outline grazes a pixel's centre; nothing an eye can find, and a
// whole run's rings at full screen differ from rings drawn one by one in fewer than ten pixels
// of eight million.
constexpr int placesPerPixel = 64;
} // namespace

bool RingStamps::stamp(const QTransform& toDevice, QPointF centre, double radius, const QPen& pen)
{
    if (!toDevice.isAffine() || toDevice.isRotating() || pen.color().alpha() != 255) {
        return false;
    }
    const QPointF deviceCentre = toDevice.map(centre);
    const double reach = (radius + pen.widthF()) * std::max(toDevice.m11(), toDevice.m22()) + 2;
    const int half = int(std::ceil(reach));
    const int side = 2 * half + 1;
    const double floorX = std::floor(deviceCentre.x());
    const double floorY = std::floor(deviceCentre.y());
    const int left = int(floorX) - half;
    const int top = int(floorY) - half;
    if (!std::isfinite(reach) || left < 0 || top < 0 || left + side > m_target.width() ||
        top + side > m_target.height()) {
        return false;
    }
    const Key key{pen.color().rgba(), pen.widthF(), radius,
                  int(std::lround((deviceCentre.x() - floorX) * placesPerPixel)),
                  int(std::lround((deviceCentre.y() - floorY) * placesPerPixel))};
    auto found = m_stamps.find(key);
    if (found == m_stamps.end()) {
        QImage pixels(side, side, QImage::Format_ARGB32_Premultiplied);
        pixels.fill(Qt::transparent);
        QPainter painter(&pixels);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setTransform(toDevice * QTransform::fromTranslate(-left, -top));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius, radius);
        painter.end();
        found = m_stamps.emplace(key, std::move(pixels)).first;
    }
    const QImage& pixels = found->second;
    for (int y = 0; y < side; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(m_target.scanLine(top + y)) + left;
        for (int x = 0; x < side; ++x) {
            if (qAlpha(from[x]) != 0) {
                to[x] = from[x];
            }
        }
    }
    return true;
}
