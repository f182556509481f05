// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs compared on one scale: a kept run's squared resultants per unit arrow, the comparison
// table against the runs' own CSV files, and the chart's one scale, linear and logarithmic.

#include "ComparisonChart.h"
#include "ComparisonCsv.h"
#include "CurvesCsv.h"
#include "DrawingList.h"
#include "ExperimentRun.h"
#include "KeptRun.h"

#include <QTest>

#include <cmath>

namespace {
CurveRecord wholeRun(Substance substance, AngleCase angle, DetectorDistance distance)
{
    DrawingList picture;
    const double index = facts(substance).refrIndex;
    const double alpha = angle == AngleCase::Angle35   ? 35
                         : angle == AngleCase::Angle60 ? 60
                                                       : facts(substance).criticalAngle;
    return runWhole(picture, RunSettings::of(index, alpha, angle, substance, distance));
}

// A record of a whole run whose three detectors read the given value at every step.
CurveRecord flatRun(AngleCase angle, double squared)
{
    CurveRecord record;
    record.settings = RunSettings::of(1.33, 35, angle, Substance::Water, DetectorDistance::Middle);
    for (int k = 0; k < scene::sweepSteps; ++k) {
        const SweepStep step{k};
        record.points.push_back({.step = k,
                                 .y = step.y(),
                                 .x = step.detectorX(),
                                 .vSquared = squared,
                                 .hSquared = squared,
                                 .lSquared = squared});
    }
    return record;
}

QList<QStringList> rowsOf(const std::string& csv)
{
    QStringList lines = QString::fromStdString(csv).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    QList<QStringList> rows;
    for (const QString& line : lines) {
        rows << line.split(QLatin1Char(','));
    }
    return rows;
}
} // namespace

class TestComparison : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void onlyWholeRunsAreKept();
    void arrowLengthsOfEachAngle_data();
    void arrowLengthsOfEachAngle();
    void tableIsEachRunsOwnCsvPerUnitArrow();
    void oneScaleForEveryRun_data();
    void oneScaleForEveryRun();
    void curvesStayInTheirPanels();
    void dashesRunOnAcrossSegments();
};

void TestComparison::onlyWholeRunsAreKept()
{
    CurveRecord record = flatRun(AngleCase::Angle35, 1);
    QVERIFY(KeptRun::of(record));
    record.points.pop_back(); // a run stopped before its end
    QVERIFY(!KeptRun::of(record));
    QVERIFY(!KeptRun::of(CurveRecord{}));
}

void TestComparison::arrowLengthsOfEachAngle_data()
{
    QTest::addColumn<AngleCase>("angle");
    QTest::addColumn<double>("vh");
    QTest::addColumn<double>("l");
    // The lengths the runs draw their chains with.
    QTest::newRow("35") << AngleCase::Angle35 << 3.0 << 6.0;
    QTest::newRow("critical") << AngleCase::Critical << 1.0 << 5.0;
    QTest::newRow("60") << AngleCase::Angle60 << 2.0 << 3.0;
}

void TestComparison::arrowLengthsOfEachAngle()
{
    QFETCH(AngleCase, angle);
    QFETCH(double, vh);
    QFETCH(double, l);
    const auto run = KeptRun::of(flatRun(angle, 900));
    QVERIFY(run);
    const CurvePoint& p = run->points().front();
    QCOMPARE(run->perUnitArrow(p, Detector::V), 900 / (vh * vh));
    QCOMPARE(run->perUnitArrow(p, Detector::H), 900 / (vh * vh));
    QCOMPARE(run->perUnitArrow(p, Detector::L), 900 / (l * l));
}

// Water and glass at 35° and 750 twips, kept together: every number of the comparison's table is
// the matching number of the run's own CSV divided by the square of that run's arrow length.
void TestComparison::tableIsEachRunsOwnCsvPerUnitArrow()
{
    const CurveRecord records[] = {
        wholeRun(Substance::Water, AngleCase::Angle35, DetectorDistance::Middle),
        wholeRun(Substance::Glass, AngleCase::Angle35, DetectorDistance::Middle)};
    const std::vector<KeptRun> runs = {*KeptRun::of(records[0]), *KeptRun::of(records[1])};
    const QList<QStringList> table = rowsOf(comparisonCsv(runs));
    QCOMPARE(table.size(), 1 + 2 * scene::sweepSteps);
    const QStringList header = table.front();

    int row = 1;
    for (int r = 0; r < 2; ++r) {
        const QList<QStringList> own = rowsOf(curvesCsv(records[r]));
        const QStringList ownHeader = own.front();
        // At 35° the arrows are 3 long for V and H and 6 for L.
        const double lengthSquared[] = {9, 9, 36};
        for (int k = 1; k < own.size(); ++k, ++row) {
            const QStringList& mine = table[row];
            const QStringList& theirs = own[k];
            const auto theirsAt = [&](const char* name) {
                return theirs[ownHeader.indexOf(QLatin1String(name))];
            };
            const auto mineAt = [&](const char* name) {
                return mine[header.indexOf(QLatin1String(name))];
            };
            QCOMPARE(mineAt("run").toInt(), r + 1);
            for (const char* name : {"substance", "index", "angle_degrees", "distance_twips",
                                     "step", "y_twips", "x_twips"}) {
                QCOMPARE(mineAt(name), theirsAt(name));
            }
            const char* squared[] = {"v_amplitude_squared", "h_amplitude_squared",
                                     "l_amplitude_squared"};
            const char* perUnit[] = {"v_per_unit_arrow", "h_per_unit_arrow", "l_per_unit_arrow"};
            for (int d = 0; d < 3; ++d) {
                const double expected = theirsAt(squared[d]).toDouble() / lengthSquared[d];
                const double actual = mineAt(perUnit[d]).toDouble();
                QVERIFY2(std::abs(actual - expected) <= 1e-12 * std::abs(expected),
                         qPrintable(QStringLiteral("run %1 step %2 %3: %4 against %5")
                                        .arg(r + 1)
                                        .arg(k - 1)
                                        .arg(QLatin1String(perUnit[d]))
                                        .arg(actual)
                                        .arg(expected)));
            }
        }
    }
}

void TestComparison::oneScaleForEveryRun_data()
{
    QTest::addColumn<ChartScale>("scale");
    QTest::newRow("linear") << ChartScale::Linear;
    QTest::newRow("logarithmic") << ChartScale::Logarithmic;
}

// Two runs whose per-unit values differ tenfold: on a logarithmic chart one lies a decade above
// the other at every step, on a linear one at a tenth of its height; the run of the larger value
// reaches into the top step of the scale.
void TestComparison::oneScaleForEveryRun()
{
    QFETCH(ChartScale, scale);
    // 36 at 35° is 4 per unit arrow for V; 40 at the critical setting is 40.
    const std::vector<KeptRun> runs = {*KeptRun::of(flatRun(AngleCase::Angle35, 36)),
                                       *KeptRun::of(flatRun(AngleCase::Critical, 40))};
    const ComparisonChart chart(runs, scale);
    const ComparisonChart::Rect panel = ComparisonChart::panel(Detector::V);
    const double height = panel.bottom - panel.top;
    const ComparisonChart::Span span = chart.values(Detector::V);
    QVERIFY(span.high >= 40);
    for (int k = 0; k < scene::sweepSteps; ++k) {
        const CurvePoint& p0 = runs[0].points()[k];
        const CurvePoint& p1 = runs[1].points()[k];
        const double place = KeptRun::place(p0, Detector::V);
        const double low = chart.at(Detector::V, place, runs[0].perUnitArrow(p0, Detector::V)).y;
        const double high = chart.at(Detector::V, place, runs[1].perUnitArrow(p1, Detector::V)).y;
        if (scale == ChartScale::Logarithmic) {
            QCOMPARE(low - high, height / ComparisonChart::decades);
            QVERIFY(span.high < 400);
        } else {
            QCOMPARE(panel.bottom - low, (panel.bottom - high) / 10);
            QVERIFY(span.high < 80);
        }
    }
    // The ticks' labels stand at their values' heights, the lowest at the axis.
    const auto ticks = chart.valueTicks(Detector::V);
    QVERIFY(ticks.size() >= 3);
    QCOMPARE(ticks.front().label.y, panel.bottom);
    QCOMPARE(ticks.back().value, span.high);
}

// The recorded chart: every run's curve in its own colour, inside its panel; a drawing of two
// runs has exactly their two colours' curves and legend samples.
void TestComparison::curvesStayInTheirPanels()
{
    const CurveRecord water =
        wholeRun(Substance::Water, AngleCase::Critical, DetectorDistance::Near);
    const CurveRecord glass = wholeRun(Substance::Glass, AngleCase::Angle60, DetectorDistance::Far);
    const std::vector<KeptRun> runs = {*KeptRun::of(water), *KeptRun::of(glass)};
    for (const ChartScale scale : {ChartScale::Linear, ChartScale::Logarithmic}) {
        const ComparisonChart chart(runs, scale);
        DrawingList drawing;
        chart.draw(drawing);
        int drawnInRunColour[2] = {};
        for (const DrawCommand& c : drawing.commands()) {
            QVERIFY(c.x1 >= 0 && c.x2 <= ComparisonChart::width);
            QVERIFY(c.y1 >= 0 && c.y2 <= ComparisonChart::height);
            for (int r = 0; r < 2; ++r) {
                if (c.colour == ComparisonChart::style(r).colour && c.width == 2) {
                    ++drawnInRunColour[r];
                    const bool inAPanel = std::any_of(
                        std::begin(allDetectors), std::end(allDetectors), [&](Detector d) {
                            const auto p = ComparisonChart::panel(d);
                            return c.y1 >= p.top - 1e-3 && c.y1 <= p.bottom + 1e-3 &&
                                   c.x1 >= p.left - 1e-3 && c.x1 <= p.right + 1e-3;
                        });
                    const ChartPoint sample = ComparisonChart::legendSample(r);
                    QVERIFY(inAPanel || c.y1 == float(sample.y));
                }
            }
        }
        QVERIFY(drawnInRunColour[0] >= 3 * (scene::sweepSteps - 1));
        QVERIFY(drawnInRunColour[1] > 0);
    }
}

// A dashed polyline of many short segments is dashed as one long line: its drawn pieces add up
// to the pattern's share of the length, and a solid one draws each segment once.
void TestComparison::dashesRunOnAcrossSegments()
{
    std::vector<ChartPoint> zigzag;
    for (int k = 0; k <= 1000; ++k) {
        zigzag.push_back({k * 3.0, (k % 2) * 4.0}); // segments 5 twips long
    }
    const auto drawnLength = [](const DrawingList& d) {
        double sum = 0;
        for (const DrawCommand& c : d.commands()) {
            sum += std::hypot(c.x2 - c.x1, c.y2 - c.y1);
        }
        return sum;
    };
    DrawingList solid;
    drawPolyline(solid, zigzag, DashPattern::solid(), colours::black);
    QCOMPARE(solid.size(), std::size_t(1000));
    QVERIFY(std::abs(drawnLength(solid) - 5000) < 0.01);

    DrawingList dashed;
    drawPolyline(dashed, zigzag, DashPattern::of(160, 60, 30, 60), colours::black);
    // 5000 twips of a 310-twip pattern, 190 of it drawn: 16 whole patterns and 40 of the next.
    QVERIFY(std::abs(drawnLength(dashed) - (16 * 190 + 40)) < 0.05);
}

QTEST_APPLESS_MAIN(TestComparison)
#include "test_comparison.moc"
