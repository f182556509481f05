// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fast Hankel function of the explore sums against Boost.Math, across the table, the switch
// to the asymptotic series and far beyond; and the fast wavelet weight against the plain one.

#include "EvanescentKernel.h"
#include "HankelOne.h"

#include <QTest>

#include <cmath>

class TestHankelOne : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void againstLibrary_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::newRow("near the source") << 1e-3 << 1.0;
        QTest::newRow("table") << 1.0 << hankel::asymptoticFrom;
        QTest::newRow("series") << hankel::asymptoticFrom << 200.0;
        QTest::newRow("far") << 200.0 << 30000.0;
    }
    void againstLibrary()
    {
        QFETCH(double, from);
        QFETCH(double, to);
        constexpr int samples = 997; // not a divisor of the table's step
        for (int i = 0; i <= samples; ++i) {
            const double x = from * std::pow(to / from, double(i) / samples);
            const std::complex<double> reference = hankel::referenceOne(x);
            QCOMPARE_LE(std::abs(hankel::fastOne(x) - reference), 1e-9 * std::abs(reference));
        }
    }

    void weightAgainstPlain_data()
    {
        QTest::addColumn<double>("z");
        QTest::newRow("just above the surface") << 0.01;
        QTest::newRow("one twip") << 1.0;
        QTest::newRow("ten twips") << 10.0;
    }
    void weightAgainstPlain()
    {
        QFETCH(double, z);
        for (double dx = -40; dx <= 40; dx += 0.37) {
            const std::complex<double> plain = arrowWeight(dx, z, 3, 0.5, ArrowKind::Exact);
            QCOMPARE_LE(std::abs(arrowWeightFast(dx, z, 3, 0.5) - plain),
                        1e-9 * std::abs(plain) + 1e-15);
        }
    }
};

QTEST_APPLESS_MAIN(TestHankelOne)
#include "test_hankel_one.moc"
