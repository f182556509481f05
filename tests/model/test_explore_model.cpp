// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explore view's model: its ranges and steps, the substance and its index, who hears of a
// change, what is summed again after one, and the readouts and warnings it gives.

#include "ExploreModel.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

enum class Setter
{
    Alpha,
    Index,
    Waist,
    Step,
    Gap,
    Index2
};

void apply(ExploreModel& m, Setter setter, double value)
{
    switch (setter) {
    case Setter::Alpha:
        m.setAlpha(value);
        break;
    case Setter::Index:
        m.setIndex(value);
        break;
    case Setter::Waist:
        m.setWaist(value);
        break;
    case Setter::Step:
        m.setStep(value);
        break;
    case Setter::Gap:
        m.setGapInDepths(value);
        break;
    case Setter::Index2:
        m.setIndex2(value);
        break;
    }
}

double read(const ExploreModel& m, Setter setter)
{
    switch (setter) {
    case Setter::Alpha:
        return m.settings().alphaDegrees;
    case Setter::Index:
        return m.settings().index;
    case Setter::Waist:
        return m.settings().waistTwips;
    case Setter::Step:
        return m.settings().stepTwips;
    case Setter::Gap:
        return m.gapInDepths();
    case Setter::Index2:
        return m.settings().index2;
    }
    return 0;
}

} // namespace

class TestExploreModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsAsTheCommandLine()
    {
        const ExploreModel m;
        QCOMPARE(m.settings(), ExploreSettings{});
        QCOMPARE(m.substance(), ExploreSubstance::Water);
        QVERIFY(!m.settings().secondBlock);
    }

    void ranges_data()
    {
        QTest::addColumn<int>("setter");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::addColumn<bool>("heard");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("angle to a tenth") << int(Setter::Alpha) << 57.349 << 57.3 << true;
        QTest::newRow("angle at most 89.9") << int(Setter::Alpha) << 95.0 << 89.9 << true;
        QTest::newRow("angle at least 0") << int(Setter::Alpha) << -4.0 << 0.0 << true;
        QTest::newRow("angle not a number") << int(Setter::Alpha) << nan << 50.0 << false;
        QTest::newRow("same angle") << int(Setter::Alpha) << 50.02 << 50.0 << false;
        QTest::newRow("index at least 1") << int(Setter::Index) << 0.5 << 1.0 << true;
        QTest::newRow("index at most 3") << int(Setter::Index) << 4.0 << 3.0 << true;
        QTest::newRow("waist at least 100") << int(Setter::Waist) << 20.0 << 100.0 << true;
        QTest::newRow("waist at most 5000") << int(Setter::Waist) << 9000.0 << 5000.0 << true;
        QTest::newRow("main window's step") << int(Setter::Step) << 1.0 << 1.0 << true;
        QTest::newRow("no other step") << int(Setter::Step) << 0.7 << 0.5 << false;
        QTest::newRow("gap at most 10 d") << int(Setter::Gap) << 12.0 << 10.0 << true;
        QTest::newRow("block's index") << int(Setter::Index2) << 1.7 << 1.7 << true;
    }
    void ranges()
    {
        QFETCH(int, setter);
        QFETCH(double, value);
        QFETCH(double, expected);
        QFETCH(bool, heard);
        ExploreModel m;
        int calls = 0;
        m.addListener([&calls] { ++calls; });
        apply(m, Setter(setter), value);
        QCOMPARE(read(m, Setter(setter)), expected);
        QCOMPARE(calls, heard ? 1 : 0);
    }

    void substanceAndIndex()
    {
        ExploreModel m;
        m.setIndex(1.5);
        QCOMPARE(m.substance(), ExploreSubstance::Glass);
        QCOMPARE(m.settings().index2, 1.5); // the block was the same substance and stays so
        m.setIndex2(2.0);
        m.setIndex(1.7);
        QCOMPARE(m.substance(), ExploreSubstance::Other);
        QCOMPARE(m.settings().index2, 2.0);
        m.setSubstance(ExploreSubstance::Water);
        QCOMPARE(m.settings().index, 1.33);
    }

    // Moving the gap's marker sums nothing again; changing the angle sums the heights again.
    void sumsAgainOnlyWhenNeeded()
    {
        ExploreModel m;
        m.setAlpha(60);
        m.setSecondBlock(true);
        const std::vector<HeightRow>* heights = &m.heights();
        const std::vector<GapRow>* gaps = &m.gaps();
        const std::vector<HeightRow> before = m.heights();
        QCOMPARE_GE(gaps->size(), std::size_t(41));
        m.setGapInDepths(5);
        QCOMPARE(&m.heights(), heights);
        QCOMPARE(&m.gaps(), gaps);
        m.setAlpha(50);
        QCOMPARE_NE(m.heights()[10].z, before[10].z);
        m.setSecondBlock(false);
        QVERIFY(m.gaps().empty());
    }

    void pickedHeightStaysOnTheCurve()
    {
        ExploreModel m; // water 50°: d = 1.71, heights to 10.3 twips
        m.setPickedHeight(100);
        const double top = m.heights().back().z;
        QCOMPARE(m.pickedHeight(), top);
        m.setAlpha(60); // d = 0.583: the heights end at 3.5 twips
        QCOMPARE_LE(m.pickedHeight(), m.heights().back().z);
        QCOMPARE(m.chain().size(), litSurface(m.settings()).size() + 1);
    }

    void readouts_data()
    {
        QTest::addColumn<double>("alpha");
        QTest::addColumn<bool>("total");
        QTest::newRow("below the critical angle") << 40.0 << false;
        QTest::newRow("beyond it") << 60.0 << true;
    }
    void readouts()
    {
        QFETCH(double, alpha);
        QFETCH(bool, total);
        ExploreModel m;
        m.setAlpha(alpha);
        const ExploreReadouts r = m.readouts();
        QCOMPARE_LE(std::abs(*r.criticalAngle - 48.75), 0.01);
        QCOMPARE_LE(std::abs(r.brewsterAngle - 36.94), 0.01);
        QCOMPARE(bool(r.depthTwips), total);
        QCOMPARE(r.reflectanceS + r.transmittanceS, 100.0);
        QCOMPARE(r.transmittanceP == 0, total);
        if (total) {
            QCOMPARE_LE(std::abs(*r.depthTwips - 0.583), 0.001);
        }
    }

    void warnings_data()
    {
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("waist");
        QTest::addColumn<bool>("falseBeam");
        QTest::addColumn<bool>("tooNarrow");
        QTest::newRow("fine") << 60.0 << 0.5 << 600.0 << false << false;
        QTest::newRow("main window's step at 60") << 60.0 << 1.0 << 600.0 << true << false;
        QTest::newRow("main window's step at 35") << 35.0 << 1.0 << 600.0 << false << false;
        QTest::newRow("narrow beam near the critical angle")
            << 49.0 << 0.5 << 150.0 << false << true;
        QTest::newRow("wide beam near the critical angle")
            << 49.0 << 0.5 << 900.0 << false << false;
    }
    void warnings()
    {
        QFETCH(double, alpha);
        QFETCH(double, step);
        QFETCH(double, waist);
        QFETCH(bool, falseBeam);
        QFETCH(bool, tooNarrow);
        ExploreModel m;
        m.setAlpha(alpha);
        m.setStep(step);
        m.setWaist(waist);
        QCOMPARE(m.falseBeam(), falseBeam);
        const std::optional<double> needed = m.neededWaist();
        QCOMPARE(needed && *needed > waist, tooNarrow);
    }

    void tableAsTheCommandLineWritesIt()
    {
        ExploreModel m;
        m.setSecondBlock(true);
        const std::string csv = m.csv();
        QVERIFY(csv.starts_with("z_twips,h_amplitude_squared,h_relative,classical_relative,"
                                "gap_twips,block_amplitude_squared,block_relative,"
                                "classical_transmission\r\n"));
        QCOMPARE(std::count(csv.begin(), csv.end(), '\n'), 62);
    }
};

QTEST_APPLESS_MAIN(TestExploreModel)
#include "test_explore_model.moc"
