// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt-free rasteriser sets the pixels the window's renderer sets: after a whole run, for
// every substance, angle option and detector distance, at the design's size, at twice it, and
// at the factors that are not whole, where places are snapped.

#include "DrawingList.h"
#include "ExperimentRun.h"
#include "PictureRenderer.h"
#include "PixelRaster.h"
#include "RunSettings.h"
#include "Substance.h"

#include <QImage>
#include <QTest>

#include <map>
#include <string>

namespace {
constexpr QSize designSize(763, 575);

const DrawingList& wholeRun(const QString& substanceKey, const QString& angleKey, int distance)
{
    static std::map<std::string, DrawingList> runs;
    const std::string key = (substanceKey + angleKey + QString::number(distance)).toStdString();
    auto found = runs.find(key);
    if (found == runs.end()) {
        const SubstanceRow& substance = facts(*substanceFromKey(substanceKey.toStdString()));
        const double alpha = angleKey == QStringLiteral("35")   ? 35
                             : angleKey == QStringLiteral("60") ? 60
                                                                : substance.criticalAngle;
        DrawingList list;
        runWhole(list, RunSettings::of(substance.refrIndex, alpha,
                                       *angleCaseFromKey(angleKey.toStdString()), substance.value,
                                       *detectorDistanceFromKey(std::to_string(distance))));
        found = runs.emplace(key, std::move(list)).first;
    }
    return found->second;
}

QSize sizeAt(double factor)
{
    return (QSizeF(designSize) * factor).toSize();
}
} // namespace

class TestPixelRaster : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void agreesWithTheWindow_data();
    void agreesWithTheWindow();
};

void TestPixelRaster::agreesWithTheWindow_data()
{
    QTest::addColumn<QString>("substance");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<int>("distance");
    QTest::addColumn<double>("factor");
    // The share of pixels that must agree.
    QTest::addColumn<double>("bound");
    // The page's byte order instead of the desktop's.
    QTest::addColumn<bool>("rgba");
    // At the design's size, 125 % and 150 % the pictures are the same. At 175 % and 200 % the
    // markers' rings, two pixels wide, differ in a pixel here and there where their outlines
    // graze a pixel's centre.
    struct Factor
    {
        const char* name;
        double factor;
        double bound;
    };
    const Factor factors[] = {{"1", 1.0, 1.0},
                              {"1.25", 1.25, 1.0},
                              {"1.5", 1.5, 1.0},
                              {"1.75", 1.75, 0.995},
                              {"2", 2.0, 0.995}};
    for (const auto& [factorName, factor, bound] : factors) {
        for (const char* substance : {"Voda", "Sklo"}) {
            for (const char* angle : {"35", "60", "Mezní"}) {
                for (const int distance : {100, 750, 1500}) {
                    QTest::addRow("%s %s %d at %s", substance, angle, distance, factorName)
                        << QString::fromUtf8(substance) << QString::fromUtf8(angle) << distance
                        << factor << bound << false;
                }
            }
        }
    }
    for (const double factor : {1.0, 1.5}) {
        QTest::addRow("Voda 35 750 at %g, bytes R, G, B, A", factor)
            << QStringLiteral("Voda") << QStringLiteral("35") << 750 << factor << 1.0 << true;
    }
}

void TestPixelRaster::agreesWithTheWindow()
{
    QFETCH(QString, substance);
    QFETCH(QString, angle);
    QFETCH(int, distance);
    QFETCH(double, factor);
    QFETCH(double, bound);
    QFETCH(bool, rgba);
    DrawingList list = wholeRun(substance, angle, distance);
    if (rgba) {
        // The run's own colours read alike with red and blue swapped; these do not.
        list.setForeColour(0x0040A0FF);
        list.setDrawWidth(2);
        list.line(300, 300, 11000, 8000);
        list.setDrawWidth(1);
        list.line(300, 8000, 11000, 300, 0x00FF8020);
    }

    QImage window(sizeAt(factor), QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::transparent);
    PictureRenderer::render(window, list, 0, list.size(), factor);

    QImage raster(window.size(), rgba ? QImage::Format_RGBA8888_Premultiplied
                                      : QImage::Format_ARGB32_Premultiplied);
    raster.fill(Qt::transparent);
    rasterisePicture({reinterpret_cast<std::uint32_t*>(raster.bits()), raster.width(),
                      raster.height(), int(raster.bytesPerLine() / 4),
                      rgba ? PixelOrder::Rgba : PixelOrder::Argb},
                     list, 0, list.size(), factor);
    raster.convertTo(QImage::Format_ARGB32_Premultiplied);

    qint64 same = 0;
    for (int y = 0; y < window.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(window.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(raster.constScanLine(y));
        for (int x = 0; x < window.width(); ++x) {
            same += a[x] == b[x];
        }
    }
    const qint64 all = qint64(window.width()) * window.height();
    const double share = double(same) / double(all);
    qInfo("%.4f %% of the pixels agree (%lld differ)", share * 100, all - same);
    QVERIFY2(share >= bound,
             qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(all - same).arg(all)));
}

QTEST_MAIN(TestPixelRaster)
#include "test_pixelraster.moc"
