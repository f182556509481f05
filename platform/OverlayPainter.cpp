// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OverlayPainter.h"

#include "Twips.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

namespace {
// Blue and orange stand out on the picture's black, white, grey and green, each over a white
// halo so that it reads over the black beam too.
const QColor guideInk(0, 48, 192);
const QColor criticalInk(192, 64, 0);
const QColor haloInk(255, 255, 255, 220);
const QColor textGround(255, 255, 255, 200);
constexpr double penWidth = 1.5; // design pixels
constexpr double haloWidth = 4;
constexpr double textPixels = 11; // design pixels, the size of the design's small captions
// The panel a little smaller, so that it stays above the prompt to press Start.
constexpr double panelPixels = 10;
constexpr double padding = 2;

QPointF place(overlay::Point p, const OverlayPlacement& at)
{
    return at.origin + QPointF(twipsToPixels(p.x), twipsToPixels(p.y)) * at.factor;
}

QFont overlayFont(const OverlayPlacement& at, double pixels = textPixels, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(pixels * at.factor))));
    font.setBold(bold);
    return font;
}

// The box of a text of size whose anchor lies on point.
QRectF boxAt(QPointF point, QSizeF size, overlay::Anchor anchor)
{
    using overlay::Anchor;
    QPointF topLeft = point;
    switch (anchor) {
    case Anchor::TopLeft:
        break;
    case Anchor::TopRight:
        topLeft.rx() -= size.width();
        break;
    case Anchor::BottomLeft:
        topLeft.ry() -= size.height();
        break;
    case Anchor::BottomRight:
        topLeft -= QPointF(size.width(), size.height());
        break;
    case Anchor::Left:
        topLeft.ry() -= size.height() / 2;
        break;
    case Anchor::Right:
        topLeft -= QPointF(size.width(), size.height() / 2);
        break;
    }
    return {topLeft, size};
}

QPen inkPen(const QColor& colour, double width, const OverlayPlacement& at, bool dashed = false)
{
    QPen pen(colour, width * at.factor);
    pen.setCapStyle(Qt::FlatCap);
    if (dashed) {
        pen.setStyle(Qt::DashLine);
    }
    return pen;
}

// Draws path twice: a white halo, then the ink over it.
void drawInk(QPainter& painter, const QPainterPath& path, const QColor& ink,
             const OverlayPlacement& at, bool dashed)
{
    painter.strokePath(path, inkPen(haloInk, haloWidth, at));
    painter.strokePath(path, inkPen(ink, penWidth, at, dashed));
}
} // namespace

QString overlayText(const overlay::Phrase& phrase)
{
    QString text =
        QCoreApplication::translate(overlay::textScope, std::string(phrase.words).c_str());
    const QLocale locale;
    for (const overlay::Number& n : phrase.numbers) {
        text = text.arg(locale.toString(n.value, 'f', n.decimals));
    }
    return text;
}

std::vector<QRectF> paintOverlay(QPainter& painter, const overlay::Picture& picture,
                                 const OverlayPlacement& at, OverlayOn on)
{
    std::vector<QRectF> drawn;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const double reach = haloWidth * at.factor / 2;

    for (const overlay::Line& line : picture.lines) {
        QPainterPath path(place(line.from, at));
        path.lineTo(place(line.to, at));
        const bool critical = line.ink == overlay::Ink::Critical;
        drawInk(painter, path, critical ? criticalInk : guideInk, at, critical);
        drawn.push_back(path.boundingRect().adjusted(-reach, -reach, reach, reach));
    }
    for (const overlay::Arc& arc : picture.arcs) {
        const QPointF centre = place(arc.centre, at);
        const double r = twipsToPixels(arc.radius) * at.factor;
        const QRectF circle(centre - QPointF(r, r), QSizeF(2 * r, 2 * r));
        // Qt counts angles anticlockwise with y up; the overlay's screen angles run clockwise.
        QPainterPath path;
        path.arcMoveTo(circle, -arc.startDegrees);
        path.arcTo(circle, -arc.startDegrees, -arc.spanDegrees);
        drawInk(painter, path, guideInk, at, false);
        drawn.push_back(path.boundingRect().adjusted(-reach, -reach, reach, reach));
    }

    const QFont font = overlayFont(at);
    const QFontMetricsF metrics(font, painter.device());
    const double pad = padding * at.factor;
    const auto textBox = [&](const QString& text) {
        return QSizeF(metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + 2 * pad);
    };
    painter.setFont(font);
    std::vector<overlay::Text> texts = picture.texts;
    if (on == OverlayOn::Window) {
        texts.insert(texts.end(), picture.controlCaptions.begin(), picture.controlCaptions.end());
    }
    for (const overlay::Text& t : texts) {
        const QString text = overlayText(t.phrase);
        const QRectF box = boxAt(place(t.at, at), textBox(text), t.anchor);
        painter.fillRect(box, textGround);
        painter.setPen(guideInk);
        painter.drawText(box.adjusted(pad, pad, -pad, -pad), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        drawn.push_back(box);
    }

    if (!picture.panel.empty()) {
        // The first line is the panel's heading, in bold.
        const QFont heading = overlayFont(at, panelPixels, true);
        const QFontMetricsF headingMetrics(heading, painter.device());
        const QFont lineFont = overlayFont(at, panelPixels);
        const QFontMetricsF metrics(lineFont, painter.device());
        QStringList lines;
        double width = 0;
        for (const overlay::Phrase& phrase : picture.panel) {
            lines << overlayText(phrase);
            const QFontMetricsF& m = lines.size() == 1 ? headingMetrics : metrics;
            width = std::max(width, m.horizontalAdvance(lines.back()));
        }
        const double lineHeight = metrics.lineSpacing();
        const QRectF panel(place(picture.panelTopLeft, at),
                           QSizeF(width + 4 * pad, lineHeight * lines.size() + 2 * pad));
        painter.fillRect(panel, textGround);
        painter.setPen(QPen(guideInk, 1 * at.factor));
        painter.drawRect(panel);
        QPointF line = panel.topLeft() + QPointF(2 * pad, pad);
        for (int i = 0; i < lines.size(); ++i) {
            painter.setFont(i == 0 ? heading : lineFont);
            painter.drawText(QRectF(line, QSizeF(width + pad, lineHeight)),
                             Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
            line.ry() += lineHeight;
        }
        drawn.push_back(panel.adjusted(-at.factor, -at.factor, at.factor, at.factor));
    }
    painter.restore();
    return drawn;
}
