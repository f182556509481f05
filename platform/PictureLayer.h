#pragma once
// Holds and shows the window's persistent picture. Lies above the window's own surface (the
// prompt label, the line controls) and below every control, and lets the mouse through.

#include "PictureSurface.h"

#include <QWidget>

class PictureLayer final : public QWidget
{
    Q_OBJECT
public:
    // A picture of sizeInPixels logical pixels at the screen's devicePixelRatio.
    PictureLayer(QSize sizeInPixels, qreal devicePixelRatio, QWidget* parent);

    PictureSurface& picture() { return m_picture; }
    // Repaints what has been drawn on the picture since the last call.
    void showChanges();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureSurface m_picture;
};
