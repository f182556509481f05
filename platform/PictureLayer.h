// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Holds and shows the window's persistent picture. Lies above the window's own surface (the
// prompt label, the line controls) and below every control, and lets the mouse through. It
// covers the design's area wherever the design is placed in the window, at the design's factor.

#include "PictureSurface.h"
#include "Twips.h"

#include <QWidget>

class PictureLayer final : public QWidget
{
    Q_OBJECT
public:
    // A picture of the design's size (in design pixels) at the screen's devicePixelRatio.
    PictureLayer(QSize designSize, qreal devicePixelRatio, QWidget* parent);

    PictureSurface& picture() { return m_picture; }
    const PictureSurface& picture() const { return m_picture; }
    // Repaints what has been drawn on the picture since the last call.
    void showChanges();
    // Moves the layer to the design's place in its window and renders the whole picture again
    // when the factor or the pixel density changed.
    void setPlacement(const DesignPlacement& placement, qreal devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureSurface m_picture;
};
