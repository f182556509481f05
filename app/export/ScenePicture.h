// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The experiment's scene as a class sees it, to save, print or copy: everything the last run
// drew, the captions that label it, and one line under it naming the settings. The control
// panel (buttons, scroll bar, fields, frames) is not part of it.

#include "CurveRecord.h"
#include "DrawingList.h"
#include "TeachingOverlay.h"
#include "WindowModel.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

// The formats a picture can be saved in, by the file's extension.
enum class PictureFormat
{
    Png,
    Svg,
    Pdf
};
std::optional<PictureFormat> pictureFormatOf(const QString& path);

class ScenePicture
{
public:
    // The scene of the last run, with the panel as it stood at its Start; before any run, the
    // empty scene and the settings Start would run.
    ScenePicture(const WindowModel& model, const DrawingList& drawing);

    // The teaching overlay, drawn over the scene when given.
    void setOverlay(std::optional<overlay::Picture> picture) { m_overlay = std::move(picture); }
    // A class's prediction, drawn over the run as the window shows it, when given.
    void setPrediction(std::optional<DrawingList> sketch) { m_prediction = std::move(sketch); }

    // Where the scene lies in the window, in design pixels (15 twips each).
    static QRectF sceneRect();
    // The scene's size in design pixels (15 twips each), the settings line included.
    QSizeF size() const;

    // The scene as pixels, scale pixels per design pixel: the picture rendered afresh, line for
    // line as on the screen at that size. A null image when there is too little memory for it.
    // Lettering::LeftOut leaves out the captions with their grounds and the settings line: the
    // page sets those from the glyph atlas, and is checked against the window's picture so.
    enum class Lettering
    {
        Drawn,
        LeftOut
    };
    QImage image(double scale, Lettering lettering = Lettering::Drawn) const;
    // The scene as vectors on any painter, one unit per design pixel: the run's drawing as
    // shapes and the captions as text. False when the painter is not active.
    bool paintVectors(QPainter& painter) const;

    // The scene as a file of format; scale applies to a PNG only. Empty when it could not be
    // made whole (too little memory, a painter that could not begin).
    QByteArray file(PictureFormat format, double scale) const;

    QByteArray png(double scale) const;
    // Written by the core's SVG writer, as the page writes it; with the teaching overlay, through
    // the painter.
    QByteArray svg() const;
    // The file as Qt's SVG generator writes it through the painter, overlay or not.
    QByteArray svgThroughPainter() const;
    QByteArray pdf() const;

    // The settings line, e.g. "Voda, index lomu 1,33, úhel dopadu 35°, detektor H 750 twipů
    // nad hladinou".
    const QString& settingsLine() const { return m_settingsLine; }

private:
    enum class PictureAs
    {
        Pixels,
        Vectors
    };
    bool paint(QPainter& painter, double scale, PictureAs as,
               Lettering lettering = Lettering::Drawn) const;
    void paintCaptions(QPainter& painter) const;

    const PanelState& m_panel;
    const DrawingList& m_drawing;
    QString m_settingsLine;
    std::optional<overlay::Picture> m_overlay;
    std::optional<DrawingList> m_prediction;
};
