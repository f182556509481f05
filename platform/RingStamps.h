// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Circles stamped from a small store of rendered rings. At full screen a ring's pen is several
// pixels wide and Qt strokes every circle anew, curve by curve; the run's markers are over a
// thousand rings of one size whose centres fall on a few places within a pixel. A ring is
// rendered once for each such place (to a 64th of a pixel) and its pixels copied wherever it
// recurs. Used only for pens at least two device pixels wide: rings at the design's size are
// drawn as ever, pixel for pixel.

#include <QImage>
#include <QPen>

#include <map>
#include <tuple>

class QTransform;

class RingStamps
{
public:
    // target: the image drawn on, in QImage::Format_ARGB32_Premultiplied.
    explicit RingStamps(QImage& target) : m_target(target) {}

    // Draws a ring of this centre and radius (in the painter's units) with an opaque pen, the
    // painter's units mapped to the image's pixels by toDevice. Returns false, drawing nothing,
    // when the ring does not lie wholly inside the image.
    bool stamp(const QTransform& toDevice, QPointF centre, double radius, const QPen& pen);

private:
    // Colour, pen width, radius, and the centre's place within its device pixel.
    using Key = std::tuple<QRgb, double, double, int, int>;

    QImage& m_target;
    std::map<Key, QImage> m_stamps;
};
