// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExplorePicture.h"

#include "PictureRenderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

constexpr double twipsPerPixel = 15;
constexpr double pngScale = 2;

QFont labelFont(double factor)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(6, int(std::lround(12 * factor))));
    return font;
}

// The top-left corner of a box of size placed with its anchor at at.
QPointF placed(const QPointF& at, const QSizeF& size, exploreview::Anchor anchor)
{
    using exploreview::Anchor;
    switch (anchor) {
    case Anchor::TopLeft:
        return at;
    case Anchor::Top:
        return at - QPointF(size.width() / 2, 0);
    case Anchor::TopRight:
        return at - QPointF(size.width(), 0);
    case Anchor::Left:
        return at - QPointF(0, size.height() / 2);
    case Anchor::Right:
        return at - QPointF(size.width(), size.height() / 2);
    case Anchor::BottomLeft:
        return at - QPointF(0, size.height());
    case Anchor::Bottom:
        return at - QPointF(size.width() / 2, size.height());
    }
    return at;
}

} // namespace

QSizeF exploreDesignSize()
{
    return {exploreview::width / twipsPerPixel, exploreview::height / twipsPerPixel};
}

QString exploreLabelText(const exploreview::Label& label)
{
    QString text = label.words ? QCoreApplication::translate(exploreTextScope, label.words)
                               : QString::fromStdString(label.literal);
    const QLocale locale;
    for (const exploreview::Number& n : label.numbers) {
        text = text.arg(locale.toString(n.value, 'f', n.decimals));
    }
    return text;
}

void paintExplore(QPainter& painter, const exploreview::Drawing& drawing, double factor)
{
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), exploreDesignSize() * factor), Qt::white);
    PictureRenderer::render(painter, drawing.lines, 0, drawing.lines.size(), factor,
                            QRectF(QPointF(0, 0), exploreDesignSize()));
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = labelFont(factor);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    for (const exploreview::Label& label : drawing.labels) {
        const QString text = exploreLabelText(label);
        const QSizeF size = metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), 0, text).size();
        const QPointF at(label.x / twipsPerPixel * factor, label.y / twipsPerPixel * factor);
        painter.setPen(toQColor(label.colour));
        painter.drawText(QRectF(placed(at, size, label.anchor), size), 0, text);
    }
    painter.restore();
}

QByteArray explorePictureFile(const ExploreModel& model, PictureFormat format)
{
    const exploreview::Drawing drawing = exploreview::draw(model);
    const QSizeF size = exploreDesignSize();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case PictureFormat::Png: {
        QImage image((size * pngScale).toSize(), QImage::Format_RGB32);
        if (image.isNull()) {
            return {};
        }
        QPainter painter(&image);
        paintExplore(painter, drawing, pngScale);
        painter.end();
        image.save(&buffer, "PNG");
        break;
    }
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        QPainter painter;
        if (!painter.begin(&svg)) {
            return {};
        }
        paintExplore(painter, drawing, 1);
        painter.end();
        break;
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(size, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(72);
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return {};
        }
        paintExplore(painter, drawing, 1);
        painter.end();
        break;
    }
    }
    return bytes;
}
