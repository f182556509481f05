// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's persistent picture: everything a run draws stays here until drawn over, so the
// picture survives every repaint. Transparent until something is drawn on it.

#include "Surface.h"

#include <QImage>
#include <QRect>

#include <memory>

class QPainter;

class PictureSurface final : public Surface
{
public:
    // sizeInPixels in logical pixels; the image is allocated at devicePixelRatio for crisp lines.
    PictureSurface(QSize sizeInPixels, qreal devicePixelRatio);
    ~PictureSurface() override;
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;

    void setScaleMode(ScaleMode mode) override;
    void setDrawWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius) override;

    void setForeColour(Colour colour) { m_foreColour = colour; }
    int drawWidth() const { return m_drawWidth; }

    // Ends pending drawing; the image is then complete.
    const QImage& image();
    // The part of the picture, in logical pixels, drawn on since the last call.
    QRect takeDirtyRect();

private:
    QPainter& painter();
    void drawLine(double x1, double y1, double x2, double y2, Colour colour);
    void usePen(Colour colour);

    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    ScaleMode m_scaleMode = ScaleMode::Twips;
    int m_drawWidth = 1;
    Colour m_foreColour = colours::black;
    Colour m_penColour = 0;
    int m_penWidth = 0;
    QRectF m_dirty;
};

// A colour of the window system's 0x00BBGGRR form as Qt's.
QColor toQColor(Colour colour);
