// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A run's drawing stays on the scene: the design's settings draw exactly what they drew before,
// and the most extreme accepted settings leave the control panel, the title row and the scroll
// bar untouched.

#include "ChainSums.h"
#include "Curves.h"
#include "ExperimentRun.h"
#include "LightPaths.h"
#include "RecordingSurface.h"
#include "RunParameters.h"
#include "RunSettings.h"
#include "Scene.h"
#include "SceneClip.h"
#include "SettingsOfKeys.h"
#include "SweepDrawing.h"
#include "SweepSums.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <string>

Q_DECLARE_METATYPE(RunSettings)

namespace {
RunSettings settingsOf(double index, double alpha, const char* angleKey, const char* substance,
                       int distance)
{
    return settingsOfKeys(index, alpha, angleKey, substance, std::to_string(distance), distance);
}

// The run stage by stage straight onto the recorder, with nothing between them.
RecordingSurface unclipped(const RunSettings& settings)
{
    RecordingSurface surface;
    const double d = settings.detectorDistance;
    drawScene(surface, d);
    const RunParameters parameters =
        chooseRunParameters(settings.angleCase, settings.substance, settings.distance);
    drawLightPaths(surface, settings);
    const ChainSums sums(SumInputs::from(settings, parameters));
    const std::vector<StepResultants> resultants = sumSweep(sums);
    StepArrows arrows;
    for (int k = 0; k < scene::sweepSteps; ++k) {
        const SweepStep step{k};
        drawMarkers(surface, step, d);
        if (step.drawsChainV() || step.drawsChainL()) {
            sums.resultants(step, arrows);
            drawSpirals(surface, step, arrows);
        }
        drawCurveBars(surface, curvePoint(parameters, step, resultants[k]), d);
    }
    return surface;
}

// The window's scene: right of the control panel (2640 twips), below the title row (480), and
// off the scroll bar at 4080 ... 6495 across, down to 735.
constexpr SceneBounds window{2640, 480, 4080, 6495, 735};

RecordingSurface ofRun(const RunSettings& settings)
{
    RecordingSurface surface;
    SceneClip clip(surface, window);
    runWhole(clip, settings);
    return surface;
}

bool same(const DrawCall& a, const DrawCall& b)
{
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.colour == b.colour && a.width == b.width && a.drawWidth == b.drawWidth;
}

// Where a call lands off the scene, if it does: half its width beside its middle counts.
QString offScene(const DrawCall& c)
{
    if (c.kind == DrawCall::Kind::DrawWidth || c.colour == colours::sceneGrey) {
        return {};
    }
    // A line's flat ends reach no further than its middle; its sides reach half its width.
    const bool circle = c.kind == DrawCall::Kind::Circle;
    const double half = c.drawWidth * 7.5;
    const double length = std::hypot(c.x2 - c.x1, c.y2 - c.y1);
    const double reachX = circle ? half + std::abs(c.x2) : half * std::abs(c.y2 - c.y1) / length;
    const double reachY = circle ? half + std::abs(c.x2) : half * std::abs(c.x2 - c.x1) / length;
    const double left = (circle ? c.x1 : std::min(c.x1, c.x2)) - reachX;
    const double top = (circle ? c.y1 : std::min(c.y1, c.y2)) - reachY;
    const QString where = QStringLiteral("(%1, %2)-(%3, %4) width %5")
                              .arg(c.x1)
                              .arg(c.y1)
                              .arg(c.x2)
                              .arg(c.y2)
                              .arg(c.drawWidth);
    if (length == 0 && !circle) {
        return {}; // a line of no length draws nothing
    }
    if (left < 2640 - 1e-3) {
        return QStringLiteral("on the control panel: ") + where;
    }
    if (top < 480 - 1e-3) {
        return QStringLiteral("on the title row: ") + where;
    }
    // The scroll bar's box, 4080 to 6495 by 480 to 735: sampled along the line.
    const int samples = 2000;
    for (int i = 0; i <= samples; ++i) {
        const double t = double(i) / samples;
        const double x = c.kind == DrawCall::Kind::Circle ? c.x1 : c.x1 + t * (c.x2 - c.x1);
        const double y = c.kind == DrawCall::Kind::Circle ? c.y1 : c.y1 + t * (c.y2 - c.y1);
        if (x > 4080 - reachX + 1e-3 && x < 6495 + reachX - 1e-3 && y < 735 + reachY - 1e-3) {
            return QStringLiteral("on the scroll bar: ") + where;
        }
        if (c.kind == DrawCall::Kind::Circle) {
            break;
        }
    }
    return {};
}

int countOffScene(const RecordingSurface& surface, QString& first)
{
    int count = 0;
    for (const DrawCall& c : surface.calls) {
        const QString where = offScene(c);
        if (!where.isEmpty()) {
            if (count == 0) {
                first = where;
            }
            ++count;
        }
    }
    return count;
}
} // namespace

class TestSceneClip : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void designPicturesAreUntouched_data();
    void designPicturesAreUntouched();
    void extremeSettingsStayOnTheScene_data();
    void extremeSettingsStayOnTheScene();
    void linesAreCutAtTheSceneEdges_data();
    void linesAreCutAtTheSceneEdges();
    void circlesAreKeptOnlyWhole();
};

void TestSceneClip::designPicturesAreUntouched_data()
{
    QTest::addColumn<RunSettings>("settings");
    for (const auto& [substance, index, critical] :
         {std::tuple("Voda", 1.33, 48.783), std::tuple("Sklo", 1.5, 41.839)}) {
        for (const auto& [key, alpha] :
             {std::pair("35", 35.0), std::pair("60", 60.0), std::pair("Mezní", critical)}) {
            for (const int distance : {100, 750, 1500}) {
                QTest::addRow("%s %s %d", substance, key, distance)
                    << settingsOf(index, alpha, key, substance, distance);
            }
        }
    }
}

void TestSceneClip::designPicturesAreUntouched()
{
    QFETCH(RunSettings, settings);
    const RecordingSurface before = unclipped(settings);
    const RecordingSurface now = ofRun(settings);
    QCOMPARE(now.calls.size(), before.calls.size());
    for (std::size_t i = 0; i < now.calls.size(); ++i) {
        QVERIFY2(same(now.calls[i], before.calls[i]), qPrintable(QString::number(i)));
    }
}

void TestSceneClip::extremeSettingsStayOnTheScene_data()
{
    QTest::addColumn<RunSettings>("settings");
    QTest::addColumn<bool>("crossesUnclipped"); // whether the stages alone draw off the scene
    // The example that drew a black slab around the title and the scroll bar.
    QTest::newRow("water, 35, index 1, angle 89.99")
        << settingsOf(1, 89.99, "35", "Voda", 750) << true;
    // Each corner of the accepted ranges in every angle case; substance and distance take
    // turns, as they move the lines little.
    int turn = 0;
    for (const char* key : {"35", "Mezní", "60"}) {
        for (const double index : {0.5, 1.0, 1e6}) {
            for (const double alpha : {0.0, 89.99, 90.0}) {
                const bool water = turn++ % 2 == 0;
                QTest::addRow("%s index %g angle %g %s", key, index, alpha,
                              water ? "water 100" : "glass 1500")
                    << settingsOf(index, alpha, key, water ? "Voda" : "Sklo", water ? 100 : 1500)
                    << false;
            }
        }
    }
}

void TestSceneClip::extremeSettingsStayOnTheScene()
{
    QFETCH(RunSettings, settings);
    QFETCH(bool, crossesUnclipped);
    QString first;
    if (crossesUnclipped) {
        QVERIFY(countOffScene(unclipped(settings), first) > 0);
    }
    const int off = countOffScene(ofRun(settings), first);
    QVERIFY2(off == 0, qPrintable(QStringLiteral("%1 calls, first %2").arg(off).arg(first)));
}

void TestSceneClip::linesAreCutAtTheSceneEdges_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<float>>("line");  // x1, y1, x2, y2 given
    QTest::addColumn<QList<float>>("drawn"); // the pieces that reach the surface, 4 a piece
    QTest::newRow("inside: as given")
        << 1 << QList<float>{3000, 1000, 5000, 2000} << QList<float>{3000, 1000, 5000, 2000};
    QTest::newRow("across the panel edge")
        << 1 << QList<float>{1000, 2000, 5000, 2000} << QList<float>{2640, 2000, 5000, 2000};
    QTest::newRow("flat ends: a wide line along the edge's normal is cut at it")
        << 3 << QList<float>{1000, 2000, 5000, 2000} << QList<float>{2640, 2000, 5000, 2000};
    QTest::newRow("a wide line along the edge keeps its side off the panel")
        << 2 << QList<float>{2650, 1000, 2650, 3000} << QList<float>{};
    QTest::newRow("a wide slanted line")
        << 2 << QList<float>{2000, 1000, 4000, 3000} << QList<float>{2650.61, 1650.61, 4000, 3000};
    QTest::newRow("up into the title row")
        << 1 << QList<float>{8000, 3000, 8000, -500} << QList<float>{8000, 3000, 8000, 480};
    QTest::newRow("under the scroll bar, split in two")
        << 1 << QList<float>{3000, 600, 8000, 600}
        << QList<float>{3000, 600, 4080, 600, 6495, 600, 8000, 600};
    QTest::newRow("wholly on the panel")
        << 1 << QList<float>{100, 100, 2000, 8000} << QList<float>{};
    QTest::newRow("not a number") << 1
                                  << QList<float>{3000, std::numeric_limits<float>::quiet_NaN(),
                                                  5000, 2000}
                                  << QList<float>{};
}

void TestSceneClip::linesAreCutAtTheSceneEdges()
{
    QFETCH(int, width);
    QFETCH(QList<float>, line);
    QFETCH(QList<float>, drawn);
    for (const bool coloured : {false, true}) {
        RecordingSurface surface;
        SceneClip clip(surface, window);
        clip.setDrawWidth(width);
        if (coloured) {
            clip.line(line[0], line[1], line[2], line[3], colours::white);
        } else {
            clip.line(line[0], line[1], line[2], line[3]);
        }
        QList<float> got;
        for (const DrawCall& c : surface.calls) {
            if (c.kind == DrawCall::Kind::Line) {
                QCOMPARE(c.colour.has_value(), coloured);
                got << c.x1 << c.y1 << c.x2 << c.y2;
            }
        }
        QCOMPARE(got.size(), drawn.size());
        for (qsizetype i = 0; i < got.size(); ++i) {
            QVERIFY2(std::abs(got[i] - drawn[i]) < 0.01,
                     qPrintable(QStringLiteral("%1: %2, not %3").arg(i).arg(got[i]).arg(drawn[i])));
        }
    }
    // The grey paint-over wipes the whole window, as it always has.
    RecordingSurface surface;
    SceneClip clip(surface, window);
    clip.line(1, 2, 12000, 1, colours::sceneGrey);
    QCOMPARE(surface.calls.size(), std::size_t(1));
    QCOMPARE(surface.calls[0].x1, 1.0f);
    QCOMPARE(surface.calls[0].x2, 12000.0f);
}

void TestSceneClip::circlesAreKeptOnlyWhole()
{
    RecordingSurface surface;
    SceneClip clip(surface, window);
    clip.circle(2860, 4250, 10); // a marker at its first step
    clip.circle(2640, 4250, 10); // half on the panel
    clip.circle(8000, 470, 10);  // on the title row
    clip.circle(5000, 700, 10);  // on the scroll bar
    clip.circle(std::numeric_limits<float>::infinity(), 4250, 10);
    QCOMPARE(surface.calls.size(), std::size_t(1));
    QCOMPARE(surface.calls[0].x1, 2860.0f);
}

QTEST_GUILESS_MAIN(TestSceneClip)
#include "test_scene_clip.moc"
