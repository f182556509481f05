// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VectorPicture.h"

#include "PictureRenderer.h"
#include "Twips.h"
#include "VectorShapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <vector>

namespace {
QPen pen(Colour colour, int width)
{
    QPen p(toQColor(colour), width * twipsPerPixel);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

QPolygonF polygon(const std::vector<VectorPoint>& points)
{
    QPolygonF out;
    out.reserve(qsizetype(points.size()));
    for (const VectorPoint& p : points) {
        out << QPointF(p.x, p.y);
    }
    return out;
}
} // namespace

void drawAsVectors(QPainter& painter, const DrawingList& list, const QRectF& clip)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The painter cuts everything to the clip; what lies wholly outside is not written at all.
    painter.setClipRect(clip);
    const VectorRect around{clip.x(), clip.y(), clip.width(), clip.height()};
    for (const VectorShape& shape : vectorShapes(list, around)) {
        painter.setPen(pen(shape.colour, shape.width));
        switch (shape.kind) {
        case VectorShape::Kind::Polyline:
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(polygon(shape.points));
            break;
        case VectorShape::Kind::Circle:
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(shape.points[0].x, shape.points[0].y), shape.radius,
                                shape.radius);
            break;
        case VectorShape::Kind::Polygon:
            // The outline in a pen of the lines' width covers the half pixel the lines reach
            // beyond their middles.
            painter.setBrush(toQColor(shape.colour));
            painter.drawPolygon(polygon(shape.points));
            break;
        }
    }
    painter.restore();
}
