// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheet's key: every number worked out again here, from formulas and from the program's
// own CSV of the runs the tasks name, and found in the key as a reader would read it.

#include "CurvesCsv.h"
#include "DrawingList.h"
#include "ExperimentRun.h"
#include "Worksheet.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
const TextLookup czech = [](std::string_view source) {
    return std::string(source);
};
const NumberFormat comma{","};

QString keyText()
{
    return QString::fromStdString(worksheetHtml(WorksheetPart::Key, czech, comma));
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

// The largest value of a column of the program's CSV over the rows that pass.
double largest(const std::string& csv, const char* column, auto&& rowPasses)
{
    QStringList lines =
        QString::fromStdString(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QStringList header = lines.takeFirst().split(QLatin1Char(','));
    const int c = header.indexOf(QLatin1String(column));
    const int y = header.indexOf(QLatin1String("y_twips"));
    double most = 0;
    for (const QString& line : lines) {
        const QStringList cells = line.split(QLatin1Char(','));
        if (rowPasses(cells[y].toDouble())) {
            most = std::max(most, cells[c].toDouble());
        }
    }
    return most;
}

std::string runCsv(AngleCase angle)
{
    DrawingList picture;
    const double alpha = angle == AngleCase::Angle35 ? 35 : 60;
    return curvesCsv(runWhole(
        picture, RunSettings::of(1.33, alpha, angle, Substance::Water, DetectorDistance::Middle)));
}
} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keyNumbersFromFormulas_data();
    void keyNumbersFromFormulas();
    void keyNumbersFromTheRuns();
    void sheetHasTasksAndNoAnswers();
    void everyWordIsLookedUp();
};

void TestWorksheet::keyNumbersFromFormulas_data()
{
    QTest::addColumn<QString>("expected");
    const double water = 1.33;
    const double glass = 1.5;
    const double sin35 = std::sin(35 * std::numbers::pi / 180);
    QTest::newRow("critical water") << fixed(degrees(std::asin(1 / water)), 2) + u'°';
    QTest::newRow("critical glass") << fixed(degrees(std::asin(1 / glass)), 2) + u'°';
    QTest::newRow("refraction water") << fixed(degrees(std::asin(water * sin35)), 2) + u'°';
    QTest::newRow("refraction glass") << fixed(degrees(std::asin(glass * sin35)), 2) + u'°';
    QTest::newRow("program's critical, true") << fixed(48.783 * 3.14 / std::numbers::pi, 3) + u'°';
    QTest::newRow("brewster") << fixed(degrees(std::atan(1 / water)), 1) + u'°';

    // Fresnel at the program's 35 (34.98 true degrees), to two significant figures.
    const double a = 35 * 3.14 / 180;
    const double cosB = std::sqrt(1 - std::pow(water * std::sin(a), 2));
    const double rs = (water * std::cos(a) - cosB) / (water * std::cos(a) + cosB);
    const double rp = (std::cos(a) - water * cosB) / (std::cos(a) + water * cosB);
    QTest::newRow("Rs") << QStringLiteral("Rs = %1 %").arg(fixed(100 * rs * rs, 1));
    QTest::newRow("Rp") << QStringLiteral("Rp = %1 %").arg(fixed(100 * rp * rp, 3));

    // The evanescent field: its amplitude falls to 1/e over d = 1/(k0 √(n² sin² α − 1)), with
    // k0 = 3 radians per twip.
    const double critical = 48.783 * 3.14 / 180;
    const double dCritical = 1 / (3 * std::sqrt(std::pow(water * std::sin(critical), 2) - 1));
    QTest::newRow("d at the critical setting")
        << QStringLiteral("d = %1 twipu").arg(fixed(dCritical, 1));
    const double dGlass = 1 / (3 * std::sqrt(glass * glass * 0.75 - 1));
    QTest::newRow("d glass 60") << QStringLiteral("d = %1 twipu").arg(fixed(dGlass, 2));
    QTest::newRow("d glass 60 in waves")
        << QStringLiteral("(%1 vlnové").arg(fixed(dGlass * 3 / (2 * std::numbers::pi), 2));
    QTest::newRow("one wavelength's gap")
        << QStringLiteral("jen asi %1 × 10<sup>−5</sup>")
               .arg(std::exp(-2 * (2 * std::numbers::pi / 3) / dGlass) * 1e5, 0, 'f', 0);
}

void TestWorksheet::keyNumbersFromFormulas()
{
    QFETCH(QString, expected);
    QVERIFY2(keyText().contains(expected), qPrintable(expected));
}

// The tasks that read the runs in water: V above and below the surface at 35°, and L's largest
// squared resultant at 35° and 60°, bare and per unit arrow (over 6² and 3², the arrows' lengths).
void TestWorksheet::keyNumbersFromTheRuns()
{
    const std::string water = runCsv(AngleCase::Angle35);
    const std::string water60 = runCsv(AngleCase::Angle60);
    const auto any = [](double) {
        return true;
    };
    const double vAbove = largest(water, "v_amplitude_squared", [](double y) { return y < 5000; });
    const double vBelow = largest(water, "v_amplitude_squared", [](double y) { return y > 5000; });
    const double l35 = largest(water, "l_amplitude_squared", any);
    const double l60 = largest(water60, "l_amplitude_squared", any);
    const QString key = keyText();
    // Every number the key writes, as a reader reads it (a decimal comma, no grouping).
    QList<double> written;
    static const QRegularExpression number(QStringLiteral("\\d+(,\\d+)?"));
    for (const auto& m : number.globalMatch(key)) {
        written << m.captured().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }
    // Each value stands in the key rounded to so many significant figures.
    const auto standsRounded = [&](double value, int figures) {
        const double half = 0.5 * std::pow(10.0, std::floor(std::log10(value)) - figures + 1);
        return std::any_of(written.begin(), written.end(),
                           [&](double w) { return std::abs(w - value) <= half * 1.0001; });
    };
    for (const double value : {vAbove, l35, l60, l35 / 36, l60 / 9}) {
        QVERIFY2(standsRounded(value, 3), qPrintable(QString::number(value)));
    }
    QVERIFY2(standsRounded(vBelow, 2), qPrintable(QString::number(vBelow)));
    QVERIFY(standsRounded((l60 / 9) / (l35 / 36), 2));
    // What the key says of them: the light below the surface is weak; the bare values are
    // nearly equal, within a fifth, while per unit arrow 60° reflects several times more.
    QVERIFY(vBelow < vAbove / 1000);
    QVERIFY(std::abs(l60 / l35 - 1) < 0.2);
    QVERIFY((l60 / 9) / (l35 / 36) > 3);
}

void TestWorksheet::sheetHasTasksAndNoAnswers()
{
    const QString sheet = QString::fromStdString(worksheetHtml(WorksheetPart::Sheet, czech, comma));
    const QString key = keyText();
    static const QRegularExpression task(QStringLiteral("<h2>\\d\\. "));
    const int tasks = int(sheet.count(task));
    QVERIFY(tasks >= 6 && tasks <= 8);
    QCOMPARE(int(key.count(task)), tasks);
    QVERIFY(sheet.contains(QStringLiteral("Jméno")));
    QVERIFY(sheet.count(QStringLiteral("<hr/>")) >= 2 * tasks);
    // No number of the key gives an answer away on the pupils' sheet.
    QVERIFY(key.contains(fixed(degrees(std::asin(1 / 1.33)), 2)));
    QVERIFY(!sheet.contains(fixed(degrees(std::asin(1 / 1.33)), 2)));
    QVERIFY(!sheet.contains(QStringLiteral("<sup>")));
}

// Every word goes through the lookup, escaped: a language whose texts are marked shows no
// Czech outside the marks, and a text with markup in it stays text.
void TestWorksheet::everyWordIsLookedUp()
{
    const TextLookup marked = [](std::string_view source) {
        return "<<" + std::string(source) + ">>";
    };
    for (const WorksheetPart part : {WorksheetPart::Sheet, WorksheetPart::Key}) {
        QString html = QString::fromStdString(worksheetHtml(part, marked, NumberFormat{"."}));
        QVERIFY(!html.contains(QStringLiteral("<<")));
        html.remove(QRegularExpression(QStringLiteral("&lt;&lt;.*?&gt;&gt;"),
                                       QRegularExpression::DotMatchesEverythingOption));
        QVERIFY2(!html.contains(QStringLiteral("Předpověď")) && !html.contains(u'ř'),
                 qPrintable(html.left(400)));
    }
}

QTEST_APPLESS_MAIN(TestWorksheet)
#include "test_worksheet.moc"
