// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number texts under the user's locale: written as the settings fields hold them, read back.

#include "NumberText.h"

#include <QLocale>
#include <QTest>

#include <cmath>

#include <optional>

class TestNumberText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writes_data();
    void writes();
    void readsBack_data();
    void readsBack();
    void rejects_data();
    void rejects();
    void roundTrips_data();
    void roundTrips();
    void overflowIsTooLarge_data();
    void overflowIsTooLarge();
    void cleanup() { QLocale::setDefault(QLocale::c()); }
};

void TestNumberText::writes_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("czech index of water") << QLocale::Czech << 1.33 << "1,33";
    QTest::newRow("english index of water") << QLocale::English << 1.33 << "1.33";
    QTest::newRow("czech critical angle of glass") << QLocale::Czech << 41.839 << "41,839";
    QTest::newRow("english critical angle of glass") << QLocale::English << 41.839 << "41.839";
    QTest::newRow("czech critical angle of water") << QLocale::Czech << 48.783 << "48,783";
    QTest::newRow("czech index of glass") << QLocale::Czech << 1.5 << "1,5";
    QTest::newRow("whole number plain") << QLocale::Czech << 35.0 << "35";
    QTest::newRow("largest count without grouping") << QLocale::Czech << 100001.0 << "100001";
    QTest::newRow("english count without grouping") << QLocale::English << 1000000.0 << "1000000";
    QTest::newRow("negative fraction") << QLocale::English << -0.25 << "-0.25";
    QTest::newRow("shortest form, no binary noise")
        << QLocale::English << 0.1 + 0.2 << "0.30000000000000004";
}

void TestNumberText::writes()
{
    QFETCH(QLocale::Language, language);
    QFETCH(double, value);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(language));
    QCOMPARE(numberText(value), text);
}

void TestNumberText::readsBack_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("czech comma") << QLocale::Czech << "1,33" << 1.33;
    QTest::newRow("czech accepts a point too") << QLocale::Czech << "1.33" << 1.33;
    QTest::newRow("english point") << QLocale::English << "41.839" << 41.839;
    QTest::newRow("surrounding spaces ignored") << QLocale::Czech << "  48,783 " << 48.783;
    QTest::newRow("whole number") << QLocale::English << "750" << 750.0;
    QTest::newRow("negative") << QLocale::Czech << "-2,5" << -2.5;
}

void TestNumberText::readsBack()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, text);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(language));
    const std::optional<double> read = textToNumber(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void TestNumberText::rejects_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QLocale::Czech << "";
    QTest::newRow("only spaces") << QLocale::Czech << "   ";
    QTest::newRow("letters") << QLocale::Czech << "abc";
    QTest::newRow("number with letters after") << QLocale::English << "1.5x";
    QTest::newRow("nan") << QLocale::English << "nan";
    QTest::newRow("inf") << QLocale::English << "inf";
    QTest::newRow("english grouping") << QLocale::English << "1,000.5";
    QTest::newRow("czech grouping") << QLocale::Czech << QString::fromUtf8("1\u00a0000");
    QTest::newRow("comma in english") << QLocale::English << "1,33";
    QTest::newRow("two separators") << QLocale::Czech << "1,3.3";
}

void TestNumberText::rejects()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(language));
    QCOMPARE(textToNumber(text), std::nullopt);
}

void TestNumberText::roundTrips_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<double>("value");
    for (const auto language : {QLocale::Czech, QLocale::English, QLocale::German}) {
        for (const double value : {1.33, 1.5, 41.839, 48.783, 1e-7, 123456.789}) {
            QTest::addRow("%s %g", qPrintable(QLocale::languageToString(language)), value)
                << language << value;
        }
    }
}

void TestNumberText::roundTrips()
{
    QFETCH(QLocale::Language, language);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(language));
    QCOMPARE(textToNumber(numberText(value)), std::optional<double>(value));
}

void TestNumberText::overflowIsTooLarge_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("sign");
    QTest::newRow("1e309") << QLocale::English << "1e309" << 1.0;
    QTest::newRow("1e999") << QLocale::English << "1e999" << 1.0;
    QTest::newRow("negative") << QLocale::English << "-1e400" << -1.0;
    QTest::newRow("czech comma") << QLocale::Czech << "2,5e308" << 1.0;
    QTest::newRow("czech with a point") << QLocale::Czech << "2.5e308" << 1.0;
}

// Beyond the largest double a number is still a number, only larger than any setting, as
// 1e308 is: the window then says it is too large, not that it is no number.
void TestNumberText::overflowIsTooLarge()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, text);
    QFETCH(double, sign);
    QLocale::setDefault(QLocale(language));
    const std::optional<double> read = textToNumber(text);
    QVERIFY(read.has_value());
    QVERIFY(std::isinf(*read));
    QCOMPARE(*read > 0, sign > 0);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_numbertext.moc"
