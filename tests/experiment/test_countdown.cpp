// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pause after a step: exactly N decrements, counted through the hook, never by a clock.

#include "Countdown.h"

#include <QTest>

class TestCountdown : public QObject
{
    Q_OBJECT

private slots:
    void decrements_data();
    void decrements();
    void calibratedSpins();
};

void TestCountdown::decrements_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<quint64>("spins");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("start-up count") << qint64(1) << quint64(0) << qint64(1);
    QTest::newRow("scroll bar at 7") << qint64(701) << quint64(0) << qint64(701);
    QTest::newRow("scroll bar at 1000, with spins")
        << qint64(100001) << quint64(2) << qint64(100001);
    QTest::newRow("slower option") << qint64(500000) << quint64(0) << qint64(500000);
    // The window never hands these over; they must still end at once.
    QTest::newRow("zero") << qint64(0) << quint64(5) << qint64(0);
    QTest::newRow("negative") << qint64(-3) << quint64(5) << qint64(0);
}

void TestCountdown::decrements()
{
    QFETCH(qint64, n);
    QFETCH(quint64, spins);
    QFETCH(qint64, expected);

    Countdown countdown(spins);
    QCOMPARE(countdown.spinsPerDecrement(), spins);
    qint64 counted = 0;
    countdown.setDecrementHook([&counted] { ++counted; });
    countdown.run(n);
    QCOMPARE(counted, expected);
    // A second countdown starts afresh.
    countdown.run(n);
    QCOMPARE(counted, 2 * expected);
}

void TestCountdown::calibratedSpins()
{
    // How many spins a microsecond takes depends on the machine; a working spin takes well
    // under a microsecond on anything that runs this program.
    const Countdown countdown = Countdown::calibrated(1e-6);
    QVERIFY(countdown.spinsPerDecrement() > 0);
    qint64 counted = 0;
    Countdown copy = countdown;
    copy.setDecrementHook([&counted] { ++counted; });
    copy.run(10);
    QCOMPARE(counted, qint64(10));
}

QTEST_APPLESS_MAIN(TestCountdown)
#include "test_countdown.moc"
