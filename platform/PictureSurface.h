// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's persistent picture: everything a run draws is kept as a DrawingList (in twips)
// and rendered into an image at the window's current size factor and pixel density, so the
// picture survives every repaint and is re-made, sharp, whenever the window is scaled or moves
// to another screen. Transparent until something is drawn on it.
//
// Drawing only records; what was added is rendered when the image or the changed part is asked
// for (once per step of a run). setScale() renders the whole list again.

#include "DrawingList.h"
#include "PictureRenderer.h"

#include <QImage>
#include <QRect>

class PictureSurface final : public Surface
{
public:
    // designSize in design pixels (15 twips each); factor logical pixels per design pixel; the
    // image is allocated at devicePixelRatio for crisp lines.
    PictureSurface(QSize designSize, qreal devicePixelRatio, double factor = 1);
    ~PictureSurface() override;
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;

    void setDrawWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius) override;

    void setForeColour(Colour colour) { m_list.setForeColour(colour); }
    int drawWidth() const { return m_list.drawWidth(); }

    // What has been drawn since the last clear(), to be replayed elsewhere (see PictureRenderer).
    const DrawingList& drawing() const { return m_list; }
    // A new run begins: it paints the whole picture over, so nothing drawn before is kept. The
    // image shows the old picture until then.
    void clear() override;

    // Renders the whole picture again at a new size factor or pixel density. A factor that is
    // not a positive finite number is refused (false), and the picture stays as it was.
    bool setScale(double factor, qreal devicePixelRatio);
    double factor() const { return m_factor; }
    // The picture's size in logical pixels at the current factor.
    QSize logicalSize() const;

    // Renders what was added; the image is then complete.
    const QImage& image();
    // The part of the picture, in logical pixels at the current factor, drawn on since the
    // last call (or all of it after setScale()).
    QRect takeDirtyRect();

private:
    void renderPending();

    QSize m_designSize;
    double m_factor = 1;
    DrawingList m_list;
    std::size_t m_rendered = 0;
    QImage m_image;
    QRectF m_dirty; // in design pixels
};
