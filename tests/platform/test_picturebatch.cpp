// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing a whole list at once (lines gathered by colour, sweeps of parallel lines filled, rings
// stamped, one-pixel lines and markers set straight into the pixels up to 1.5 times the design's
// size) sets the pixels that drawing its commands one at a time sets: exactly at the design's size
// and at 125 %, and for lines at every other factor and pixel ratio.

#include "DrawingList.h"
#include "ExperimentRun.h"
#include "PictureRenderer.h"
#include "RunSettings.h"
#include "SettingsOfKeys.h"

#include <QPainter>
#include <QTest>

#include <cmath>
#include <functional>

namespace {
constexpr QSize designSize(763, 575);

QImage blankImage(double factor, qreal ratio)
{
    // As the window's picture has it: the logical size rounded, then the device size.
    const QSize logical = (QSizeF(designSize) * factor).toSize();
    QImage image((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

// The straightforward rendering: each command alone, so nothing can be gathered or merged, and
// rings that would be stamped drawn by the painter itself.
QImage oneByOne(const DrawingList& list, double factor, qreal ratio)
{
    QImage image = blankImage(factor, ratio);
    const QSizeF logical = image.deviceIndependentSize();
    const QRectF clip(0, 0, logical.width() / factor, logical.height() / factor);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const bool widePen = std::round(list[i].width * factor * ratio) >= 2;
        if (list[i].kind == DrawCommand::Kind::Circle && widePen) {
            QPainter painter(&image);
            PictureRenderer::render(painter, list, i, i + 1, factor, clip);
        } else {
            PictureRenderer::render(image, list, i, i + 1, factor);
        }
    }
    return image;
}

QImage allAtOnce(const DrawingList& list, double factor, qreal ratio)
{
    QImage image = blankImage(factor, ratio);
    PictureRenderer::render(image, list, 0, list.size(), factor);
    return image;
}

int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

using Drawing = std::function<void(DrawingList&)>;
} // namespace

Q_DECLARE_METATYPE(Drawing)

class TestPictureBatch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wholeRunIsDrawnAsOneByOne_data();
    void wholeRunIsDrawnAsOneByOne();
    void sweepsAreDrawnAsOneByOne_data();
    void sweepsAreDrawnAsOneByOne();
};

void TestPictureBatch::wholeRunIsDrawnAsOneByOne_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<qreal>("ratio");
    // Rings with wide pens are stamped from a ring drawn at a place within a 64th of a pixel;
    // where an outline grazes a pixel's centre that pixel may differ (7 of 8.3 million at full
    // screen). A misplaced or wrongly drawn stamp differs in thousands.
    QTest::addColumn<int>("mostDiffering");
    QTest::newRow("factor 1") << 1.0 << 1.0 << 0;
    QTest::newRow("factor 1, ratio 2") << 1.0 << 2.0 << 16;
    QTest::newRow("factor 1.25") << 1.25 << 1.0 << 0;
    QTest::newRow("factor 1.5") << 1.5 << 1.0 << 16;
    QTest::newRow("factor 2") << 2.0 << 1.0 << 16;
    QTest::newRow("full screen on 3840 x 2160") << 2160.0 / 575 << 1.0 << 16;
}

void TestPictureBatch::wholeRunIsDrawnAsOneByOne()
{
    QFETCH(double, factor);
    QFETCH(qreal, ratio);
    QFETCH(int, mostDiffering);
    DrawingList list;
    runWhole(list, settingsOfKeys(1.33, 35, "35", "Voda", "750", 750));
    const int differing =
        differingPixels(allAtOnce(list, factor, ratio), oneByOne(list, factor, ratio));
    QVERIFY2(differing <= mostDiffering, qPrintable(QString::number(differing)));
}

void TestPictureBatch::sweepsAreDrawnAsOneByOne_data()
{
    QTest::addColumn<Drawing>("drawing");
    const auto sweep = [](float dx, float dy, float shiftX, float shiftY, int count) {
        return Drawing([=](DrawingList& list) {
            list.setDrawWidth(2);
            for (int i = 0; i < count; ++i) {
                list.line(1500 + i * shiftX, 1500 + i * shiftY, 1500 + i * shiftX + dx,
                          1500 + i * shiftY + dy, colours::substanceGreen);
            }
        });
    };
    QTest::newRow("level, a twip apart") << sweep(6000, 0, 0, 1, 600);
    QTest::newRow("upright, a twip apart, leftwards") << sweep(0, 5000, -1, 0, 600);
    QTest::newRow("sloped, a twip apart") << sweep(7000, 2000, 0, 1, 400);
    QTest::newRow("one and a half pens apart: gaps stay") << sweep(6000, 0, 0, 45, 50);
    QTest::newRow("ends stepping: a staircase") << sweep(6000, 0, 7, 3, 300);
    QTest::newRow("longer each time: a wedge") << Drawing([](DrawingList& list) {
        for (int i = 0; i < 500; ++i) {
            list.line(1500, float(2000 + i), float(3000 + 10 * i), float(2000 + i), colours::white);
        }
    });
    QTest::newRow("back and forth: a zigzag") << Drawing([](DrawingList& list) {
        // Up and down by less than half the pen: beyond the first and the last line.
        constexpr float wave[] = {0, 10, 20, 10, 0, -10, -20, -10};
        list.setDrawWidth(3);
        for (int i = 0; i < 300; ++i) {
            list.line(2000, 3000 + wave[i % 8], 8000, 3000 + wave[i % 8], colours::white);
        }
    });
    QTest::newRow("another colour between") << Drawing([](DrawingList& list) {
        for (int i = 0; i < 300; ++i) {
            list.line(1500, float(2000 + i), 9000, float(2000 + i),
                      i % 50 == 0 ? colours::white : colours::substanceGreen);
        }
    });
}

void TestPictureBatch::sweepsAreDrawnAsOneByOne()
{
    QFETCH(Drawing, drawing);
    DrawingList list;
    drawing(list);
    for (const double factor : {1.0, 1.25, 1.5, 2.0, 3.0, 2160.0 / 575}) {
        for (const qreal ratio : {1.0, 2.0}) {
            const QImage expected = oneByOne(list, factor, ratio);
            QCOMPARE(differingPixels(allAtOnce(list, factor, ratio), expected), 0);
        }
    }
}

QTEST_MAIN(TestPictureBatch)
#include "test_picturebatch.moc"
