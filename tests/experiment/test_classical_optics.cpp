// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The classical optics beside the arrows, against textbook values for water and glass.

#include "ClassicalOptics.h"

#include <QTest>

#include <cmath>

class TestClassicalOptics : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void criticalAngle_data()
    {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("degrees");
        QTest::newRow("water") << 1.33 << 48.75;
        QTest::newRow("glass") << 1.5 << 41.81;
    }
    void criticalAngle()
    {
        QFETCH(double, n);
        QFETCH(double, degrees);
        QCOMPARE_LE(std::abs(optics::criticalAngle(n) - degrees), 0.005);
        QCOMPARE_LE(std::abs(optics::criticalSine(n) * n - 1), 1e-12);
        // Just past it there is no refracted ray, just before it one grazing the surface.
        QVERIFY(!optics::refractionAngle(n, degrees + 0.01));
        QCOMPARE_GE(*optics::refractionAngle(n, degrees - 0.01), 88.5);
    }

    // The program's degrees take 3.14 for pi: its settings in true degrees.
    void trueDegrees_data()
    {
        QTest::addColumn<double>("design");
        QTest::addColumn<double>("degrees");
        QTest::newRow("35") << 35.0 << 34.98;
        QTest::newRow("60") << 60.0 << 59.97;
        QTest::newRow("water critical") << 48.783 << 48.76;
        QTest::newRow("glass critical") << 41.839 << 41.82;
    }
    void trueDegrees()
    {
        QFETCH(double, design);
        QFETCH(double, degrees);
        QCOMPARE_LE(std::abs(optics::trueDegrees(design) - degrees), 0.005);
    }

    void refraction_data()
    {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("incidence");
        QTest::addColumn<double>("refraction");
        QTest::newRow("normal") << 1.33 << 0.0 << 0.0;
        // sin β = 1.33 sin 30° = 0.665
        QTest::newRow("water 30") << 1.33 << 30.0 << 41.68;
        // sin β = 1.5 sin 30° = 0.75
        QTest::newRow("glass 30") << 1.5 << 30.0 << 48.59;
    }
    void refraction()
    {
        QFETCH(double, n);
        QFETCH(double, incidence);
        QFETCH(double, refraction);
        const auto beta = optics::refractionAngle(n, incidence);
        QVERIFY(beta);
        QCOMPARE_LE(std::abs(*beta - refraction), 0.005);
    }

    void reflectance_data()
    {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("incidence");
        QTest::addColumn<double>("rs");
        QTest::addColumn<double>("rp");
        // ((n - 1) / (n + 1))² at normal incidence, the same for both.
        QTest::newRow("water normal") << 1.33 << 0.0 << 2.0 << 2.0;
        QTest::newRow("glass normal") << 1.5 << 0.0 << 4.0 << 4.0;
        // Brewster's angle from the glass side, tan θB = 1/1.5: p is not reflected at all.
        QTest::newRow("glass Brewster") << 1.5 << 33.69 << 14.8 << 0.0;
        QTest::newRow("water beyond") << 1.33 << 60.0 << 100.0 << 100.0;
        QTest::newRow("glass beyond") << 1.5 << 45.0 << 100.0 << 100.0;
    }
    void reflectance()
    {
        QFETCH(double, n);
        QFETCH(double, incidence);
        QFETCH(double, rs);
        QFETCH(double, rp);
        const optics::Reflectance r = optics::reflectance(n, incidence);
        QCOMPARE_LE(std::abs(r.s - rs), 0.05);
        QCOMPARE_LE(std::abs(r.p - rp), 0.05);
    }

    void depth_data()
    {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("incidence");
        QTest::addColumn<double>("twips");
        // d = λ0 / (2π √(n² sin² θ − 1)) with λ0 = 2π/3 twips: 1 / (3 √(1.33² · 0.75 − 1)).
        QTest::newRow("water 60") << 1.33 << 60.0 << 0.5832;
        // 1 / (3 √(1.5² / 2 − 1))
        QTest::newRow("glass 45") << 1.5 << 45.0 << 0.9428;
    }
    void depth()
    {
        QFETCH(double, n);
        QFETCH(double, incidence);
        QFETCH(double, twips);
        const auto d = optics::penetrationDepth(n, incidence);
        QVERIFY(d);
        QCOMPARE_LE(std::abs(*d - twips), 0.0005);
    }

    void noDepthBelowCritical()
    {
        QVERIFY(!optics::penetrationDepth(1.33, 35));
        QVERIFY(!optics::penetrationDepth(1.5, 41));
    }

    void wavelengths()
    {
        QCOMPARE_LE(std::abs(optics::wavelengthInAir - 2.094), 0.0005);
        QCOMPARE_LE(std::abs(optics::wavelengthIn(1.33) - 1.575), 0.0005);
        QCOMPARE_LE(std::abs(optics::wavelengthIn(1.5) - 1.396), 0.0005);
    }

    // The panel's numbers for the program's settings.
    void prediction()
    {
        const auto water60 = optics::predict(1.33, 60);
        QVERIFY(water60);
        QCOMPARE_LE(std::abs(water60->incidence - 59.97), 0.005);
        QVERIFY(!water60->refraction);
        QCOMPARE(water60->reflectance.s, 100.0);
        QCOMPARE_LE(std::abs(*water60->depthTwips - 0.584), 0.001);
        QCOMPARE_LE(std::abs(*water60->depthWavelengths - 0.279), 0.001);

        // The program's critical setting lies 0.005° past the true critical angle: a field that
        // reaches some 27 twips.
        const auto waterCritical = optics::predict(1.33, 48.783);
        QVERIFY(waterCritical);
        QVERIFY(!waterCritical->refraction);
        QCOMPARE_LE(std::abs(*waterCritical->depthTwips - 27.5), 0.05);

        const auto water35 = optics::predict(1.33, 35);
        QVERIFY(water35);
        QCOMPARE_LE(std::abs(*water35->refraction - 49.69), 0.005);
        QVERIFY(!water35->depthTwips);
    }

    void nothingToPredict()
    {
        QVERIFY(!optics::predict(1.0, 35));
        QVERIFY(!optics::predict(0.8, 35));
        QVERIFY(!optics::predict(std::nan(""), 35));
        QVERIFY(!optics::predict(1.33, 95));
        QVERIFY(!optics::predict(1.33, -5));
    }
};

QTEST_APPLESS_MAIN(TestClassicalOptics)
#include "test_classical_optics.moc"
