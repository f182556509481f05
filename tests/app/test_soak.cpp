// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Many runs in one process: fifty presses of Start at the fastest pace, the settings changed
// before each, must not make the program's memory grow.

#include "Brontel.h"
#include "OptionButton.h"
#include "RunWait.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

namespace {
constexpr int runs = 50;
constexpr qint64 allowedGrowth = 5 * 1024 * 1024;

// Resident set size of this process, from /proc/self/statm (pages).
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}
} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fiftyRunsKeepMemoryFlat();
};

void TestSoak::fiftyRunsKeepMemoryFlat()
{
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    int steps = 0;
    QObject::connect(&w, &Brontel::stepShown, &w, [&steps] { ++steps; });

    OptionButton* const substances[] = {w.control<OptionButton>(Control::opVoda),
                                        w.control<OptionButton>(Control::opSklo)};
    OptionButton* const angles[] = {w.control<OptionButton>(Control::opMenší),
                                    w.control<OptionButton>(Control::opMezní),
                                    w.control<OptionButton>(Control::opVětší)};
    OptionButton* const distances[] = {w.control<OptionButton>(Control::opStředníDistance),
                                       w.control<OptionButton>(Control::opMaláDistance),
                                       w.control<OptionButton>(Control::opVelkáDistance)};

    qint64 afterFirst = 0;
    for (int run = 0; run < runs; ++run) {
        // Every combination of substance, angle and distance comes up in turn.
        substances[run % 2]->select();
        angles[(run / 2) % 3]->select();
        distances[(run / 6) % 3]->select();
        w.control<OptionButton>(Control::opRychlá)->select();
        w.control<QPushButton>(Control::cmdStart)->click();
        QVERIFY(waitForRunEnd(w));
        QCoreApplication::processEvents(); // the held input and the last repaint
        if (run == 0) {
            afterFirst = residentBytes();
        }
    }
    const qint64 afterLast = residentBytes();
    QCOMPARE(steps, runs * 467);
    QVERIFY(afterFirst > 0 && afterLast > 0);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine, so resident size says nothing here;
    // its leak check at exit stands in for this comparison.
    QSKIP("memory growth is not measurable under AddressSanitizer; its leak check covers it");
#endif
    QVERIFY2(afterLast - afterFirst <= allowedGrowth,
             qPrintable(QStringLiteral("resident memory grew by %1 KiB over %2 runs")
                            .arg((afterLast - afterFirst) / 1024)
                            .arg(runs - 1)));
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
