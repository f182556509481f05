// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings tables: each key text leads to exactly its own setting and back, keys are
// matched whole and case-sensitively, and the scroll bar's pace formula.

#include "AngleCase.h"
#include "DetectorDistance.h"
#include "Pace.h"
#include "Substance.h"

#include <QTest>

class TestSettingsModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keysLeadBackToTheirSetting();
    void onlyWholeExactKeysMatch_data();
    void onlyWholeExactKeysMatch();
    void paceOfTheScrollBar_data();
    void paceOfTheScrollBar();
};

void TestSettingsModel::keysLeadBackToTheirSetting()
{
    for (const SubstanceRow& row : substanceTable) {
        QCOMPARE(substanceFromKey(row.key), row.value);
    }
    for (const AngleCaseRow& row : angleCaseTable) {
        QCOMPARE(angleCaseFromKey(row.key), row.value);
    }
    for (const DetectorDistanceRow& row : detectorDistanceTable) {
        QCOMPARE(detectorDistanceFromKey(row.key), row.value);
        // The key is the distance written out, as the run reads it back as a number.
        QCOMPARE(QByteArray(row.key.data(), qsizetype(row.key.size())).toInt(), row.twips);
    }
    // The critical angles lie just past grazing incidence, with the program's 3.14 for pi.
    for (const SubstanceRow& row : substanceTable) {
        const double outSin = row.refrIndex * std::sin(row.criticalAngle * 3.14 / 180);
        QVERIFY2(outSin > 1 && outSin < 1.001, qPrintable(QString::number(outSin, 'g', 10)));
    }
}

void TestSettingsModel::onlyWholeExactKeysMatch_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("known");
    QTest::newRow("water") << QStringLiteral("Voda") << true;
    QTest::newRow("critical, with its accent") << QStringLiteral("Mezní") << true;
    QTest::newRow("far") << QStringLiteral("1500") << true;
    QTest::newRow("small letter") << QStringLiteral("voda") << false;
    QTest::newRow("without the accent") << QStringLiteral("Mezni") << false;
    QTest::newRow("trailing space") << QStringLiteral("750 ") << false;
    QTest::newRow("a prefix") << QStringLiteral("15") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestSettingsModel::onlyWholeExactKeysMatch()
{
    QFETCH(QString, key);
    QFETCH(bool, known);
    const std::string utf8 = key.toStdString();
    const int matches = int(substanceFromKey(utf8).has_value()) +
                        int(angleCaseFromKey(utf8).has_value()) +
                        int(detectorDistanceFromKey(utf8).has_value());
    QCOMPARE(matches, known ? 1 : 0);
}

void TestSettingsModel::paceOfTheScrollBar_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<qint64>("count");
    QTest::newRow("leftmost") << pace::scrollMinimum << qint64(1);
    QTest::newRow("at 7") << 7 << qint64(701);
    QTest::newRow("rightmost") << pace::scrollMaximum << qint64(100001);
}

void TestSettingsModel::paceOfTheScrollBar()
{
    QFETCH(int, value);
    QFETCH(qint64, count);
    QCOMPARE(qint64(pace::countForScrollValue(value)), count);
}

QTEST_APPLESS_MAIN(TestSettingsModel)
#include "test_settings_model.moc"
