// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole run into a recording surface, step by step: the markers, the spirals, the curve bars
// and the worked values of the curves.

#include "DrawCallChecks.h"
#include "ExperimentRun.h"
#include "RecordingSurface.h"
#include "RunSettings.h"
#include "SettingsOfKeys.h"

#include <QTest>

#include <cmath>
#include <vector>

namespace {
constexpr int steps = 467;

struct Recorded
{
    RecordingSurface surface;
    std::vector<std::size_t> stepBegins; // first call of each step (its markers)
    std::vector<std::size_t> stepEnds;
    std::vector<int> drawnSteps; // the step each drawStep() said it drew
};

// Runs step by step and splits the calls by step; stops after stopAfter steps.
Recorded record(const RunSettings& settings, int stopAfter = steps)
{
    Recorded r;
    ExperimentRun run(r.surface, settings);
    while (!run.finished() && int(r.stepEnds.size()) < stopAfter) {
        r.drawnSteps.push_back(run.drawStep().index);
        r.stepEnds.push_back(r.surface.calls.size());
    }
    for (std::size_t k = 0; k < r.stepEnds.size(); ++k) {
        // Each step ends with DrawWidth and three bars; it begins with three circles.
        std::size_t begin = k == 0 ? 0 : r.stepEnds[k - 1];
        if (k == 0) {
            while (r.surface.calls[begin].kind != DrawCall::Kind::Circle) {
                ++begin;
            }
        }
        r.stepBegins.push_back(begin);
    }
    return r;
}

RunSettings startUpSettings()
{
    return settingsOfKeys(1.33, 35, "35", "Voda", "750", 750);
}

int sweepY(int k)
{
    return 500 + 15 * k;
}

bool drawsV(int k)
{
    return sweepY(k) % 100 == 0;
}

bool drawsL(int k)
{
    return sweepY(k) % 250 == 0;
}

// The bars of a step: its last three calls.
const DrawCall& bar(const Recorded& r, int k, int detector)
{
    return r.surface.calls[r.stepEnds[k] - 3 + detector];
}
enum
{
    V,
    H,
    L
};
} // namespace

class TestExperimentRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stepShape();
    void markers_data();
    void markers();
    void spirals();
    void bars_data();
    void bars();
    void workedValues_data();
    void workedValues();
    void flatCurveAt60();
    void sameRunSamePicture();
    void aStoppedRunIsTheStartOfTheWhole_data();
    void aStoppedRunIsTheStartOfTheWhole();

private:
    Recorded m_startUp;
};

void TestExperimentRun::initTestCase()
{
    m_startUp = record(startUpSettings());
    QCOMPARE(int(m_startUp.stepEnds.size()), steps);
}

void TestExperimentRun::stepShape()
{
    const auto& calls = m_startUp.surface.calls;
    QCOMPARE(m_startUp.stepEnds.back(), calls.size());
    for (int k = 0; k < steps; ++k) {
        const std::size_t begin = m_startUp.stepBegins[k];
        const std::size_t spiralSegments = 1001 * ((drawsV(k) ? 1 : 0) + (drawsL(k) ? 1 : 0));
        QCOMPARE(m_startUp.stepEnds[k] - begin, 3 + spiralSegments + 4);
        for (int c = 0; c < 3; ++c) {
            QVERIFY(calls[begin + c].kind == DrawCall::Kind::Circle);
        }
        const DrawCall& width = calls[m_startUp.stepEnds[k] - 4];
        VERIFY_CALL(isDrawWidth(width, 1), width);
    }
    // Before the sweep: the scene, then the light paths, which leave the width at 1.
    const DrawCall& beforeSweep = calls[m_startUp.stepBegins[0] - 1];
    VERIFY_CALL(isDrawWidth(beforeSweep, 1), beforeSweep);
    VERIFY_CALL(isLine(calls.front(), 1, 2, 12000, 1, colours::sceneGrey, 0), calls.front());
}

void TestExperimentRun::markers_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("probeY");
    QTest::addColumn<double>("lineX");
    QTest::addColumn<double>("hY");
    QTest::newRow("first step, distance 750") << 750.0 << 0 << 500.0 << 2860.0 << 4250.0;
    QTest::newRow("last step, distance 750") << 750.0 << 466 << 7490.0 << 7892.8 << 4250.0;
    QTest::newRow("surface step, distance 100") << 100.0 << 300 << 5000.0 << 6100.0 << 4900.0;
    QTest::newRow("first step, distance 1500") << 1500.0 << 0 << 500.0 << 2860.0 << 3500.0;
}

void TestExperimentRun::markers()
{
    QFETCH(double, distance);
    QFETCH(int, step);
    QFETCH(double, probeY);
    QFETCH(double, lineX);
    QFETCH(double, hY);
    RunSettings settings = startUpSettings();
    settings.detectorDistance = distance;
    const Recorded r = record(settings);
    const auto& calls = r.surface.calls;
    const std::size_t begin = r.stepBegins[step];
    VERIFY_CALL(isCircle(calls[begin], 7300, probeY, 10), calls[begin]);
    VERIFY_CALL(isCircle(calls[begin + 1], lineX, 6500, 10), calls[begin + 1]);
    VERIFY_CALL(isCircle(calls[begin + 2], lineX, hY, 10), calls[begin + 2]);
}

void TestExperimentRun::spirals()
{
    const auto& calls = m_startUp.surface.calls;
    std::vector<int> yV;
    std::vector<int> yL;
    for (int k = 0; k < steps; ++k) {
        const bool v = drawsV(k);
        const bool l = drawsL(k);
        if (v) {
            yV.push_back(sweepY(k));
        }
        if (l) {
            yL.push_back(sweepY(k));
        }
        // Segments alternate V, L when both are drawn; each chain runs on head to tail.
        const int stride = (v ? 1 : 0) + (l ? 1 : 0);
        const std::size_t first = m_startUp.stepBegins[k] + 3;
        for (int chain = 0; chain < stride; ++chain) {
            const bool isV = v && chain == 0;
            double x = isV ? 9800 : 3000 + 10 * k;
            double y = isV ? sweepY(k) : 7000;
            const double length = isV ? 3 : (sweepY(k) < 1000 ? 0 : 6);
            for (int i = 0; i < 1001; ++i) {
                const DrawCall& c = calls[first + i * stride + chain];
                QVERIFY2(
                    c.kind == DrawCall::Kind::Line && !c.colour && c.drawWidth == 1 &&
                        near(c.x1, x, 0.02) && near(c.y1, y, 0.02) &&
                        near(std::hypot(c.x2 - c.x1, c.y2 - c.y1), length, 0.01),
                    qPrintable(QStringLiteral("step %1 segment %2: ").arg(k).arg(i) + describe(c)));
                x = c.x2;
                y = c.y2;
            }
        }
    }
    QCOMPARE(int(yV.size()), 24);
    QCOMPARE(int(yL.size()), 10);
    for (int s = 0; s < 24; ++s) {
        QCOMPARE(yV[s], 500 + 300 * s);
    }
    for (int s = 0; s < 10; ++s) {
        QCOMPARE(yL[s], 500 + 750 * s);
    }
}

void TestExperimentRun::bars_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("hY");
    QTest::newRow("distance 100") << 100.0 << 4900.0;
    QTest::newRow("distance 750") << 750.0 << 4250.0;
    QTest::newRow("distance 1500") << 1500.0 << 3500.0;
}

void TestExperimentRun::bars()
{
    QFETCH(double, distance);
    QFETCH(double, hY);
    RunSettings settings = startUpSettings();
    settings.distance = *detectorDistanceFromKey(QByteArray::number(distance).toStdString());
    settings.detectorDistance = distance;
    const Recorded r = record(settings);

    int lines = 0;
    for (int k = 0; k < steps; ++k) {
        const DrawCall& v = bar(r, k, V);
        const DrawCall& h = bar(r, k, H);
        const DrawCall& l = bar(r, k, L);
        const double x = 3000 + 10 * k;
        VERIFY_CALL(v.x1 == 7300 && v.y1 == sweepY(k) && v.y2 == v.y1 && v.x2 >= v.x1, v);
        VERIFY_CALL(h.x1 == x && h.y1 == hY && h.x2 == x && h.y2 <= h.y1, h);
        VERIFY_CALL(l.x1 == x && l.y1 == 6500 && l.x2 == x && l.y2 <= l.y1, l);
        for (const DrawCall* c : {&v, &h, &l}) {
            VERIFY_CALL(c->kind == DrawCall::Kind::Line && !c->colour && c->drawWidth == 1, *c);
            ++lines;
        }
        // Detector L sees nothing for the first 34 steps.
        QCOMPARE(l.y2 == l.y1, sweepY(k) < 1000);
    }
    QCOMPARE(lines, steps * 3);
}

void TestExperimentRun::workedValues_data()
{
    QTest::addColumn<double>("refrIndex");
    QTest::addColumn<double>("alpha");
    QTest::addColumn<QString>("angleCase");
    QTest::addColumn<int>("detector");
    QTest::addColumn<double>("longest");
    QTest::addColumn<double>("at"); // y for V, x for H and L

    QTest::newRow("start-up, V") << 1.33 << 35.0 << "35" << int(V) << 1694.7 << 1565.0;
    QTest::newRow("start-up, H") << 1.33 << 35.0 << "35" << int(H) << 1451.2 << 4050.0;
    QTest::newRow("start-up, L") << 1.33 << 35.0 << "35" << int(L) << 832.3 << 5090.0;
    QTest::newRow("60 water, V") << 1.33 << 60.0 << "60" << int(V) << 2180.2 << 7340.0;
    QTest::newRow("critical water, V")
        << 1.33 << 48.783 << QStringLiteral("Mezní") << int(V) << 1496.9 << 5000.0;
}

void TestExperimentRun::workedValues()
{
    QFETCH(double, refrIndex);
    QFETCH(double, alpha);
    QFETCH(QString, angleCase);
    QFETCH(int, detector);
    QFETCH(double, longest);
    QFETCH(double, at);

    RunSettings settings = startUpSettings();
    settings.refrIndex = refrIndex;
    settings.alpha = alpha;
    settings.angleCase = *angleCaseFromKey(angleCase.toStdString());
    const Recorded r = record(settings);

    double best = -1;
    double bestAt = 0;
    for (int k = 0; k < steps; ++k) {
        const DrawCall& c = bar(r, k, detector);
        const double length = std::hypot(c.x2 - c.x1, c.y2 - c.y1);
        if (length > best) {
            best = length;
            bestAt = detector == V ? c.y1 : c.x1;
        }
    }
    QCOMPARE(std::round(best * 10) / 10, longest);
    QCOMPARE(bestAt, at);
}

void TestExperimentRun::flatCurveAt60()
{
    RunSettings settings = startUpSettings();
    settings.alpha = 60;
    settings.angleCase = AngleCase::Angle60;
    const Recorded r = record(settings);
    for (int k = 0; k < steps; ++k) {
        const DrawCall& h = bar(r, k, H);
        VERIFY_CALL(h.y2 == h.y1, h);
    }
}

void TestExperimentRun::sameRunSamePicture()
{
    const Recorded again = record(startUpSettings());
    const auto& a = m_startUp.surface.calls;
    const auto& b = again.surface.calls;
    QCOMPARE(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        QVERIFY2(a[i].kind == b[i].kind && a[i].x1 == b[i].x1 && a[i].y1 == b[i].y1 &&
                     a[i].x2 == b[i].x2 && a[i].y2 == b[i].y2 && a[i].colour == b[i].colour &&
                     a[i].drawWidth == b[i].drawWidth,
                 qPrintable(describe(a[i]) + QStringLiteral(" / ") + describe(b[i])));
    }
}

void TestExperimentRun::aStoppedRunIsTheStartOfTheWhole_data()
{
    QTest::addColumn<int>("stopAfter");
    QTest::newRow("after the first step") << 1;
    QTest::newRow("halfway") << 200;
    QTest::newRow("after the last step") << steps;
}

void TestExperimentRun::aStoppedRunIsTheStartOfTheWhole()
{
    QFETCH(int, stopAfter);
    const Recorded r = record(startUpSettings(), stopAfter);
    QCOMPARE(int(r.drawnSteps.size()), stopAfter);
    for (int k = 0; k < stopAfter; ++k) {
        QCOMPARE(r.drawnSteps[k], k); // each call says which step it drew
    }
    // What was drawn is the start of the full run's drawing, call for call.
    const auto& full = m_startUp.surface.calls;
    QCOMPARE(r.surface.calls.size(), m_startUp.stepEnds[std::size_t(stopAfter) - 1]);
    for (std::size_t i = 0; i < r.surface.calls.size(); i += 97) {
        QCOMPARE(describe(r.surface.calls[i]), describe(full[i]));
    }
}

QTEST_APPLESS_MAIN(TestExperimentRun)
#include "test_experiment_run.moc"
