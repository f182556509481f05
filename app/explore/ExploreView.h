// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The explore view's pictures on the screen, scaled to fit the widget; a click or a drag on the
// intensity plot picks the height whose Cornu spiral is shown.

#include "ExploreDrawing.h"

#include <QWidget>

class ExploreModel;

class ExploreView final : public QWidget
{
    Q_OBJECT
public:
    ExploreView(ExploreModel& model, QWidget* parent);

    // Draws the model afresh at the next paint.
    void refresh();
    // Design pixels per design pixel of the drawing as shown now, and its corner.
    double factor() const;
    QPointF origin() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void pick(const QPointF& at);

    ExploreModel& m_model;
    exploreview::Drawing m_drawing;
    bool m_stale = true;
};
