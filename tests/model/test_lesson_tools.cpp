// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson's tools without a window: kept runs for the comparison, and the prediction sketch.

#include "DrawingList.h"
#include "PredictionSketch.h"
#include "RunComparison.h"
#include "WindowLayout.h"
#include "SweepStep.h"

#include <QTest>

namespace {
CurveRecord record(Substance substance, AngleCase angle, DetectorDistance distance,
                   int steps = scene::sweepSteps)
{
    CurveRecord r;
    r.settings = RunSettings::of(facts(substance).refrIndex, 35, angle, substance, distance);
    for (int k = 0; k < steps; ++k) {
        r.points.push_back({.step = k, .y = SweepStep{k}.y(), .x = SweepStep{k}.detectorX()});
    }
    return r;
}
} // namespace

class TestLessonTools : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keepingRuns();
    void droppingRuns_data();
    void droppingRuns();
    void sketchOnlyWhileSketching();
    void sketchStaysOnTheScene_data();
    void sketchStaysOnTheScene();
    void sketchIsDrawnDashed();
};

// Each kept run is heard of once; what cannot be kept changes nothing and says why.
void TestLessonTools::keepingRuns()
{
    RunComparison comparison;
    int heard = 0;
    comparison.subscribe([&] { ++heard; });
    using K = RunComparison::Keeping;
    const auto water = record(Substance::Water, AngleCase::Angle35, DetectorDistance::Middle);
    QCOMPARE(comparison.keep(water), K::Kept);
    QCOMPARE(comparison.keep(water), K::AlreadyKept);
    QCOMPARE(comparison.keep(
                 record(Substance::Glass, AngleCase::Angle35, DetectorDistance::Middle, 200)),
             K::NotWhole);
    QCOMPARE(heard, 1);
    QCOMPARE(
        comparison.keep(record(Substance::Glass, AngleCase::Angle35, DetectorDistance::Middle)),
        K::Kept);
    QCOMPARE(
        comparison.keep(record(Substance::Glass, AngleCase::Angle60, DetectorDistance::Middle)),
        K::Kept);
    QCOMPARE(comparison.keep(record(Substance::Glass, AngleCase::Critical, DetectorDistance::Near)),
             K::Kept);
    QVERIFY(comparison.full());
    QCOMPARE(comparison.keep(record(Substance::Water, AngleCase::Angle60, DetectorDistance::Far)),
             K::Full);
    QCOMPARE(comparison.runs().size(), std::size_t(4));
    QCOMPARE(heard, 4);
    comparison.setScale(ChartScale::Logarithmic);
    comparison.setScale(ChartScale::Logarithmic);
    QCOMPARE(heard, 5);
    QCOMPARE(comparison.chart().scale(), ChartScale::Logarithmic);
}

void TestLessonTools::droppingRuns_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<QList<int>>("left"); // the angle cases left, in order
    QTest::addColumn<int>("heard");
    QTest::newRow("first") << 0 << QList<int>{1, 2} << 1;
    QTest::newRow("last") << 2 << QList<int>{0, 1} << 1;
    QTest::newRow("none there") << 3 << QList<int>{0, 1, 2} << 0;
    QTest::newRow("negative") << -1 << QList<int>{0, 1, 2} << 0;
}

void TestLessonTools::droppingRuns()
{
    QFETCH(int, place);
    QFETCH(QList<int>, left);
    QFETCH(int, heard);
    const AngleCase angles[] = {AngleCase::Angle35, AngleCase::Angle60, AngleCase::Critical};
    RunComparison comparison;
    for (const AngleCase a : angles) {
        comparison.keep(record(Substance::Water, a, DetectorDistance::Near));
    }
    int count = 0;
    comparison.subscribe([&] { ++count; });
    comparison.drop(place);
    QCOMPARE(count, heard);
    QCOMPARE(int(comparison.runs().size()), int(left.size()));
    for (int k = 0; k < int(left.size()); ++k) {
        QCOMPARE(comparison.runs()[k].settings().angleCase, angles[left[k]]);
    }
}

void TestLessonTools::sketchOnlyWhileSketching()
{
    PredictionSketch prediction;
    int heard = 0;
    prediction.subscribe([&] { ++heard; });
    prediction.beginStroke({6000, 3000});
    prediction.extendStroke({6100, 3100});
    QVERIFY(prediction.empty());
    QCOMPARE(heard, 0);

    prediction.setSketching(true);
    prediction.beginStroke({6000, 3000});
    prediction.extendStroke({6100, 3100});
    prediction.extendStroke({6100, 3100}); // the pointer did not move
    prediction.beginStroke({7000, 6000});
    QCOMPARE(prediction.strokes().size(), std::size_t(2));
    QCOMPARE(prediction.strokes()[0].size(), std::size_t(2));
    QCOMPARE(heard, 4);
    prediction.setSketching(false);
    prediction.extendStroke({7100, 6100});
    QCOMPARE(prediction.strokes()[1].size(), std::size_t(1));
    prediction.clear();
    QVERIFY(prediction.empty());
    QCOMPARE(heard, 6);
}

void TestLessonTools::sketchStaysOnTheScene_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("keptX");
    QTest::addColumn<double>("keptY");
    QTest::newRow("on the scene") << 5000.0 << 4000.0 << 5000.0 << 4000.0;
    QTest::newRow("on the control panel") << 1000.0 << 4000.0 << layout::sceneBounds.leftX << 4000.0;
    QTest::newRow("in the title row") << 5000.0 << 100.0 << 5000.0 << layout::sceneBounds.topY;
    QTest::newRow("below the lines") << 5000.0 << 9000.0 << 5000.0 << scene::sweepBottomY;
    QTest::newRow("right of the window") << 20000.0 << 4000.0 << scene::plotRightX << 4000.0;
}

void TestLessonTools::sketchStaysOnTheScene()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, keptX);
    QFETCH(double, keptY);
    PredictionSketch prediction;
    prediction.setSketching(true);
    prediction.beginStroke({x, y});
    QCOMPARE(prediction.strokes()[0][0].x, keptX);
    QCOMPARE(prediction.strokes()[0][0].y, keptY);
}

// The sketch is drawn in its own colour and width, dashed: less is drawn than the stroke is long,
// and a run's later drawing width is not changed by it.
void TestLessonTools::sketchIsDrawnDashed()
{
    PredictionSketch prediction;
    prediction.setSketching(true);
    prediction.beginStroke({4000, 4000});
    for (int k = 1; k <= 100; ++k) {
        prediction.extendStroke({4000.0 + 20 * k, 4000.0 - 10 * (k % 3)});
    }
    DrawingList drawing;
    prediction.draw(drawing);
    QVERIFY(!drawing.empty());
    double drawn = 0;
    for (const DrawCommand& c : drawing.commands()) {
        QCOMPARE(c.colour, PredictionSketch::colour);
        QCOMPARE(int(c.width), PredictionSketch::drawWidth);
        drawn += std::hypot(c.x2 - c.x1, c.y2 - c.y1);
    }
    double length = 0;
    const auto& stroke = prediction.strokes().front();
    for (std::size_t k = 1; k < stroke.size(); ++k) {
        length += std::hypot(stroke[k].x - stroke[k - 1].x, stroke[k].y - stroke[k - 1].y);
    }
    // 120 of every 200 twips, give or take the last dash.
    QVERIFY2(std::abs(drawn - 0.6 * length) <= 120, qPrintable(QString::number(drawn)));
    QCOMPARE(drawing.drawWidth(), 1);
}

QTEST_APPLESS_MAIN(TestLessonTools)
#include "test_lesson_tools.moc"
