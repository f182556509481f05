// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The retained picture at other sizes: a whole run rendered at factor 2 is the run drawn at a
// device pixel ratio of 2, pixel for pixel; a change of factor re-renders everything that was
// drawn since the last clear, and lines keep whole device pixels at fractional factors.

#include "DrawingList.h"
#include "ExperimentRun.h"
#include "PictureRenderer.h"
#include "PictureSurface.h"
#include "RunSettings.h"
#include "SettingsOfKeys.h"

#include <QPainter>
#include <QTest>

#include <cmath>
#include <limits>

namespace {
constexpr QSize designSize(763, 575);

void runInto(Surface& surface, const RunSettings& settings)
{
    runWhole(surface, settings);
}

// The rows of column x in the colour.
int rowsOf(const QImage& image, int x, QRgb colour)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        rows += image.pixel(x, y) == colour ? 1 : 0;
    }
    return rows;
}
} // namespace

class TestPictureScale : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listKeepsWhatWasDrawn();
    void runAtFactorTwoIsTheRunAtRatioTwo_data();
    void runAtFactorTwoIsTheRunAtRatioTwo();
    void rescalingRendersTheWholeList();
    void clearForgetsTheRunBefore();
    void linesKeepWholeDevicePixels_data();
    void linesKeepWholeDevicePixels();
    void refusesFactorsThatMakeNoPicture_data();
    void refusesFactorsThatMakeNoPicture();
    void replaysOntoAnyPainter();
};

void TestPictureScale::listKeepsWhatWasDrawn()
{
    DrawingList list;
    list.setForeColour(colours::substanceGreen);
    list.line(1, 2, 3, 4);
    list.setDrawWidth(3);
    list.line(5, 6, 7, 8, colours::white);
    list.setForeColour(colours::black);
    list.circle(10, 20, 30);
    list.setDrawWidth(0); // the window system draws at least one pixel

    QCOMPARE(list.size(), std::size_t(3));
    QCOMPARE(list[0].kind, DrawCommand::Kind::Line);
    QCOMPARE(list[0].colour, colours::substanceGreen);
    QCOMPARE(list[0].width, 1);
    QCOMPARE(list[1].kind, DrawCommand::Kind::ColouredLine);
    QCOMPARE(list[1].colour, colours::white);
    QCOMPARE(list[1].width, 3);
    QCOMPARE(list[2].kind, DrawCommand::Kind::Circle);
    QCOMPARE(list[2].colour, colours::black);
    QCOMPARE((std::array{list[2].x1, list[2].y1, list[2].x2}), (std::array{10.f, 20.f, 30.f}));
    QCOMPARE(list.drawWidth(), 1);
    list.clear();
    QVERIFY(list.empty());
}

void TestPictureScale::runAtFactorTwoIsTheRunAtRatioTwo_data()
{
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("substance");
    QTest::addColumn<double>("distance");
    QTest::newRow("water at 35 degrees, detector at 750") << "35"
                                                          << "Voda" << 750.0;
    QTest::newRow("glass at the critical angle, detector at 100") << "Mezní"
                                                                  << "Sklo" << 100.0;
}

void TestPictureScale::runAtFactorTwoIsTheRunAtRatioTwo()
{
    QFETCH(QString, angle);
    QFETCH(QString, substance);
    QFETCH(double, distance);
    const bool glass = substance == QStringLiteral("Sklo");
    const double index = glass ? 1.5 : 1.33;
    const double degrees = angle == QStringLiteral("35") ? 35 : glass ? 41.81 : 48.75;
    const RunSettings settings =
        settingsOfKeys(index, degrees, angle.toStdString(), substance.toStdString(),
                       QString::number(distance).toStdString(), distance);

    PictureSurface atRatioTwo(designSize, 2, 1);
    runInto(atRatioTwo, settings);
    PictureSurface atFactorTwo(designSize, 1, 2);
    runInto(atFactorTwo, settings);

    QImage expected = atRatioTwo.image();
    expected.setDevicePixelRatio(1);
    const QImage& actual = atFactorTwo.image();
    QCOMPARE(actual.size(), designSize * 2);
    QVERIFY(expected == actual);
}

void TestPictureScale::rescalingRendersTheWholeList()
{
    const RunSettings settings = settingsOfKeys(1.33, 35, "35", "Voda", "750", 750);
    PictureSurface drawnAtOne(designSize, 1, 1);
    runInto(drawnAtOne, settings);
    const QImage original = drawnAtOne.image().copy();

    PictureSurface drawnAtOneAndHalf(designSize, 1, 1.5);
    runInto(drawnAtOneAndHalf, settings);

    QVERIFY(drawnAtOne.setScale(1.5, 1));
    QCOMPARE(drawnAtOne.takeDirtyRect(), QRect(QPoint(0, 0), drawnAtOne.logicalSize()));
    QVERIFY(drawnAtOne.image() == drawnAtOneAndHalf.image());

    // Back at the design's size: the picture as first drawn, fast one-pixel lines included.
    QVERIFY(drawnAtOne.setScale(1, 1));
    QVERIFY(drawnAtOne.image() == original);
}

void TestPictureScale::clearForgetsTheRunBefore()
{
    PictureSurface picture(designSize, 1, 1);
    picture.line(0, 1500, 9000, 1500, colours::white);
    QCOMPARE(rowsOf(picture.image(), 300, qRgb(255, 255, 255)), 1);
    picture.clear();
    // The image shows the old picture until the new run paints it over ...
    QCOMPARE(rowsOf(picture.image(), 300, qRgb(255, 255, 255)), 1);
    picture.line(0, 3000, 9000, 3000, colours::white);
    QCOMPARE(picture.drawing().size(), std::size_t(1));
    // ... but a re-render knows only what was drawn since.
    QVERIFY(picture.setScale(2, 1));
    QCOMPARE(rowsOf(picture.image(), 600, qRgb(255, 255, 255)), 2);
    QCOMPARE(picture.image().pixel(600, 200), qRgba(0, 0, 0, 0));
}

void TestPictureScale::linesKeepWholeDevicePixels_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("drawWidth");
    QTest::addColumn<int>("deviceRows");
    QTest::newRow("1 at factor 1") << 1.0 << 1.0 << 1 << 1;
    QTest::newRow("2 at factor 1") << 1.0 << 1.0 << 2 << 2;
    QTest::newRow("1 at factor 1.25") << 1.25 << 1.0 << 1 << 1;
    QTest::newRow("1 at factor 1.5") << 1.5 << 1.0 << 1 << 2;
    QTest::newRow("2 at factor 1.5") << 1.5 << 1.0 << 2 << 3;
    QTest::newRow("1 at factor 1.5, ratio 2") << 1.5 << 2.0 << 1 << 3;
    QTest::newRow("1 at factor 3.75") << 3.75 << 1.0 << 1 << 4;
}

void TestPictureScale::linesKeepWholeDevicePixels()
{
    QFETCH(double, factor);
    QFETCH(qreal, ratio);
    QFETCH(int, drawWidth);
    QFETCH(int, deviceRows);
    PictureSurface picture(designSize, ratio, factor);
    picture.setDrawWidth(drawWidth);
    picture.line(300, 5010, 9000, 5010, colours::black);
    const QImage& image = picture.image();
    for (const double designX : {100.0, 300.0, 550.0}) {
        const int x = int(designX * factor * ratio);
        QCOMPARE(rowsOf(image, x, qRgb(0, 0, 0)), deviceRows);
        int partial = 0;
        for (int y = 0; y < image.height(); ++y) {
            const int alpha = qAlpha(image.pixel(x, y));
            partial += alpha > 0 && alpha < 255 ? 1 : 0;
        }
        QCOMPARE(partial, 0);
    }
}

void TestPictureScale::refusesFactorsThatMakeNoPicture_data()
{
    QTest::addColumn<double>("factor");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -2.0;
    QTest::newRow("huge") << 1e9;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TestPictureScale::refusesFactorsThatMakeNoPicture()
{
    QFETCH(double, factor);
    PictureSurface picture(designSize, 1, 1.5);
    picture.line(0, 1500, 9000, 1500, colours::white);
    const QImage before = picture.image().copy();
    QVERIFY(!picture.setScale(factor, 1));
    QCOMPARE(picture.factor(), 1.5);
    QVERIFY(picture.image() == before);

    PictureSurface fresh(designSize, 1, factor); // a bad factor at birth gives the design's size
    QCOMPARE(fresh.image().size(), designSize);
}

void TestPictureScale::replaysOntoAnyPainter()
{
    // A painter of another device, translated as a page might be: same pixels as the image.
    PictureSurface picture(designSize, 1, 2);
    runInto(picture, settingsOfKeys(1.33, 60, "60", "Voda", "1500", 1500));
    QImage page(designSize * 2 + QSize(40, 40), QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::transparent);
    {
        QPainter painter(&page);
        painter.translate(20, 20);
        PictureRenderer::render(painter, picture.drawing(), 0, picture.drawing().size(), 2);
    }
    QVERIFY(page.copy(QRect(QPoint(20, 20), designSize * 2)) == picture.image());
}

QTEST_MAIN(TestPictureScale)
#include "test_picturescale.moc"
