// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a screen of twice the pixel density (run with QT_SCALE_FACTOR=2) the window and its
// picture are twice as many device pixels, so lines and text stay sharp.

#include "Brontel.h"
#include "PictureSurface.h"

#include <QTest>

class TestHighDpi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void windowAndPictureAtTwiceTheDensity();
    void linesAreWholeDevicePixels_data();
    void linesAreWholeDevicePixels();
};

void TestHighDpi::initTestCase()
{
    // Run without QT_SCALE_FACTOR=2 this test would check nothing; CTest sets it.
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
}

void TestHighDpi::windowAndPictureAtTwiceTheDensity()
{
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.devicePixelRatio(), 2.0);
    QCOMPARE(w.size(), QSize(763, 575)); // logical size as designed

    const QImage& picture = w.picture().image();
    QCOMPARE(picture.size(), QSize(2 * 763, 2 * 575));
    QCOMPARE(picture.devicePixelRatio(), 2.0);

    const QPixmap shown = w.grab();
    QCOMPARE(shown.size(), QSize(2 * 763, 2 * 575));
    QCOMPARE(shown.devicePixelRatio(), 2.0);
}

void TestHighDpi::linesAreWholeDevicePixels_data()
{
    QTest::addColumn<int>("drawWidth");
    QTest::addColumn<int>("deviceRows");
    QTest::newRow("draw width 1") << 1 << 2;
    QTest::newRow("draw width 2") << 2 << 4;
}

void TestHighDpi::linesAreWholeDevicePixels()
{
    QFETCH(int, drawWidth);
    QFETCH(int, deviceRows);
    Brontel w(Countdown(0));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    PictureSurface& picture = w.picture();
    picture.setDrawWidth(drawWidth);
    picture.line(3000, 5010, 9000, 5010, colours::black);
    const QImage& image = picture.image();

    for (const int x : {400, 600, 1000}) { // device pixels across the line
        int rows = 0;
        int partial = 0;
        for (int y = 0; y < image.height(); ++y) {
            const int alpha = qAlpha(image.pixel(x, y));
            rows += alpha == 255 ? 1 : 0;
            partial += alpha > 0 && alpha < 255 ? 1 : 0;
        }
        QCOMPARE(rows, deviceRows);
        QCOMPARE(partial, 0); // crisp: no blurred edge
    }
}

QTEST_MAIN(TestHighDpi)
#include "test_highdpi.moc"
