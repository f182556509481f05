// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fast chain sums against the plain loop, on every vector path this processor has, and the
// sweep's sums shared out over threads against summing step by step.

#include "ChainSums.h"
#include "Curves.h"
#include "RunParameters.h"
#include "RunSettings.h"
#include "ScalarSums.h"
#include "SettingsOfKeys.h"
#include "SweepSums.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(SimdPath)

namespace {
// Bars of the fast sums may differ from the plain loop's by no more than this, in twips.
constexpr double barTolerance = 1e-6;

struct Run
{
    RunSettings settings;
    RunParameters parameters;
    SumInputs inputs;
};

Run makeRun(double n, double alpha, const char* angleCase, const char* substance,
            const char* distanceKey, double distance)
{
    Run r;
    r.settings = settingsOfKeys(n, alpha, angleCase, substance, distanceKey, distance);
    r.parameters =
        chooseRunParameters(r.settings.angleCase, r.settings.substance, r.settings.distance);
    r.inputs = SumInputs::from(r.settings, r.parameters);
    return r;
}

void addSettingsColumns()
{
    QTest::addColumn<double>("refrIndex");
    QTest::addColumn<double>("alpha");
    QTest::addColumn<QString>("angleCase");
    QTest::addColumn<QString>("substance");
    QTest::addColumn<QString>("distanceKey");
}

void addSettingsRows(const char* suffix, SimdPath path, bool withPath)
{
    struct Row
    {
        const char* name;
        double n;
        double alpha;
        const char* angleCase;
        const char* substance;
        const char* distance;
    };
    const Row rows[] = {
        {"35 water 750", 1.33, 35, "35", "Voda", "750"},
        {"35 glass 1500", 1.5, 35, "35", "Sklo", "1500"},
        {"60 water 100", 1.33, 60, "60", "Voda", "100"},
        {"critical glass 100", 1.5, 41.839, "Mezní", "Sklo", "100"},
        {"critical water 750", 1.33, 48.783, "Mezní", "Voda", "750"},
        {"negative angle", 1.33, -35, "35", "Voda", "750"},
        // The largest numbers the window lets through: phases of some 1e10 radians.
        {"huge index", 1e6, 35, "35", "Sklo", "100"},
        {"huge angle", 1.5, -1e6, "60", "Sklo", "100"},
    };
    for (const Row& r : rows) {
        auto& row = QTest::addRow("%s%s", r.name, suffix)
                    << r.n << r.alpha << QString::fromUtf8(r.angleCase)
                    << QString::fromUtf8(r.substance) << QString::fromUtf8(r.distance);
        if (withPath) {
            row << path;
        }
    }
}

Run fetchRun()
{
    QFETCH(double, refrIndex);
    QFETCH(double, alpha);
    QFETCH(QString, angleCase);
    QFETCH(QString, substance);
    QFETCH(QString, distanceKey);
    return makeRun(refrIndex, alpha, angleCase.toUtf8().constData(), substance.toUtf8().constData(),
                   distanceKey.toUtf8().constData(), distanceKey.toDouble());
}
} // namespace

class TestChainSums : public QObject
{
    Q_OBJECT

private slots:
    void barsMatchPlainLoop_data();
    void barsMatchPlainLoop();
    void arrowsOfDrawnChains_data();
    void arrowsOfDrawnChains();
    void threadsGiveTheSameSums_data();
    void threadsGiveTheSameSums();
    void detectorLSilentHighUp();
};

void TestChainSums::barsMatchPlainLoop_data()
{
    addSettingsColumns();
    QTest::addColumn<SimdPath>("path");
    for (const auto path : allSimdPaths) {
        const QByteArray suffix = QByteArray(", ") + simdPathName(path).data();
        addSettingsRows(suffix.constData(), path, true);
    }
}

void TestChainSums::barsMatchPlainLoop()
{
    QFETCH(SimdPath, path);
    // In the test function itself: QSKIP only returns from the function it is written in.
    if (!simdPathSupported(path)) {
        QSKIP("this build or processor lacks this vector path");
    }
    const Run run = fetchRun();
    const ChainSums sums(run.inputs, path);
    const RunParameters& p = run.parameters;

    for (int k = 0; k < scene::sweepSteps; ++k) {
        const StepResultants fast = sums.resultants(SweepStep{k});
        const StepResultants plain = scalarStepSums(run.inputs, SweepStep{k});
        const double diffs[] = {
            probability(p.scaleV, fast.v) - probability(p.scaleV, plain.v),
            probability(p.scaleH, fast.h) - probability(p.scaleH, plain.h),
            probability(p.scaleL, fast.l) - probability(p.scaleL, plain.l),
            // Unscaled too, so a zero scale cannot hide a wrong chain.
            std::norm(fast.h) - std::norm(plain.h),
        };
        for (const double diff : diffs) {
            QVERIFY2(std::abs(diff) <= barTolerance,
                     qPrintable(QStringLiteral("step %1 differs by %2").arg(k).arg(diff)));
        }
    }
}

void TestChainSums::arrowsOfDrawnChains_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("lengthL");
    QTest::newRow("first step, L silent") << 0 << 0.0;
    QTest::newRow("probe in the air") << 100 << 6.0;
    QTest::newRow("probe on the surface") << 300 << 6.0;
    QTest::newRow("probe in the substance") << 400 << 6.0;
}

void TestChainSums::arrowsOfDrawnChains()
{
    QFETCH(int, step);
    QFETCH(double, lengthL);
    const Run run = makeRun(1.33, 35, "35", "Voda", "750", 750);
    const ChainSums sums(run.inputs);
    StepArrows arrows;
    const StepResultants r = sums.resultants(SweepStep{step}, arrows);
    QCOMPARE(r, sums.resultants(SweepStep{step}));

    // Each arrow is as long as its detector's arrows and points along the phase of its path:
    // 3 rad per twip of the incoming path in water plus the path on to detector V.
    const double y = SweepStep{step}.y();
    const double s = std::sin(35 * 3.14 / 180);
    for (const int i : {0, 1, 500, 1000}) {
        double g = std::hypot(3100 + i - 7300, y - 5000);
        if (y > 5000) {
            g *= 1.33;
        }
        const double phase = 3 * (1.33 * i * s + g);
        const Arrow expected = std::polar(3.0, phase);
        QVERIFY2(std::abs(arrows.v[i] - expected) < 1e-9, qPrintable(QString::number(i)));
        QVERIFY(std::abs(std::abs(arrows.l[i]) - lengthL) < 1e-12);
    }
    // Laid head to tail the arrows reach the resultant.
    Arrow v;
    Arrow l;
    for (int i = 0; i < chainArrows; ++i) {
        v += arrows.v[i];
        l += arrows.l[i];
    }
    QVERIFY(std::abs(v - r.v) < 1e-9);
    QVERIFY(std::abs(l - r.l) < 1e-9);
}

void TestChainSums::threadsGiveTheSameSums_data()
{
    QTest::addColumn<unsigned>("workers");
    QTest::newRow("one worker") << 1U;
    QTest::newRow("two workers") << 2U;
    QTest::newRow("three workers, uneven blocks") << 3U;
    QTest::newRow("one per core") << 0U;
}

void TestChainSums::threadsGiveTheSameSums()
{
    QFETCH(unsigned, workers);
    const Run run = makeRun(1.5, 35, "35", "Sklo", "100", 100);
    const ChainSums sums(run.inputs);
    const std::vector<StepResultants> all = sumSweep(sums, workers);
    QCOMPARE(int(all.size()), scene::sweepSteps);
    for (int k = 0; k < scene::sweepSteps; ++k) {
        QVERIFY2(all[k] == sums.resultants(SweepStep{k}), qPrintable(QString::number(k)));
    }
}

void TestChainSums::detectorLSilentHighUp()
{
    const Run run = makeRun(1.33, 35, "35", "Voda", "750", 750);
    const ChainSums sums(run.inputs);
    for (int k = 0; k < scene::sweepSteps; ++k) {
        const SweepStep step{k};
        const bool silent = step.y() < 1000;
        QCOMPARE(sums.resultants(step).l == Arrow{}, silent);
    }
}

QTEST_APPLESS_MAIN(TestChainSums)
#include "test_chain_sums.moc"
