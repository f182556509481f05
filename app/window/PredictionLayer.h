// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The prediction over the picture: the class's sketch drawn dashed over the scene, through the
// run and after it. While sketching, a mouse, a pen or a finger on the scene draws strokes; the
// rest of the time the layer lets every click through to the window.

#include "PredictionSketch.h"

#include <QWidget>

class Brontel;

class PredictionLayer final : public QWidget
{
    Q_OBJECT
public:
    PredictionLayer(Brontel& window, PredictionSketch& sketch);

    // Follows the window's size and the sketch's state.
    void follow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ChartPoint toTwips(QPointF widgetPixels) const;

    Brontel& m_window;
    PredictionSketch& m_sketch;
};
