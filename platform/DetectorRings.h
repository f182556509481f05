// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Rings over the picture at the three detectors' current places, the ones the sums use: V on
// the probe line at the probe's height, H and L at the detectors' x on their lines. A widget of
// its own above the picture layer, so that the picture, and every copy of it, never holds them.

#include "SweepStep.h"

#include <QWidget>

#include <array>

class DetectorRings final : public QWidget
{
    Q_OBJECT
public:
    // Covers parent, lets the mouse through, and shows nothing until mark().
    explicit DetectorRings(QWidget* parent);

    // Moves the rings to where the detectors stand at step.
    void mark(SweepStep step, double detectorDistance);

    static constexpr qreal ringDiameter = 8; // pixels at the design's own size

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect ringsRect() const;

    std::array<QPointF, 3> m_centres{};
    double m_scale = 1; // the window's design factor
    bool m_marked = false;
};
