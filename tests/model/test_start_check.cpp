// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What Start accepts: numbers under the user's decimal separator, within the ranges in which the
// experiment means something; and every refusal as data, naming the field, the reason, the
// range and what was typed.

#include "StartCheck.h"
#include "WindowTexts.h"

#include <QTest>

#include <cmath>

namespace {
StartFields startUp(const QString& index, const QString& alpha)
{
    return {index.toStdString(), alpha.toStdString(), AngleCase::Angle35, Substance::Water,
            DetectorDistance::Middle};
}
} // namespace

class TestStartCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typedTextIsCutForTheWindow_data();
    void typedTextIsCutForTheWindow();
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void formatReadsBack_data();
    void formatReadsBack();
};

void TestStartCheck::accepted_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<double>("indexValue");
    QTest::addColumn<double>("alphaValue");
    QTest::newRow("czech comma") << ","
                                 << "1,33"
                                 << "48,783" << 1.33 << 48.783;
    QTest::newRow("czech accepts a point too") << ","
                                               << "1.33"
                                               << "35" << 1.33 << 35.0;
    QTest::newRow("english, spaces around") << "."
                                            << " 1.5  "
                                            << "\t60" << 1.5 << 60.0;
    QTest::newRow("exponent") << "."
                              << "15e-1"
                              << "3.5e1" << 1.5 << 35.0;
    QTest::newRow("ends of the ranges") << "."
                                        << "0.5"
                                        << "90" << 0.5 << 90.0;
    QTest::newRow("largest index") << "."
                                   << "1e6"
                                   << "0" << 1e6 << 0.0;
    QTest::newRow("signs") << "."
                           << "+2"
                           << "-0" << 2.0 << 0.0;
}

void TestStartCheck::accepted()
{
    QFETCH(QString, separator);
    QFETCH(QString, index);
    QFETCH(QString, alpha);
    QFETCH(double, indexValue);
    QFETCH(double, alphaValue);
    const auto result = checkStart(startUp(index, alpha), {separator.toStdString()});
    const auto* settings = std::get_if<RunSettings>(&result);
    QVERIFY(settings);
    QCOMPARE(settings->refrIndex, indexValue);
    QCOMPARE(settings->alpha, alphaValue);
    QCOMPARE(settings->detectorDistance, 750.0);
    QCOMPARE(settings->substance, Substance::Water);
}

void TestStartCheck::refused_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("reason");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");
    const int notANumber = int(Refusal::Reason::NotANumber);
    const int tooLarge = int(Refusal::Reason::TooLarge);
    const int outOfRange = int(Refusal::Reason::OutOfRange);
    QTest::newRow("empty index") << "."
                                 << ""
                                 << "35"
                                 << "index" << notANumber << 0.0 << 0.0;
    QTest::newRow("letters") << "."
                             << "abc"
                             << "35"
                             << "index" << notANumber << 0.0 << 0.0;
    QTest::newRow("letters after a number") << "."
                                            << "1.5x"
                                            << "35"
                                            << "index" << notANumber << 0.0 << 0.0;
    QTest::newRow("nan") << "."
                         << "1.33"
                         << "nan"
                         << "alpha" << notANumber << 0.0 << 0.0;
    QTest::newRow("inf") << "."
                         << "1.33"
                         << "inf"
                         << "alpha" << notANumber << 0.0 << 0.0;
    QTest::newRow("english grouping") << "."
                                      << "1,000.5"
                                      << "35"
                                      << "index" << notANumber << 0.0 << 0.0;
    QTest::newRow("comma under a point") << "."
                                         << "1,33"
                                         << "35"
                                         << "index" << notANumber << 0.0 << 0.0;
    QTest::newRow("czech grouping") << ","
                                    << "1.000,5"
                                    << "35"
                                    << "index" << notANumber << 0.0 << 0.0;
    QTest::newRow("czech space grouping") << "," << QString::fromUtf8("1\u00a0000") << "35"
                                          << "index" << notANumber << 0.0 << 0.0;
    QTest::newRow("beyond a million") << "."
                                      << "2e6"
                                      << "35"
                                      << "index" << tooLarge << 0.5 << 1e6;
    QTest::newRow("an index beyond any double is too large, not garbage")
        << "."
        << "1e309"
        << "35"
        << "index" << tooLarge << 0.5 << 1e6;
    // Too large only past the top of the index's range: below it, or for an angle, the range.
    QTest::newRow("an index below minus a million") << "."
                                                    << "-2e6"
                                                    << "35"
                                                    << "index" << outOfRange << 0.5 << 1e6;
    QTest::newRow("an index below any double") << "."
                                               << "-1e309"
                                               << "35"
                                               << "index" << outOfRange << 0.5 << 1e6;
    QTest::newRow("an angle beyond any double") << "."
                                                << "1.33"
                                                << "1e309"
                                                << "alpha" << outOfRange << 0.0 << 90.0;
    QTest::newRow("an angle just within doubles") << "."
                                                  << "1.33"
                                                  << "1e308"
                                                  << "alpha" << outOfRange << 0.0 << 90.0;
    QTest::newRow("an angle of two million degrees") << "."
                                                     << "1.33"
                                                     << "2000000"
                                                     << "alpha" << outOfRange << 0.0 << 90.0;
    QTest::newRow("an angle below any double") << "."
                                               << "1.33"
                                               << "-1e309"
                                               << "alpha" << outOfRange << 0.0 << 90.0;
    QTest::newRow("index below the range") << "."
                                           << "0.2"
                                           << "35"
                                           << "index" << outOfRange << 0.5 << 1e6;
    QTest::newRow("negative index") << "."
                                    << "-1.33"
                                    << "35"
                                    << "index" << outOfRange << 0.5 << 1e6;
    QTest::newRow("angle past grazing") << "."
                                        << "1.33"
                                        << "90.5"
                                        << "alpha" << outOfRange << 0.0 << 90.0;
    QTest::newRow("negative angle") << ","
                                    << "1,33"
                                    << "-35"
                                    << "alpha" << outOfRange << 0.0 << 90.0;
    QTest::newRow("the index is checked first") << "."
                                                << "x"
                                                << "y"
                                                << "index" << notANumber << 0.0 << 0.0;
}

void TestStartCheck::refused()
{
    QFETCH(QString, separator);
    QFETCH(QString, index);
    QFETCH(QString, alpha);
    QFETCH(QString, field);
    QFETCH(int, reason);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    const auto result = checkStart(startUp(index, alpha), {separator.toStdString()});
    const auto* refusal = std::get_if<Refusal>(&result);
    QVERIFY(refusal);
    const bool onIndex = field == QStringLiteral("index");
    QCOMPARE(refusal->field, onIndex ? Control::nIndex : Control::nAlfa);
    QCOMPARE(int(refusal->reason), reason);
    QCOMPARE(QString::fromStdString(refusal->typed), onIndex ? index : alpha);
    QCOMPARE(refusal->inDegrees, !onIndex && reason == int(Refusal::Reason::OutOfRange));
    if (reason != int(Refusal::Reason::NotANumber)) {
        QCOMPARE(refusal->range.lowest, lowest);
        QCOMPARE(refusal->range.highest, highest);
    }
}

void TestStartCheck::formatReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("index of water, czech") << 1.33 << ","
                                           << "1,33";
    QTest::newRow("critical angle of glass") << 41.839 << "."
                                             << "41.839";
    QTest::newRow("whole number plain") << 35.0 << ","
                                        << "35";
    QTest::newRow("largest count, no grouping") << 100001.0 << ","
                                                << "100001";
    QTest::newRow("negative fraction") << -0.25 << "."
                                       << "-0.25";
    QTest::newRow("no binary noise") << 0.1 + 0.2 << "."
                                     << "0.30000000000000004";
    QTest::newRow("tiny, no exponent") << 1.5e-7 << "."
                                       << "0.00000015";
}

void TestStartCheck::formatReadsBack()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    const NumberFormat format{separator.toStdString()};
    QCOMPARE(QString::fromStdString(formatNumber(value, format)), text);
    const ParsedNumber back = parseNumber(formatNumber(value, format), format);
    QCOMPARE(int(back.kind), int(ParsedNumber::Kind::Number));
    QCOMPARE(back.value, value);
}

void TestStartCheck::typedTextIsCutForTheWindow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const QString forty(40, u'a');
    QTest::newRow("40 characters stay whole") << forty << forty;
    QTest::newRow("41 are cut at 40") << forty + u'b' << forty + QStringLiteral("…");
    // Characters, not bytes: "é" is two bytes in UTF-8.
    QTest::newRow("accented letters count once")
        << QString(41, u'é') << QString(40, u'é') + QStringLiteral("…");
    // Beyond the basic plane a character counts twice, as the front ends count it, and is
    // never split: 20 of them fill the 40.
    QString faces;
    for (int i = 0; i < 21; ++i) {
        faces += QString::fromUcs4(U"\U0001F600", 1);
    }
    QTest::newRow("characters beyond the basic plane count twice")
        << faces << faces.left(40) + QStringLiteral("…");
}

void TestStartCheck::typedTextIsCutForTheWindow()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const auto result = checkStart(startUp(typed, QStringLiteral("35")), {"."});
    const auto* refusal = std::get_if<Refusal>(&result);
    QVERIFY(refusal);
    const std::array<std::string, 4> arguments =
        refusalArguments(*refusal, {"."}, longestTypedInWindow);
    QCOMPARE(QString::fromStdString(arguments[0]), shown);
    QCOMPARE(QString::fromStdString(arguments[3]), QStringLiteral("1.33")); // the example
}

QTEST_APPLESS_MAIN(TestStartCheck)
#include "test_start_check.moc"
