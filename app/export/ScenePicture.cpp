// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScenePicture.h"

#include "ControlLook.h"
#include "NumberText.h"
#include "OverlayPainter.h"
#include "PictureLetters.h"
#include "PictureRenderer.h"
#include "SceneSvg.h"
#include "SubstanceCaption.h"
#include "Surface.h"
#include "Twips.h"
#include "VectorPicture.h"
#include "WindowLayout.h"
#include "WindowTexts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QXmlStreamReader>

#include <cmath>
#include <functional>
#include <memory>
#include <new>

namespace {
// The scene in twips: right of the control panel and below the title row, to the window's
// right edge and the lower ends of the apparatus' vertical lines.
constexpr QRectF sceneTwips(layout::sceneBounds.leftX, layout::sceneBounds.topY,
                            11445 - layout::sceneBounds.leftX, 7815 - layout::sceneBounds.topY);

QRectF sceneInDesignPixels()
{
    return {twipsToPixels(sceneTwips.x()), twipsToPixels(sceneTwips.y()),
            twipsToPixels(sceneTwips.width()), twipsToPixels(sceneTwips.height())};
}

QRectF designRect(const TwipsRect& r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

// The settings line under an exported picture, in the interface's language; numbers as the
// fields show them.
QString describe(const QString& substance, const QString& index, const QString& alpha,
                 const QString& distance)
{
    //: The settings line under an exported picture. %1 the substance, %2 the refractive
    //: index, %3 the angle of incidence in degrees, %4 detector H's height in twips.
    return QCoreApplication::translate(
               "ScenePicture",
               "%1, index lomu %2, úhel dopadu %3°, detektor H %4 twipů nad hladinou")
        .arg(substance, index, alpha, distance);
}

// A field's text as far as it fits the settings line: a field holds whatever was typed.
QString fieldText(const QString& text)
{
    constexpr qsizetype longest = 24;
    const QString trimmed = text.trimmed();
    return trimmed.size() <= longest ? trimmed : trimmed.left(longest - 1) + QChar(u'…');
}

// Whether bytes are well-formed XML without a script in them: the last guard before an SVG
// leaves the program.
bool harmlessXml(const QByteArray& bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.name().compare(QLatin1String("script"), Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    return !reader.hasError();
}

QString describe(const RunSettings& settings)
{
    return describe(substanceCaption(settings.substance), numberText(settings.refrIndex),
                    numberText(settings.alpha), numberText(settings.detectorDistance));
}
// Paints on device with paint and ends the painting; false when either fails. Out of memory
// at the end (the PDF writer compresses the whole page there), the painter stays active, and
// its destructor would end it once more while the exception unwinds, which ends the program:
// the painter and its device are then left undestroyed, in a program that has just run out of
// memory, so that the shortage is reported instead.
bool paintedWhole(std::unique_ptr<QPaintDevice> device, const std::function<bool(QPainter&)>& paint)
{
    auto painter = std::make_unique<QPainter>(device.get());
    try {
        return paint(*painter) && painter->end();
    } catch (const std::bad_alloc&) {
        if (painter->isActive()) {
            static_cast<void>(painter.release());
            static_cast<void>(device.release());
        }
        throw;
    }
}
} // namespace

ScenePicture::ScenePicture(const WindowModel& model, const DrawingList& drawing)
    : m_panel(model.lastCurves() ? model.runPanel() : model.panel()), m_drawing(drawing)
{
    if (model.lastCurves()) {
        m_settingsLine = describe(model.lastCurves()->settings);
    } else {
        // Before any run the scene is empty; the line names what Start would run.
        const auto text = [this](Control c) {
            return fieldText(QString::fromStdString(m_panel[c].text));
        };
        m_settingsLine =
            describe(substanceCaption(m_panel.substance), text(Control::nIndex),
                     text(Control::nAlfa), QString::number(facts(m_panel.distance).twips));
    }
}

QRectF ScenePicture::sceneRect()
{
    return sceneInDesignPixels();
}

QSizeF ScenePicture::size() const
{
    const QRectF scene = sceneInDesignPixels();
    return {scene.width(), scene.height() + settingsLineBox.height};
}

bool ScenePicture::paint(QPainter& painter, double scale, PictureAs as, Lettering lettering) const
{
    if (!painter.isActive()) {
        return false;
    }
    const QRectF scene = sceneInDesignPixels();
    painter.save();
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, 0), size()), toQColor(colours::sceneGrey));
    painter.translate(-scene.topLeft());
    painter.setClipRect(scene);

    // The window's own surface lies beneath the picture: its line controls show before a run.
    for (std::size_t i = 0; i < layout::lines.size(); ++i) {
        const layout::LineControl& line = layout::lines[i];
        const int y1 = i == 0 ? m_panel.markerY : line.y1;
        const int y2 = i == 0 ? m_panel.markerY : line.y2;
        QPen pen(Qt::black, line.width);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QLineF(twipsToPixels(line.x1), twipsToPixels(y1), twipsToPixels(line.x2),
                                twipsToPixels(y2)));
    }

    const DrawingList& drawing = m_drawing;
    if (as == PictureAs::Pixels) {
        // Rendered afresh at the size asked for, as the window renders it, then cut out.
        QImage whole((PictureRenderer::designArea().size() * scale).toSize(),
                     QImage::Format_ARGB32_Premultiplied);
        if (whole.isNull()) { // too little memory: no picture rather than one without the run
            painter.restore();
            return false;
        }
        whole.fill(Qt::transparent);
        PictureRenderer::render(whole, drawing, 0, drawing.size(), scale);
        if (m_prediction) {
            PictureRenderer::render(whole, *m_prediction, 0, m_prediction->size(), scale);
        }
        painter.save();
        painter.resetTransform();
        const QRectF source(scene.topLeft() * scale, scene.size() * scale);
        painter.drawImage(QRectF(QPointF(0, 0), source.size()), whole, source);
        painter.restore();
    } else {
        painter.save();
        painter.scale(1.0 / twipsPerPixel, 1.0 / twipsPerPixel);
        drawAsVectors(painter, drawing, sceneTwips);
        if (m_prediction) {
            drawAsVectors(painter, *m_prediction, sceneTwips);
        }
        painter.restore();
    }
    if (lettering == Lettering::Drawn) {
        paintCaptions(painter);
    }
    // The teaching overlay goes with the picture when it is on, at the scene's own scale.
    if (m_overlay) {
        paintOverlay(painter, *m_overlay, {1, QPointF(0, 0)}, OverlayOn::Export);
    }
    painter.setClipping(false);
    painter.translate(scene.topLeft());

    if (lettering == Lettering::Drawn) {
        paintSettingsLine(painter,
                          QRectF(settingsLineBox.left, settingsLineBox.top, settingsLineBox.width,
                                 settingsLineBox.height),
                          m_settingsLine);
    }
    painter.restore();
    return true;
}

void ScenePicture::paintCaptions(QPainter& painter) const
{
    for (const CaptionPlace& place : captionPlaces(m_panel)) {
        const QRectF box = designRect({place.left, place.top, place.width, place.height});
        const layout::ControlLayout& caption = layout::of(place.control);
        const Colour ground =
            caption.ground == layout::Ground::Green ? colours::substanceGreen : colours::sceneGrey;
        painter.fillRect(box, toQColor(ground));
        paintCaptionLetters(painter, place.control, box);
    }
}

QImage ScenePicture::image(double scale, Lettering lettering) const
{
    QImage image((size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return {};
    }
    QPainter painter(&image);
    if (!paint(painter, scale, PictureAs::Pixels, lettering) || !painter.end()) {
        return {};
    }
    return image;
}

bool ScenePicture::paintVectors(QPainter& painter) const
{
    return paint(painter, 1, PictureAs::Vectors);
}

std::optional<PictureFormat> pictureFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return PictureFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return PictureFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return PictureFormat::Pdf;
    }
    return std::nullopt;
}

QByteArray ScenePicture::file(PictureFormat format, double scale) const
{
    try {
        switch (format) {
        case PictureFormat::Png:
            return png(scale);
        case PictureFormat::Svg:
            return svg();
        case PictureFormat::Pdf:
            return pdf();
        }
    } catch (const std::bad_alloc&) {
        // Too little memory for the file: nothing rather than a part of it.
    }
    return {};
}

QByteArray ScenePicture::png(double scale) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QImage picture = image(scale);
    if (picture.isNull() || !picture.save(&buffer, "PNG")) {
        return {};
    }
    return bytes;
}

QByteArray ScenePicture::svg() const
{
    if (!m_overlay) {
        // Written by the core, as the page writes it.
        const auto caption = [](Control control) {
            return captionText(control).toStdString();
        };
        SceneSvgContent content{&m_drawing, m_prediction ? &*m_prediction : nullptr,
                                m_panel.markerY, svgCaptions(m_panel, caption),
                                xmlText(m_settingsLine).toStdString()};
        const QByteArray bytes = QByteArray::fromStdString(sceneSvg(content));
        return harmlessXml(bytes) ? bytes : QByteArray();
    }
    // The teaching overlay is drawn by the window's painter.
    return svgThroughPainter();
}

QByteArray ScenePicture::svgThroughPainter() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    auto generator = std::make_unique<QSvgGenerator>();
    generator->setOutputDevice(&buffer);
    const QSize pixels = size().toSize();
    generator->setSize(pixels);
    generator->setViewBox(QRect(QPoint(0, 0), pixels));
    generator->setResolution(96);
    generator->setTitle(QStringLiteral("Brontel"));
    // The generator writes the description as it is given: the markup is escaped here.
    generator->setDescription(xmlText(m_settingsLine).toHtmlEscaped());
    const auto paint = [this](QPainter& painter) {
        return paintVectors(painter);
    };
    if (!paintedWhole(std::move(generator), paint) || !harmlessXml(bytes)) {
        return {};
    }
    return bytes;
}

QByteArray ScenePicture::pdf() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    auto writer = std::make_unique<QPdfWriter>(&buffer);
    writer->setCreator(QStringLiteral("Brontel"));
    writer->setTitle(xmlText(m_settingsLine));
    // One design pixel is one unit at 96 dots per inch; the page is exactly the scene.
    writer->setResolution(96);
    const QSizeF points = size() * 72.0 / 96.0;
    writer->setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    const auto paint = [this](QPainter& painter) {
        return paintVectors(painter);
    };
    if (!paintedWhole(std::move(writer), paint)) {
        return {};
    }
    return bytes;
}
