// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A line control: a straight line in the foreground colour with movable end points, painted by
// the window as part of its own surface (below the run's picture).

#include "Twips.h"

#include <QObject>

class QPainter;

class LineControl final : public QObject
{
    Q_OBJECT
public:
    // End points in twips.
    LineControl(const QString& name, int x1, int y1, int x2, int y2, int width, QObject* parent);

    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    int width() const { return m_width; }
    bool isVisible() const { return m_visible; }

    void setX1(int twips);
    void setY1(int twips);
    void setX2(int twips);
    void setY2(int twips);
    void setVisible(bool visible);

    // Paints the line at the design's placement, as wide as its width in whole device pixels.
    void paint(QPainter& painter, const DesignPlacement& placement = {}) const;

Q_SIGNALS:
    void changed();

private:
    void set(int& member, int value);

    int m_x1, m_y1, m_x2, m_y2;
    int m_width;
    bool m_visible = true;
};
