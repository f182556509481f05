// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeachingOverlayLayer.h"

#include "Twips.h"

#include <QEvent>
#include <QPainter>

TeachingOverlayLayer::TeachingOverlayLayer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("teachingOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

void TeachingOverlayLayer::setSettings(const RunSettings& settings)
{
    m_picture = overlay::teachingOverlay(settings);
    update();
}

void TeachingOverlayLayer::paintOn(QPainter& painter, const OverlayPlacement& placement) const
{
    paintOverlay(painter, m_picture, placement, OverlayOn::Export);
}

bool TeachingOverlayLayer::event(QEvent* event)
{
    // The words change with the interface's language.
    if (event->type() == QEvent::LanguageChange) {
        update();
    }
    return QWidget::event(event);
}

bool TeachingOverlayLayer::eventFilter(QObject* watched, QEvent* event)
{
    // The layer covers the whole window at every size.
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return false;
}

void TeachingOverlayLayer::paintEvent(QPaintEvent*)
{
    const QWidget* window = parentWidget();
    const DesignPlacement design = designPlacement(window != nullptr ? window : this);
    QPainter painter(this);
    m_drawn = paintOverlay(painter, m_picture, {design.factor, QPointF(design.origin)},
                           OverlayOn::Window);
}
