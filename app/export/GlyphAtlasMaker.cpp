// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GlyphAtlasMaker.h"

#include "DetectorDistance.h"
#include "LetterPixels.h"
#include "PictureLetters.h"
#include "PictureRenderer.h"
#include "ScenePicture.h"
#include "SubstanceCaption.h"
#include "Twips.h"
#include "WindowLayout.h"
#include "WindowModel.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>

namespace {
// layout's text laid out as one line, as the painter lays out a line it draws.
QTextLine oneLine(QTextLayout& layout)
{
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line;
}

// The coverage of an image's alpha, cut to what is not empty; left and top count from origin.
CoverageMask coverageOf(const QImage& image, QPoint origin)
{
    int x0 = image.width();
    int y0 = image.height();
    int x1 = -1;
    int y1 = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    CoverageMask mask;
    if (x1 < 0) {
        return mask;
    }
    mask.left = x0 - origin.x();
    mask.top = y0 - origin.y();
    mask.width = x1 - x0 + 1;
    mask.height = y1 - y0 + 1;
    mask.coverage.reserve(std::size_t(mask.width) * std::size_t(mask.height));
    for (int y = y0; y <= y1; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = x0; x <= x1; ++x) {
            mask.coverage.push_back(std::uint8_t(qAlpha(row[x])));
        }
    }
    return mask;
}

QImage transparentImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A glyph of the settings line's font as the painter draws it, scale pixels to a design pixel,
// its origin phase quarters of a pixel right of a whole pixel.
CoverageMask glyphMask(const QRawFont& font, quint32 glyph, int scale, int phase)
{
    const int size = 24 * scale;
    const QPoint origin(size, 2 * size);
    QImage image = transparentImage(QSize(4 * size, 3 * size));
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes({glyph});
    run.setPositions({QPointF((origin.x() + double(phase) / GlyphAtlas::phases) / scale,
                              double(origin.y()) / scale)});
    painter.drawGlyphRun(QPointF(0, 0), run);
    painter.end();
    return coverageOf(image, origin);
}

// Where each character of text begins in the settings line's layout, in 64ths of a pixel.
QList<qint64> places64(const QString& text)
{
    QTextLayout layout(text, settingsLineFont());
    oneLine(layout);
    QList<qint64> places;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (const QPointF& at : run.positions()) {
            places.push_back(std::llround(at.x() * 64));
        }
    }
    return places;
}

void addLineGlyphs(GlyphAtlas& atlas, const QString& characters)
{
    QTextLayout probe(QStringLiteral("x"), settingsLineFont());
    const QTextLine line = oneLine(probe);
    atlas.setLineFont(std::int32_t(std::llround(line.ascent() * 64)),
                      std::int32_t(std::llround(line.descent() * 64)));
    const QRawFont font = QRawFont::fromFont(settingsLineFont());
    for (const char32_t code : characters.toUcs4()) {
        const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&code, 1));
        if (glyphs.size() != 1 || glyphs[0] == 0 || atlas.glyph(code)) {
            continue; // not the line font's, or there already
        }
        GlyphAtlas::Glyph glyph;
        glyph.code = code;
        glyph.advance64 =
            std::int32_t(std::llround(font.advancesForGlyphIndexes(glyphs)[0].x() * 64));
        for (std::size_t s = 0; s < GlyphAtlas::scales.size(); ++s) {
            for (int phase = 0; phase < GlyphAtlas::phases; ++phase) {
                glyph.masks[s][std::size_t(phase)] =
                    glyphMask(font, glyphs[0], GlyphAtlas::scales[s], phase);
            }
        }
        atlas.addGlyph(std::move(glyph));
    }
    // Kerning between every two glyphs, from the layout of the pair.
    const std::vector<char32_t> codes = atlas.codes();
    for (const char32_t left : codes) {
        const qint64 advance = atlas.glyph(left)->advance64;
        for (const char32_t right : codes) {
            const char32_t pair[] = {left, right};
            const QList<qint64> places = places64(QString::fromUcs4(pair, 2));
            if (places.size() == 2 && places[1] != advance) {
                atlas.addKerning(left, right, std::int32_t(places[1] - advance));
            }
        }
    }
}

QRectF designRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// A strip of a saved picture at scale: rows [firstRow, firstRow + rows) of its pixels, painted
// by paint as the picture paints its scene, clipped to it.
template <typename Paint>
QImage sceneStrip(int scale, int firstRow, int rows, const QColor& ground, Paint paint)
{
    const QRectF scene = ScenePicture::sceneRect();
    QImage image(int(std::lround(scene.width() * scale)), rows,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    QPainter painter(&image);
    painter.translate(0, -firstRow);
    painter.scale(scale, scale);
    painter.translate(-scene.topLeft());
    painter.setClipRect(scene);
    paint(painter);
    return image;
}

// A caption's glyphs one by one where they fall when the caption is set in box, as layers.
std::vector<CoverageMask> glyphLayers(Control control, const QRectF& box, int scale, int firstRow,
                                      int rows)
{
    const QString text = captionText(control);
    QTextLayout layout(text, captionFont(control));
    const QTextLine line = oneLine(layout);
    // Where the painter puts a line in a box: by its advance, by the alignment, and centred up
    // and down on the font's height.
    const QRectF inner = box.adjusted(2, 0, -2, 0);
    const double free = inner.width() - line.horizontalAdvance();
    const layout::Alignment alignment = layout::of(control).alignment;
    const double x = alignment == layout::Alignment::Left    ? 0
                     : alignment == layout::Alignment::Right ? free
                                                             : free / 2;
    const QPointF origin =
        inner.topLeft() + QPointF(x, (inner.height() - line.ascent() - line.descent()) / 2);
    std::vector<CoverageMask> layers;
    const double sceneTop = ScenePicture::sceneRect().top();
    const double sceneLeft = ScenePicture::sceneRect().left();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i) {
            // The painter holds the line's origin in 64ths of a pixel, cut towards zero, and
            // sets each glyph on the whole pixel nearest its baseline, at the quarter of a
            // pixel its place falls in.
            const QPointF at =
                QPointF(std::trunc(origin.x() * 64) / 64, std::trunc(origin.y() * 64) / 64) +
                run.positions()[i];
            const double baseline =
                std::floor((at.y() - sceneTop) * scale + 0.5) / scale + sceneTop;
            const GlyphPlace place = glyphPlace((at.x() - sceneLeft) * scale);
            const double x =
                (place.x + double(place.phase) / GlyphAtlas::phases) / scale + sceneLeft;
            QGlyphRun one;
            one.setRawFont(run.rawFont());
            one.setGlyphIndexes({run.glyphIndexes()[i]});
            one.setPositions({QPointF(x, baseline)});
            const QImage strip =
                sceneStrip(scale, firstRow, rows, Qt::transparent, [&](QPainter& p) {
                    p.drawGlyphRun({0, 0}, one);
                });
            CoverageMask mask = coverageOf(strip, QPoint(0, -firstRow));
            if (!mask.coverage.empty()) {
                layers.push_back(std::move(mask));
            }
        }
    }
    return layers;
}

// Whether layers blended over ground give the pixels of set.
bool reproduces(const std::vector<CoverageMask>& layers, const QColor& ground, const QImage& set,
                int firstRow)
{
    QImage image(set.size(), set.format());
    image.fill(ground);
    const PixelCanvas view{reinterpret_cast<std::uint32_t*>(image.bits()), image.width(),
                           image.height(), image.width()};
    for (const CoverageMask& layer : layers) {
        blendBlack(view, layer, 0, -firstRow);
    }
    return image == set;
}

void addCaption(GlyphAtlas& atlas, Control control, int left, int top)
{
    const layout::ControlLayout& place = layout::of(control);
    const QRectF scene = ScenePicture::sceneRect();
    const QRectF box = designRect(left, top, place.box.width, place.box.height);
    const QColor ground = toQColor(place.ground == layout::Ground::Green ? colours::substanceGreen
                                                                         : colours::sceneGrey);
    for (const int scale : GlyphAtlas::scales) {
        // The box's rows and as many above and below, for the letters that reach beyond it.
        const int firstRow = int(std::floor((box.top() - box.height() - scene.top()) * scale));
        const int rows = int(std::ceil(3 * box.height() * scale)) + 2;
        const auto paint = [&](QPainter& p) {
            paintCaptionLetters(p, control, box);
        };
        const QImage set = sceneStrip(scale, firstRow, rows, ground, paint);
        // Glyph by glyph as the painter sets small glyphs; where that is not how the caption
        // came out (large glyphs are filled as outlines, all at once), the caption whole.
        std::vector<CoverageMask> layers = glyphLayers(control, box, scale, firstRow, rows);
        if (!reproduces(layers, ground, set, firstRow)) {
            layers = {coverageOf(sceneStrip(scale, firstRow, rows, Qt::transparent, paint),
                                 QPoint(0, -firstRow))};
        }
        atlas.addCaption({captionText(control).toStdString(), scale, left, top, std::move(layers)});
    }
}
} // namespace

void addPictureLetters(GlyphAtlas& atlas)
{
    // The line's own words, the substances, and what numbers are written with; a field's text
    // before any run may hold other characters, and the page then sets that line itself.
    QString characters = QStringLiteral("0123456789.,-+eE…");
    DrawingList none;
    const WindowModel model(none);
    characters += ScenePicture(model, none).settingsLine();
    characters += substanceCaption(Substance::Water) + substanceCaption(Substance::Glass);
    addLineGlyphs(atlas, characters);

    for (const Control control : layout::sceneCaptions) {
        const layout::ControlLayout& place = layout::of(control);
        addCaption(atlas, control, place.box.left, place.box.top);
        if (control == Control::nDetektorH) {
            for (const DetectorDistanceRow& row : detectorDistanceTable) {
                addCaption(atlas, control, marker::labelLeft, row.labelTop);
            }
        }
    }
}
