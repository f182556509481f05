// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The persistent picture: lines and circles land where their twips say, in the right colour and
// width, and coordinates far off the picture neither crash nor smear.

#include "PictureSurface.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {
constexpr QSize pictureSize(100, 80);

QRgb pixel(PictureSurface& s, int x, int y)
{
    return s.image().pixel(x, y);
}

int countPixels(PictureSurface& s, QRgb colour)
{
    const QImage& image = s.image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}
} // namespace

class TestPictureSurface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsTransparent();
    void colourIsBgr_data();
    void colourIsBgr();
    void lineLandsOnItsPixels();
    void drawWidthWidensLines_data();
    void drawWidthWidensLines();
    void circleIsARing();
    void farCoordinatesAreClipped_data();
    void farCoordinatesAreClipped();
    void dirtyRectCoversWhatWasDrawn();
    void highDpiKeepsLogicalPlaces();
    void raysOneTwipApartFillABand_data();
    void raysOneTwipApartFillABand();
};

void TestPictureSurface::startsTransparent()
{
    PictureSurface s(pictureSize, 1);
    QCOMPARE(s.image().size(), pictureSize);
    QCOMPARE(countPixels(s, qRgba(0, 0, 0, 0)), pictureSize.width() * pictureSize.height());
}

void TestPictureSurface::colourIsBgr_data()
{
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QRgb>("rgb");
    QTest::newRow("substance green") << colours::substanceGreen << qRgb(0xC0, 0xFF, 0xC0);
    QTest::newRow("pure blue byte is high") << Colour(0x00FF0000) << qRgb(0, 0, 0xFF);
    QTest::newRow("pure red byte is low") << Colour(0x000000FF) << qRgb(0xFF, 0, 0);
}

void TestPictureSurface::colourIsBgr()
{
    QFETCH(Colour, colour);
    QFETCH(QRgb, rgb);
    PictureSurface s(pictureSize, 1);
    s.line(150, 300, 1200, 300, colour);
    QCOMPARE(pixel(s, 40, 20), rgb);
}

void TestPictureSurface::lineLandsOnItsPixels()
{
    PictureSurface s(pictureSize, 1);
    // Foreground is black; 15 twips to the pixel.
    s.line(150, 600, 1350, 600);
    for (int x = 11; x < 89; ++x) {
        QCOMPARE(pixel(s, x, 40), qRgb(0, 0, 0));
    }
    QCOMPARE(qAlpha(pixel(s, 50, 38)), 0);
    QCOMPARE(qAlpha(pixel(s, 50, 42)), 0);
    QCOMPARE(qAlpha(pixel(s, 95, 40)), 0);
}

void TestPictureSurface::drawWidthWidensLines_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("one pixel") << 1;
    QTest::newRow("two pixels") << 2;
    QTest::newRow("five pixels") << 5;
}

void TestPictureSurface::drawWidthWidensLines()
{
    QFETCH(int, width);
    PictureSurface s(pictureSize, 1);
    s.setDrawWidth(width);
    s.line(0, 600, 1500, 600, colours::white);
    int rows = 0;
    for (int y = 0; y < pictureSize.height(); ++y) {
        rows += pixel(s, 50, y) == qRgb(255, 255, 255) ? 1 : 0;
    }
    QCOMPARE(rows, width);
    QCOMPARE(s.drawWidth(), width);
}

void TestPictureSurface::circleIsARing()
{
    PictureSurface s(pictureSize, 1);
    s.circle(750, 600, 300); // centre (50, 40), radius 20 pixels
    QCOMPARE(pixel(s, 70, 40), qRgb(0, 0, 0));
    QCOMPARE(pixel(s, 50, 20), qRgb(0, 0, 0));
    QCOMPARE(qAlpha(pixel(s, 50, 40)), 0); // not filled
}

void TestPictureSurface::farCoordinatesAreClipped_data()
{
    const float huge = 1e30f;
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QTest::addColumn<float>("x1");
    QTest::addColumn<float>("x2");
    QTest::addColumn<int>("expected");
    QTest::newRow("huge both sides") << -huge << huge << pictureSize.width();
    QTest::newRow("huge to the right") << 0.f << huge << pictureSize.width();
    QTest::newRow("infinite end is skipped") << 0.f << inf << 0;
    QTest::newRow("nan end is skipped") << nan << 750.f << 0;
    QTest::newRow("wholly outside") << 1e7f << 2e7f << 0;
}

void TestPictureSurface::farCoordinatesAreClipped()
{
    QFETCH(float, x1);
    QFETCH(float, x2);
    QFETCH(int, expected);
    PictureSurface s(pictureSize, 1);
    s.line(x1, 600, x2, 600, colours::white);
    QCOMPARE(countPixels(s, qRgb(255, 255, 255)), expected);
}

void TestPictureSurface::dirtyRectCoversWhatWasDrawn()
{
    PictureSurface s(pictureSize, 1);
    QVERIFY(s.takeDirtyRect().isEmpty());
    s.line(150, 150, 450, 750);
    const QRect dirty = s.takeDirtyRect();
    QVERIFY(dirty.contains(QRect(10, 10, 20, 40)));
    QVERIFY(s.takeDirtyRect().isEmpty());
}

void TestPictureSurface::highDpiKeepsLogicalPlaces()
{
    PictureSurface s(pictureSize, 2);
    QCOMPARE(s.image().size(), pictureSize * 2);
    s.line(0, 600, 1500, 600, colours::white); // logical row 40: two device rows around 80
    QList<int> rows;
    for (int y = 0; y < s.image().height(); ++y) {
        if (s.image().pixel(100, y) == qRgb(255, 255, 255)) {
            rows << y;
        }
    }
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1], rows[0] + 1);
    QVERIFY(rows[0] >= 79 && rows[1] <= 81);
}

void TestPictureSurface::raysOneTwipApartFillABand_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<qreal>("ratio");
    for (const double degrees : {35.0, 48.783, 60.0, 80.0}) {
        for (const qreal ratio : {1.0, 2.0}) {
            QTest::addRow("%g degrees at ratio %g", degrees, ratio) << degrees << ratio;
        }
    }
}

void TestPictureSurface::raysOneTwipApartFillABand()
{
    // Like the incident beam: parallel rays a fifteenth of a pixel apart.
    QFETCH(double, degrees);
    QFETCH(qreal, ratio);
    const double s = std::sin(degrees * 3.14 / 180);
    const double c = std::cos(degrees * 3.14 / 180);
    PictureSurface picture(pictureSize, ratio);
    for (int i = 0; i <= 600; ++i) {
        picture.line(float(600 + i), 150, float(600 + i - 900 * s), float(150 + 900 * c));
    }
    const QImage& image = picture.image();
    int rowsChecked = 0;
    for (int y = int(12 * ratio); y < int((8 + 60 * c) * ratio); ++y) {
        int left = -1;
        int right = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(0, 0, 0)) {
                right = x;
                left = left < 0 ? x : left;
            }
        }
        if (right - left < 10) {
            continue;
        }
        ++rowsChecked;
        for (int x = left; x <= right; ++x) {
            QVERIFY2(image.pixel(x, y) == qRgb(0, 0, 0),
                     qPrintable(QStringLiteral("gap at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(rowsChecked > 5);
}

QTEST_MAIN(TestPictureSurface)
#include "test_picturesurface.moc"
