// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The parameters of the angle cases: every row of the table.

#include "RunParameters.h"
#include "RunSettings.h"
#include "SettingsOfKeys.h"

#include <QTest>

Q_DECLARE_METATYPE(RunParameters)

namespace QTest {
template <> char* toString(const RunParameters& p)
{
    return qstrdup(QStringLiteral("arrows VH %1 L %2 scales V %3 H %4 L %5")
                       .arg(p.arrowLenVH)
                       .arg(p.arrowLenL)
                       .arg(p.scaleV)
                       .arg(p.scaleH)
                       .arg(p.scaleL)
                       .toUtf8()
                       .constData());
}
} // namespace QTest

class TestRunParameters : public QObject
{
    Q_OBJECT

private slots:
    void choose_data();
    void choose();
    void nearKeysAreNoKeys_data();
    void nearKeysAreNoKeys();
};

namespace {
RunParameters params(double scaleV, double scaleH, double scaleL, double arrowLenL,
                     double arrowLenVH)
{
    RunParameters p;
    p.scaleV = scaleV;
    p.scaleH = scaleH;
    p.scaleL = scaleL;
    p.arrowLenL = arrowLenL;
    p.arrowLenVH = arrowLenVH;
    return p;
}
} // namespace

void TestRunParameters::choose_data()
{
    QTest::addColumn<QString>("angleCase");
    QTest::addColumn<QString>("substance");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<RunParameters>("expected");

    const QString critical = QStringLiteral("Mezní");
    // The table of the angle cases, row by row.
    QTest::newRow("35 water 1500") << "35"
                                   << "Voda"
                                   << "1500" << params(0.005, 0.01, 0.004, 6, 3);
    QTest::newRow("35 water 750") << "35"
                                  << "Voda"
                                  << "750" << params(0.005, 0.02, 0.004, 6, 3);
    QTest::newRow("35 water 100") << "35"
                                  << "Voda"
                                  << "100" << params(0.005, 0.12, 0.004, 6, 3);
    QTest::newRow("35 glass 1500") << "35"
                                   << "Sklo"
                                   << "1500" << params(0.003, 0.005, 0.004, 6, 3);
    QTest::newRow("35 glass 750") << "35"
                                  << "Sklo"
                                  << "750" << params(0.003, 0.01, 0.004, 6, 3);
    QTest::newRow("35 glass 100") << "35"
                                  << "Sklo"
                                  << "100" << params(0.003, 0.05, 0.004, 6, 3);
    QTest::newRow("60 water 750") << "60"
                                  << "Voda"
                                  << "750" << params(0.013, 0, 0.005, 3, 2);
    QTest::newRow("critical water 1500") << critical << "Voda"
                                         << "1500" << params(0.0015, 0.01, 0.0025, 5, 1);
    QTest::newRow("critical water 750") << critical << "Voda"
                                        << "750" << params(0.0015, 0.02, 0.0025, 5, 1);
    QTest::newRow("critical water 100") << critical << "Voda"
                                        << "100" << params(0.0015, 0.0001, 0.0025, 5, 1);
    QTest::newRow("critical glass 1500") << critical << "Sklo"
                                         << "1500" << params(0.0015, 0.01, 0.004, 5, 1);
    QTest::newRow("critical glass 750") << critical << "Sklo"
                                        << "750" << params(0.0015, 0.02, 0.004, 5, 1);
    QTest::newRow("critical glass 100") << critical << "Sklo"
                                        << "100" << params(0.0015, 0.0001, 0.004, 5, 1);

    // "60" looks at neither the substance nor the distance.
    QTest::newRow("60 glass 100") << "60"
                                  << "Sklo"
                                  << "100" << params(0.013, 0, 0.005, 3, 2);
}

// Texts near the keys are no keys: the hidden fields are compared whole and exactly, so a run
// never gets settings from a text that merely looks like one.
void TestRunParameters::nearKeysAreNoKeys_data()
{
    QTest::addColumn<QString>("angleCase");
    QTest::addColumn<QString>("substance");
    QTest::addColumn<QString>("distance");
    QTest::newRow("unknown substance") << "35"
                                       << "Led"
                                       << "750";
    QTest::newRow("unknown distance") << "35"
                                      << "Voda"
                                      << "751";
    QTest::newRow("substance in small letters") << "Mezní"
                                                << "voda"
                                                << "750";
    QTest::newRow("distance with a space") << "Mezní"
                                           << "Sklo"
                                           << "1500 ";
    QTest::newRow("unknown case") << "45"
                                  << "Voda"
                                  << "750";
    QTest::newRow("case differs in capital letter") << "mezní"
                                                    << "Voda"
                                                    << "750";
    QTest::newRow("case without accent") << "Mezni"
                                         << "Voda"
                                         << "750";
    QTest::newRow("empty texts") << ""
                                 << ""
                                 << "";
}

void TestRunParameters::nearKeysAreNoKeys()
{
    QFETCH(QString, angleCase);
    QFETCH(QString, substance);
    QFETCH(QString, distance);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             settingsOfKeys(1.33, 35, angleCase.toStdString(),
                                            substance.toStdString(), distance.toStdString(), 750));
}

void TestRunParameters::choose()
{
    QFETCH(QString, angleCase);
    QFETCH(QString, substance);
    QFETCH(QString, distance);
    QFETCH(RunParameters, expected);

    // The keys as the window's fields hold them.
    const RunSettings settings = settingsOfKeys(
        1.33, 35, angleCase.toStdString(), substance.toStdString(), distance.toStdString(), 750);
    const RunParameters actual =
        chooseRunParameters(settings.angleCase, settings.substance, settings.distance);
    QCOMPARE(actual, expected);
}

QTEST_APPLESS_MAIN(TestRunParameters)
#include "test_run_parameters.moc"
