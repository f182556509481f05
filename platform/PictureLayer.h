// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shows the window's persistent picture. Lies above the window's own surface (the prompt
// label, the line controls) and below every control, and lets the mouse through.

#include <QWidget>

class PictureSurface;

class PictureLayer final : public QWidget
{
    Q_OBJECT
public:
    PictureLayer(PictureSurface& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureSurface& m_picture;
};
