// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The curves as they leave the program: a whole run's CSV read back as a spreadsheet would, its
// columns, and its numbers against the run's worked values.

#include "CurveRecord.h"
#include "CurvesCsv.h"
#include "ExperimentRun.h"
#include "RecordingSurface.h"
#include "RunSettings.h"
#include "SettingsOfKeys.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {
// The start-up settings' run, stopped after steps.
CurveRecord startUpRun(int steps = 467)
{
    RecordingSurface surface;
    ExperimentRun run(surface, settingsOfKeys(1.33, 35, "35", "Voda", "750", 750));
    for (int k = 0; k < steps; ++k) {
        run.drawStep();
    }
    return run.record();
}

// Splits RFC 4180 text without quoted fields (the writer never needs quotes) into rows.
QList<QStringList> rowsOf(const std::string& csv, QChar column = QLatin1Char(','))
{
    QList<QStringList> rows;
    const QString text = QString::fromStdString(csv);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast(); // the last record ends with a line break too
    }
    for (const QString& line : lines) {
        rows << line.split(column);
    }
    return rows;
}
} // namespace

class TestCurvesCsv : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_record = startUpRun(); }
    void headerAndShape();
    void numbersReadBackExactly();
    void longestBars_data();
    void longestBars();
    void stoppedRunWritesTheStepsDrawn();
    void spreadsheetFileReadsBackInItsLocale_data();
    void spreadsheetFileReadsBackInItsLocale();

private:
    CurveRecord m_record;
};

void TestCurvesCsv::headerAndShape()
{
    const std::string csv = curvesCsv(m_record);
    QVERIFY(csv.find('\n') != std::string::npos);
    QCOMPARE(csv.substr(csv.size() - 2), std::string("\r\n"));
    const QList<QStringList> rows = rowsOf(csv);
    QCOMPARE(rows.size(), 1 + 467);
    QCOMPARE(rows.front(), QStringList({"step", "y_twips", "x_twips", "v_amplitude_squared",
                                        "h_amplitude_squared", "l_amplitude_squared", "v_bar_twips",
                                        "h_bar_twips", "l_bar_twips", "substance", "index",
                                        "angle_degrees", "distance_twips"}));
    for (int r = 1; r < rows.size(); ++r) {
        QCOMPARE(rows[r].size(), 13);
        QCOMPARE(rows[r][0], QString::number(r - 1));
        QCOMPARE(rows[r][1], QString::number(500 + 15 * (r - 1)));
        QCOMPARE(rows[r][2], QString::number(3000 + 10 * (r - 1)));
        QCOMPARE(rows[r].mid(9), QStringList({"water", "1.33", "35", "750"}));
    }
}

void TestCurvesCsv::numbersReadBackExactly()
{
    const QList<QStringList> rows = rowsOf(curvesCsv(m_record));
    for (int r = 1; r < rows.size(); ++r) {
        const CurvePoint& p = m_record.points[r - 1];
        const double expected[] = {p.vSquared, p.hSquared, p.lSquared, p.vBar, p.hBar, p.lBar};
        for (int c = 0; c < 6; ++c) {
            bool ok = false;
            QCOMPARE(rows[r][3 + c].toDouble(&ok), expected[c]); // bit for bit
            QVERIFY(ok);
        }
        // A bar is its detector's scale times the squared resultant.
        QCOMPARE(rows[r][6].toDouble(), 0.005 * p.vSquared);
    }
}

void TestCurvesCsv::longestBars_data()
{
    QTest::addColumn<int>("barColumn");
    QTest::addColumn<int>("placeColumn");
    QTest::addColumn<double>("longest");
    QTest::addColumn<int>("at");
    QTest::newRow("V") << 6 << 1 << 1694.7 << 1565;
    QTest::newRow("H") << 7 << 2 << 1451.2 << 4050;
    QTest::newRow("L") << 8 << 2 << 832.3 << 5090;
}

void TestCurvesCsv::longestBars()
{
    QFETCH(int, barColumn);
    QFETCH(int, placeColumn);
    QFETCH(double, longest);
    QFETCH(int, at);
    const QList<QStringList> rows = rowsOf(curvesCsv(m_record));
    double best = -1;
    int bestAt = 0;
    for (int r = 1; r < rows.size(); ++r) {
        const double bar = rows[r][barColumn].toDouble();
        if (bar > best) {
            best = bar;
            bestAt = rows[r][placeColumn].toInt();
        }
    }
    QCOMPARE(std::round(best * 10) / 10, longest);
    QCOMPARE(bestAt, at);
}

void TestCurvesCsv::stoppedRunWritesTheStepsDrawn()
{
    const QList<QStringList> whole = rowsOf(curvesCsv(m_record));
    const QList<QStringList> stopped = rowsOf(curvesCsv(startUpRun(120)));
    QCOMPARE(stopped.size(), 1 + 120);
    QCOMPARE(stopped, whole.mid(0, 1 + 120)); // the same rows as far as it went
}

void TestCurvesCsv::spreadsheetFileReadsBackInItsLocale_data()
{
    QTest::addColumn<char>("localeDecimal");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("index");
    QTest::newRow("Czech: decimal comma") << ',' << QLocale(QLocale::Czech) << "1,33";
    QTest::newRow("German: decimal comma") << ',' << QLocale(QLocale::German) << "1,33";
    QTest::newRow("English: decimal point") << '.' << QLocale(QLocale::English) << "1.33";
    QTest::newRow("another separator: the point") << '\'' << QLocale::c() << "1.33";
}

void TestCurvesCsv::spreadsheetFileReadsBackInItsLocale()
{
    QFETCH(char, localeDecimal);
    QFETCH(QLocale, locale);
    QFETCH(QString, index);
    const std::string csv = curvesCsv(m_record, CsvSeparators::forSpreadsheets(localeDecimal));
    QCOMPARE(csv.substr(0, 3), std::string("\xEF\xBB\xBF")); // UTF-8 byte order mark
    const QList<QStringList> rows = rowsOf(csv.substr(3), QLatin1Char(';'));
    const QList<QStringList> standard = rowsOf(curvesCsv(m_record));
    QCOMPARE(rows.size(), standard.size());
    QCOMPARE(rows.front(), standard.front());
    for (int r = 1; r < rows.size(); ++r) {
        QCOMPARE(rows[r].size(), 13);
        QCOMPARE(rows[r].mid(9), QStringList({"water", index, "35", "750"}));
        const CurvePoint& p = m_record.points[r - 1];
        const double expected[] = {p.vSquared, p.hSquared, p.lSquared, p.vBar, p.hBar, p.lBar};
        for (int c = 0; c < 6; ++c) {
            bool ok = false;
            QCOMPARE(locale.toDouble(rows[r][3 + c], &ok), expected[c]); // bit for bit
            QVERIFY(ok);
        }
    }
}

QTEST_APPLESS_MAIN(TestCurvesCsv)
#include "test_curves_csv.moc"
