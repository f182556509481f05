// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScenePicture.h"

#include "Brontel.h"
#include "LineControl.h"
#include "NumberText.h"
#include "PictureRenderer.h"
#include "PictureSurface.h"
#include "SettingsFields.h"
#include "SubstanceCaption.h"
#include "TeachingOverlayLayer.h"
#include "TextFit.h"
#include "Twips.h"
#include "VectorPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace {
// The scene in twips: right of the control panel and below the title row, to the window's
// right edge and the lower ends of the apparatus' vertical lines.
constexpr QRectF sceneTwips(2640, 480, 11445 - 2640, 7815 - 480);
constexpr double settingsLineHeight = 24; // design pixels

QRectF sceneInDesignPixels()
{
    return {twipsToPixels(sceneTwips.x()), twipsToPixels(sceneTwips.y()),
            twipsToPixels(sceneTwips.width()), twipsToPixels(sceneTwips.height())};
}

QRectF designRect(const QWidget* widget)
{
    const TwipsRect r = twipsGeometry(widget);
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

// A caption's font at its design size in design pixels, whatever the device's resolution.
QFont fontInDesignPixels(QFont font)
{
    const double points = font.pointSizeF();
    if (points > 0) {
        font.setPixelSize(int(std::lround(points * 96 / 72)));
    }
    return font;
}

// The settings line under an exported picture, in the interface's language; numbers as the
// fields show them.
QString describe(const QString& substance, const QString& index, const QString& alpha,
                 const QString& distance)
{
    return QCoreApplication::translate(
               "ScenePicture",
               "%1, index lomu %2, úhel dopadu %3°, detektor H %4 twipů nad hladinou")
        .arg(substance, index, alpha, distance);
}

QString describe(const RunSettings& settings)
{
    const QString substance =
        settings.substance ? substanceCaption(*settings.substance) : QStringLiteral("?");
    return describe(substance, numberText(settings.refrIndex), numberText(settings.alpha),
                    numberText(settings.detectorDistance));
}
} // namespace

ScenePicture::ScenePicture(Brontel& window) : m_window(window)
{
    if (window.lastCurves()) {
        m_settingsLine = describe(window.lastCurves()->settings);
    } else {
        // Before any run the scene is empty; the line names what Start would run.
        m_settingsLine =
            describe(substanceCaption(substanceInForce(window.nLátka)), window.nIndex->text(),
                     window.nAlfa->text(), window.nDistance->text());
    }
}

QSizeF ScenePicture::size() const
{
    const QRectF scene = sceneInDesignPixels();
    return {scene.width(), scene.height() + settingsLineHeight};
}

void ScenePicture::paint(QPainter& painter, double scale, PictureAs as) const
{
    const QRectF scene = sceneInDesignPixels();
    painter.save();
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, 0), size()), toQColor(colours::sceneGrey));
    painter.translate(-scene.topLeft());
    painter.setClipRect(scene);

    // The window's own surface lies beneath the picture: its line controls show before a run.
    for (const LineControl* line : m_window.findChildren<LineControl*>()) {
        if (line->isVisible()) {
            QPen pen(Qt::black, line->width());
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(QLineF(twipsToPixels(line->x1()), twipsToPixels(line->y1()),
                                    twipsToPixels(line->x2()), twipsToPixels(line->y2())));
        }
    }

    const DrawingList& drawing = m_window.picture().drawing();
    if (as == PictureAs::Pixels) {
        // Rendered afresh at the size asked for, as the window renders it, then cut out.
        QImage whole((PictureRenderer::designArea().size() * scale).toSize(),
                     QImage::Format_ARGB32_Premultiplied);
        whole.fill(Qt::transparent);
        PictureRenderer::render(whole, drawing, 0, drawing.size(), scale);
        painter.save();
        painter.resetTransform();
        const QRectF source(scene.topLeft() * scale, scene.size() * scale);
        painter.drawImage(QRectF(QPointF(0, 0), source.size()), whole, source);
        painter.restore();
    } else {
        painter.save();
        painter.scale(1.0 / twipsPerPixel, 1.0 / twipsPerPixel);
        drawAsVectors(painter, drawing, sceneTwips);
        painter.restore();
    }
    paintCaptions(painter);
    // The teaching overlay goes with the picture when it is on, at the scene's own scale.
    if (const auto* overlay = m_window.findChild<TeachingOverlayLayer*>();
        overlay != nullptr && !overlay->isHidden()) {
        overlay->paintOn(painter, {1, QPointF(0, 0)});
    }
    painter.setClipping(false);
    painter.translate(scene.topLeft());

    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(8, scene.height(), scene.width() - 16, settingsLineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, m_settingsLine);
    painter.restore();
}

void ScenePicture::paintCaptions(QPainter& painter) const
{
    const Brontel& w = m_window;
    const QLineEdit* const captions[] = {
        w.nDetektorV,       w.nDetektorH,  w.nDetektorS, w.nPravd2podobnost,
        w.nCornuovySpirály, w.nCornuLatka, w.nVoda,      w.nSklo};
    for (const QLineEdit* caption : captions) {
        if (!caption->isVisibleTo(&m_window)) {
            continue;
        }
        const QRectF box = designRect(caption);
        const QPalette& palette = caption->palette();
        painter.fillRect(box, palette.color(QPalette::Base));
        painter.setFont(fontInDesignPixels(designFont(caption)));
        painter.setPen(palette.color(QPalette::Text));
        // A text box keeps its text a couple of pixels from its sides.
        // A caption wider than its box is shown whole rather than cut.
        painter.drawText(box.adjusted(2, 0, -2, 0),
                         int(caption->alignment()) | Qt::AlignVCenter | Qt::TextDontClip,
                         caption->text());
    }
}

QImage ScenePicture::image(double scale) const
{
    QImage image((size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paint(painter, scale, PictureAs::Pixels);
    return image;
}

void ScenePicture::paintVectors(QPainter& painter) const
{
    paint(painter, 1, PictureAs::Vectors);
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
    switch (format) {
    case PictureFormat::Png:
        return png(scale);
    case PictureFormat::Svg:
        return svg();
    case PictureFormat::Pdf:
        return pdf();
    }
    return {};
}

QByteArray ScenePicture::png(double scale) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image(scale).save(&buffer, "PNG");
    return bytes;
}

QByteArray ScenePicture::svg() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    const QSize pixels = size().toSize();
    generator.setSize(pixels);
    generator.setViewBox(QRect(QPoint(0, 0), pixels));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Brontel"));
    generator.setDescription(m_settingsLine);
    QPainter painter(&generator);
    paintVectors(painter);
    painter.end();
    return bytes;
}

QByteArray ScenePicture::pdf() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Brontel"));
    writer.setTitle(m_settingsLine);
    // One design pixel is one unit at 96 dots per inch; the page is exactly the scene.
    writer.setResolution(96);
    const QSizeF points = size() * 72.0 / 96.0;
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    paintVectors(painter);
    painter.end();
    return bytes;
}
