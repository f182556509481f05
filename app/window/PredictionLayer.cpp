// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PredictionLayer.h"

#include "Brontel.h"
#include "PictureRenderer.h"
#include "WindowLayout.h"

#include <QMouseEvent>
#include <QPainter>

PredictionLayer::PredictionLayer(Brontel& window, PredictionSketch& sketch)
    : QWidget(&window), m_window(window), m_sketch(sketch)
{
    setObjectName(QStringLiteral("předpověď"));
    setAttribute(Qt::WA_NoSystemBackground);
    m_sketch.subscribe([this] { follow(); });
    follow();
}

void PredictionLayer::follow()
{
    // The scene: right of the control panel and below the title row, to the window's edges.
    const QPointF topLeft =
        m_window.toWidgetPixels({layout::sceneBounds.leftX, layout::sceneBounds.topY});
    const QPointF bottomRight =
        m_window.toWidgetPixels({double(layout::designWidth * layout::twipsPerPixel),
                                 double(layout::designHeight * layout::twipsPerPixel)});
    setGeometry(QRectF(topLeft, bottomRight).toAlignedRect());
    setAttribute(Qt::WA_TransparentForMouseEvents, !m_sketch.sketching());
    setCursor(m_sketch.sketching() ? Qt::CrossCursor : Qt::ArrowCursor);
    setVisible(!m_sketch.empty() || m_sketch.sketching());
    raise();
    update();
}

ChartPoint PredictionLayer::toTwips(QPointF widgetPixels) const
{
    // The window maps twips to pixels linearly; two places give the map back.
    const QPointF origin = m_window.toWidgetPixels({0, 0});
    const QPointF unit = m_window.toWidgetPixels({1000, 1000}) - origin;
    const QPointF p = widgetPixels + pos() - origin;
    return {p.x() / unit.x() * 1000, p.y() / unit.y() * 1000};
}

void PredictionLayer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(toQColor(PredictionSketch::colour), PredictionSketch::drawWidth * m_window.factor());
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    // The strokes as recorded, dashed as the exported picture has them.
    DrawingList drawing;
    m_sketch.draw(drawing);
    for (const DrawCommand& c : drawing.commands()) {
        painter.drawLine(QLineF(m_window.toWidgetPixels({c.x1, c.y1}) - pos(),
                                m_window.toWidgetPixels({c.x2, c.y2}) - pos()));
    }
}

void PredictionLayer::mousePressEvent(QMouseEvent* event)
{
    m_sketch.beginStroke(toTwips(event->position()));
}

void PredictionLayer::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton) {
        m_sketch.extendStroke(toTwips(event->position()));
    }
}
