// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The teaching overlay on the window: a widget of its own above the picture, like the detector
// rings, so that the picture itself never holds it. It covers its parent, lets the mouse
// through, and follows the window's size; hidden, it draws nothing.

#include "OverlayPainter.h"

#include <QWidget>

class TeachingOverlayLayer final : public QWidget
{
    Q_OBJECT
public:
    explicit TeachingOverlayLayer(QWidget* parent);

    // What to draw, for a run with these settings.
    void setSettings(const RunSettings& settings);
    const overlay::Picture& picture() const { return m_picture; }
    // The boxes of what was drawn last, in pixels of this widget.
    const std::vector<QRectF>& drawnBoxes() const { return m_drawn; }

    // Draws the overlay into an exported picture on painter at placement.
    void paintOn(QPainter& painter, const OverlayPlacement& placement) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    overlay::Picture m_picture;
    std::vector<QRectF> m_drawn;
};
