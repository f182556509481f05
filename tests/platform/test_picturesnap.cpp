// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture at factors that do not map the design's pixels onto whole device pixels (125 %,
// 150 %, full screen on 3840 x 2160) looks as clean as at the design's size: the probe line and
// the detectors' lines, with the markers run along them, are each one band of one width: no
// beads, and no one-pixel ticks beside the axes where the curves' bars stand on them.

#include "PictureSurface.h"
#include "Scene.h"
#include "SceneGeometry.h"
#include "SweepDrawing.h"
#include "SweepStep.h"

#include <QTest>

#include <cmath>
#include <utility>
#include <vector>

namespace {
constexpr QSize designSize(763, 575);
constexpr double distance = 750;
const QRgb black = qRgb(0, 0, 0);

int devicePixel(double twips, double factor)
{
    return int(twips / 15 * factor);
}

bool isBlack(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == black;
}

// The black run through (x, y) across a line: along the row for an upright line, along the
// column for a level one; its first and last pixel.
std::pair<int, int> runAcross(const QImage& image, int x, int y, bool upright)
{
    const auto blackAt = [&](int across) {
        return upright ? isBlack(image, across, y) : isBlack(image, x, across);
    };
    const int limit = upright ? image.width() : image.height();
    int first = upright ? x : y;
    int last = first;
    while (first > 0 && blackAt(first - 1)) {
        --first;
    }
    while (last + 1 < limit && blackAt(last + 1)) {
        ++last;
    }
    return {first, last};
}

// The scene and every step's markers, without the curves' bars, which leave the lines.
QImage sceneWithMarkers(double factor)
{
    PictureSurface picture(designSize, 1, factor);
    drawScene(picture, distance);
    for (int k = 0; k < scene::sweepSteps; ++k) {
        drawMarkers(picture, SweepStep{k}, distance);
    }
    return picture.image();
}

enum class Marked
{
    Probe,
    LineH,
    LineL
};
} // namespace

Q_DECLARE_METATYPE(Marked)

class TestPictureSnap : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void markedLinesAreOneBand_data();
    void markedLinesAreOneBand();
};

void TestPictureSnap::markedLinesAreOneBand_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<Marked>("line");
    const std::pair<const char*, double> factors[] = {{"design size", 1.0},
                                                      {"125 %", 1.25},
                                                      {"150 %", 1.5},
                                                      {"175 %", 1.75},
                                                      {"full screen on 3840 x 2160", 2160.0 / 575}};
    for (const auto& [name, factor] : factors) {
        QTest::addRow("probe line, %s", name) << factor << Marked::Probe;
        // At the design's size the markers along the level lines are drawn as they always
        // were, as three pixels of an L that turns with their place: those lines are beaded
        // there, pixel for pixel as in the original picture.
        if (factor != 1) {
            QTest::addRow("detector H's line, %s", name) << factor << Marked::LineH;
            QTest::addRow("detector L's line, %s", name) << factor << Marked::LineL;
        }
    }
}

void TestPictureSnap::markedLinesAreOneBand()
{
    QFETCH(double, factor);
    QFETCH(Marked, line);
    const QImage image = sceneWithMarkers(factor);
    const bool upright = line == Marked::Probe;
    // Where the markers went, away from the ends and from the lines that cross.
    std::vector<double> along;
    if (upright) {
        for (double y = scene::sweepTopY + 100; y < scene::detectorHY(distance) - 100; y += 5) {
            along.push_back(y);
        }
    } else {
        const double from = SweepStep{0}.markerX() + 100;
        const double to = SweepStep{scene::sweepSteps - 1}.markerX() - 100;
        for (double x = from; x < to; x += 5) {
            if (std::abs(x - scene::stripLeftX) > 200 && std::abs(x - scene::probeX) > 200) {
                along.push_back(x);
            }
        }
    }
    const double across = line == Marked::Probe   ? scene::probeX
                          : line == Marked::LineH ? scene::detectorHY(distance)
                                                  : scene::detectorLY;
    const auto at = [&](double twips) {
        return upright ? QPoint(devicePixel(across, factor), devicePixel(twips, factor))
                       : QPoint(devicePixel(twips, factor), devicePixel(across, factor));
    };
    const QPoint start = at(along.front());
    const auto first = runAcross(image, start.x(), start.y(), upright);
    QVERIFY2(first.second - first.first < 2 * factor + 3, "the band is as wide as a marker");
    for (const double twips : along) {
        const QPoint p = at(twips);
        QVERIFY2(isBlack(image, p.x(), p.y()),
                 qPrintable(QStringLiteral("broken at %1, %2").arg(p.x()).arg(p.y())));
        const auto run = runAcross(image, p.x(), p.y(), upright);
        QVERIFY2(run == first, qPrintable(QStringLiteral("pixels %1-%2 across at %3, %4; %5-%6 "
                                                         "at the start")
                                              .arg(run.first)
                                              .arg(run.second)
                                              .arg(p.x())
                                              .arg(p.y())
                                              .arg(first.first)
                                              .arg(first.second)));
    }
}

QTEST_MAIN(TestPictureSnap)
#include "test_picturesnap.moc"
