// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExploreView.h"

#include "ExplorePicture.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

ExploreView::ExploreView(ExploreModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("exploreView"));
    setMinimumSize((exploreDesignSize() * 0.75).toSize());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ExploreView::refresh()
{
    m_stale = true;
    update();
}

double ExploreView::factor() const
{
    const QSizeF design = exploreDesignSize();
    return std::min(width() / design.width(), height() / design.height());
}

QPointF ExploreView::origin() const
{
    const QSizeF shown = exploreDesignSize() * factor();
    return {(width() - shown.width()) / 2, (height() - shown.height()) / 2};
}

void ExploreView::paintEvent(QPaintEvent*)
{
    if (m_stale) {
        m_drawing = exploreview::draw(m_model);
        m_stale = false;
    }
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.translate(origin());
    paintExplore(painter, m_drawing, factor());
}

void ExploreView::pick(const QPointF& at)
{
    const QPointF inDrawing = (at - origin()) / factor() * 15;
    if (const auto z = m_drawing.heightAxis.heightAt(inDrawing.x(), inDrawing.y())) {
        m_model.setPickedHeight(*z);
    }
}

void ExploreView::mousePressEvent(QMouseEvent* event)
{
    pick(event->position());
}

void ExploreView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        pick(event->position());
    }
}
