// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The CSV's numbers where the standard library cannot write doubles (WebAssembly): the printf
// search must give exactly the text of to_chars, character for character.

#include "ShortestDecimal.h"

#include <QTest>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {
std::string toChars(double value)
{
    std::array<char, 400> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} ? std::string(text.data(), end) : std::string();
}
} // namespace

class TestShortestDecimal : public QObject
{
    Q_OBJECT

private slots:
    void knownTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("index") << 1.33 << "1.33";
        QTest::newRow("whole") << 750.0 << "750";
        QTest::newRow("negative zero") << -0.0 << "-0";
        QTest::newRow("tenth") << 0.1 << "0.1";
        QTest::newRow("small, plain") << 0.0015 << "0.0015";
        QTest::newRow("small, scientific") << 1.5e-7 << "1.5e-07";
        QTest::newRow("tie goes plain") << 1e4 << "10000";
        QTest::newRow("large") << 1e22 << "1e+22";
        QTest::newRow("third") << 1.0 / 3 << "0.3333333333333333";
        QTest::newRow("max") << std::numeric_limits<double>::max() << "1.7976931348623157e+308";
        QTest::newRow("denormal") << 5e-324 << "5e-324";
        QTest::newRow("infinity") << -std::numeric_limits<double>::infinity() << "-inf";
    }

    void knownTexts()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(shortestDecimalByPrintf(value)), text);
        QCOMPARE(QString::fromStdString(shortestDecimal(value)), text);
    }

    // Every exponent and many digit patterns: random bit patterns, random numbers of the size a
    // run writes, and whole numbers near 2^53 where plain notation must give every digit.
    void sameAsToChars_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("any bit pattern") << 0;
        QTest::newRow("run-sized numbers") << 1;
        QTest::newRow("large whole numbers") << 2;
        QTest::newRow("short decimals") << 3;
    }

    void sameAsToChars()
    {
        QFETCH(int, kind);
        std::mt19937_64 random(12345 + kind);
        std::uniform_real_distribution<double> runSized(-10000, 10000);
        std::uniform_int_distribution<int> exponent(-30, 30);
        int checked = 0;
        for (int i = 0; i < 50000; ++i) {
            double value = 0;
            switch (kind) {
            case 0:
                value = std::bit_cast<double>(random());
                break;
            case 1:
                value = runSized(random);
                break;
            case 2:
                value = std::ldexp(double(random() >> 11), exponent(random) + 30);
                break;
            default:
                value = double(std::int64_t(random() % 100000)) * std::pow(10.0, exponent(random));
                break;
            }
            if (std::isnan(value)) {
                continue;
            }
            const std::string expected = toChars(value);
            const std::string got = shortestDecimalByPrintf(value);
            if (got != expected) {
                QFAIL(qPrintable(
                    QStringLiteral("%1: to_chars %2, printf search %3")
                        .arg(value, 0, 'g', 17)
                        .arg(QString::fromStdString(expected), QString::fromStdString(got))));
            }
            ++checked;
        }
        QVERIFY(checked > 45000);
    }
};

QTEST_APPLESS_MAIN(TestShortestDecimal)
#include "test_shortest_decimal.moc"
