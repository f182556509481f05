// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartPicture.h"

#include "PictureRenderer.h"
#include "VectorPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>
#include <new>

namespace {
constexpr double twipsPerPixel = 15;

QPointF pixels(ChartPoint p, double factor)
{
    return {p.x / twipsPerPixel * factor, p.y / twipsPerPixel * factor};
}

QString translated(const char* source)
{
    return QCoreApplication::translate("ChartPicture", source);
}

// A power of ten as 10 with a raised exponent: 10⁻³, 10⁴.
QString powerOfTen(int exponent)
{
    static const QString raised = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text = QStringLiteral("10");
    if (exponent < 0) {
        text += QChar(0x207B); // superscript minus
    }
    for (const QChar digit : QString::number(std::abs(exponent))) {
        text += raised[digit.digitValue()];
    }
    return text;
}

// Numbers as the interface's language writes them, without grouping: 20000, 0,5.
QLocale numbers()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString valueLabel(double value, ChartScale scale)
{
    if (scale == ChartScale::Logarithmic) {
        return powerOfTen(int(std::lround(std::log10(value))));
    }
    return numbers().toString(value, 'g', 6);
}
} // namespace

ChartPicture::ChartPicture(const ComparisonChart& chart, std::vector<KeptRun> runs)
    : m_chart(chart), m_runs(std::move(runs))
{
    m_chart.draw(m_drawing);
}

QSizeF ChartPicture::size()
{
    return {ComparisonChart::width / twipsPerPixel, ComparisonChart::height / twipsPerPixel};
}

QString ChartPicture::describe(const KeptRun& run)
{
    const RunSettings& s = run.settings();
    const QString substance = s.substance == Substance::Water
                                  ? QCoreApplication::translate("ChartPicture", "Voda")
                                  : QCoreApplication::translate("ChartPicture", "Sklo");
    //: A kept run in the comparison's legend. %1 the substance, %2 the refractive index, %3 the
    //: angle of incidence in the program's degrees, %4 detector H's height in twips.
    return QCoreApplication::translate("ChartPicture", "%1, n = %2, úhel %3°, H ve výšce %4 twipů")
        .arg(substance, numbers().toString(s.refrIndex), numbers().toString(s.alpha),
             numbers().toString(s.detectorDistance));
}

void ChartPicture::paint(QPainter& painter, double factor) const
{
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), size() * factor), Qt::white);
    PictureRenderer::render(painter, m_drawing, 0, m_drawing.size(), factor,
                            QRectF(QPointF(0, 0), size()));
    paintText(painter, factor);
    painter.restore();
}

void ChartPicture::paintVectors(QPainter& painter) const
{
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), size()), Qt::white);
    painter.save();
    painter.scale(1 / twipsPerPixel, 1 / twipsPerPixel);
    drawAsVectors(painter, m_drawing,
                  QRectF(0, 0, ComparisonChart::width, ComparisonChart::height));
    painter.restore();
    paintText(painter, 1);
    painter.restore();
}

void ChartPicture::paintText(QPainter& painter, double factor) const
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, int(std::lround(11 * factor))));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double lineHeight = 16 * factor;
    const char* titles[] = {
        QT_TRANSLATE_NOOP("ChartPicture",
                          "Detektor V na svislé čáře: vlevo vzduch, za čárkovanou čarou látka"),
        QT_TRANSLATE_NOOP("ChartPicture", "Detektor H ve vzduchu"),
        QT_TRANSLATE_NOOP("ChartPicture", "Detektor L v látce")};
    for (const Detector d : allDetectors) {
        const ComparisonChart::Rect r = ComparisonChart::panel(d);
        const QPointF topLeft = pixels({r.left, r.top}, factor);
        painter.drawText(QRectF(topLeft.x(), topLeft.y() - lineHeight * 1.1,
                                (r.right - r.left) / twipsPerPixel * factor, lineHeight),
                         Qt::AlignLeft | Qt::AlignBottom, translated(titles[int(d)]));
        for (const ComparisonChart::Tick& t : m_chart.valueTicks(d)) {
            const QPointF at = pixels(t.label, factor);
            painter.drawText(QRectF(0, at.y() - lineHeight / 2, at.x(), lineHeight),
                             Qt::AlignRight | Qt::AlignVCenter,
                             valueLabel(t.value, m_chart.scale()));
        }
        for (const ComparisonChart::Tick& t : m_chart.placeTicks(d)) {
            const QPointF at = pixels(t.label, factor);
            painter.drawText(QRectF(at.x() - 40 * factor, at.y(), 80 * factor, lineHeight),
                             Qt::AlignHCenter | Qt::AlignTop, numbers().toString(t.value));
        }
        const QPointF bottomRight = pixels({r.right, r.bottom}, factor);
        painter.drawText(QRectF(bottomRight.x() - 300 * factor, bottomRight.y() + lineHeight * 1.6,
                                300 * factor, lineHeight),
                         Qt::AlignRight | Qt::AlignTop,
                         QCoreApplication::translate("ChartPicture", "místo detektoru (twipy)"));
    }
    // The common measure, once, in the top left corner.
    painter.drawText(QRectF(2 * factor, 0, size().width() * factor, lineHeight),
                     Qt::AlignLeft | Qt::AlignTop,
                     QCoreApplication::translate("ChartPicture",
                                                 "Druhá mocnina výslednice děleno druhou mocninou "
                                                 "délky šipky: stejná míra pro každý úhel"));
    for (int k = 0; k < int(m_runs.size()) && k < ComparisonChart::maxRuns; ++k) {
        const QPointF at = pixels(ComparisonChart::legendSample(k), factor);
        const double x =
            at.x() + (ComparisonChart::legendSampleLength / twipsPerPixel + 6) * factor;
        painter.drawText(QRectF(x, at.y() - lineHeight / 2, 280 * factor, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, describe(m_runs[k]));
    }
}

QImage ChartPicture::image(double scale) const
{
    try {
        QImage image((size() * scale).toSize(), QImage::Format_RGB32);
        if (image.isNull()) {
            return {};
        }
        QPainter painter(&image);
        paint(painter, scale);
        return image;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

QByteArray ChartPicture::png(double scale) const
{
    const QImage picture = image(scale);
    if (picture.isNull()) {
        return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return picture.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray ChartPicture::svg() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size().toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size()));
    generator.setTitle(QCoreApplication::translate("ChartPicture", "Brontel: srovnání běhů"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        return {};
    }
    paintVectors(painter);
    painter.end();
    return bytes;
}
