// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Draws a retained picture (a DrawingList, in twips) onto a QPainter or straight into a QImage,
// at any size: factor is the number of logical pixels per design pixel (15 twips), so 1 gives
// the picture as designed and 2 twice as large.
//
// Lines land on whole device pixels: a line of draw width w is round(w * factor * ratio)
// device pixels wide (at least one), where ratio is the device's pixel ratio, and nothing is
// antialiased. At factor 2 on a ratio-1 device the result is pixel for pixel the picture drawn
// at factor 1 on a ratio-2 device. Everything is cut to the clip rectangle (in design pixels)
// first, so coordinates far off the picture never reach the painter.
//
// Into an image at a factor that does not map design pixels onto whole device pixels (125 %,
// 150 %, full screen), places are snapped to the device's pixels: a level or upright line's
// edges and ends fall on pixel edges, every ring of one pen is centred alike within its pixel,
// a sloped stroke shorter than its pen has its ends on pixel corners, and one-pixel lines and
// rings are set straight into the pixels. A line then keeps one width, markers along
// a line are alike, and a bar ends on its axis.
//
// The whole picture afresh at f times the design's size, as a saved PNG has it:
//
//     QImage image((PictureRenderer::designArea().size() * f).toSize(),
//                  QImage::Format_ARGB32_Premultiplied);
//     image.fill(Qt::transparent);
//     PictureRenderer::render(image, drawing, 0, drawing.size(), f);
//
// (Vector files go through drawAsVectors instead, which merges the lines into shapes.) The
// painter's pen, brush and render hints are restored afterwards.

#include "DrawingList.h"

#include <QColor>
#include <QRectF>

#include <cstddef>

class QImage;
class QPainter;

class PictureRenderer
{
public:
    // The whole picture in design pixels: the window's client area as designed, 763 x 575.
    static QRectF designArea();

    // Draws commands [from, to) of list on painter, in the painter's coordinates scaled by
    // factor. Returns the part drawn on, in design pixels.
    static QRectF render(QPainter& painter, const DrawingList& list, std::size_t from,
                         std::size_t to, double factor, const QRectF& clip = designArea());

    // The same into image, honouring its device pixel ratio, clipped to the image. Up to 1.5
    // device pixels per design pixel, one-pixel lines are set straight into the pixels, several
    // times faster than the painter and without gaps between rays a fraction of a pixel apart.
    // At factor 1 on a ratio-1 image that is the picture as designed, pixel for pixel.
    static QRectF render(QImage& image, const DrawingList& list, std::size_t from, std::size_t to,
                         double factor);
};

// A colour of the window system's 0x00BBGGRR form as Qt's.
QColor toQColor(Colour colour);
