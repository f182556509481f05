// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `brontel --explore`, run as a user runs it: the table's columns and rows, the decay length
// that a straight line through ln(h_amplitude_squared) gives, the gap's columns, and the
// refusals of values out of range.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

struct Table
{
    QStringList header;
    QList<QStringList> rows;
};

int runProgram(const QStringList& arguments, QString* errors = nullptr)
{
    QProcess program;
    program.start(QStringLiteral(BRONTEL_EXECUTABLE), QStringList{"--explore"} + arguments);
    if (!program.waitForFinished(120000) || program.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    if (errors) {
        *errors = QString::fromUtf8(program.readAllStandardError());
    }
    return program.exitCode();
}

Table readTable(const QString& path)
{
    QFile file(path);
    Table table;
    if (!file.open(QIODevice::ReadOnly)) {
        return table;
    }
    const QStringList lines =
        QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    table.header = lines.value(0).split(QLatin1Char(','));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        table.rows.append(lines[i].split(QLatin1Char(',')));
    }
    return table;
}

// The least-squares slope of ln(column y) against column x over from ≤ x ≤ to.
double logSlope(const Table& t, int x, int y, double from, double to)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const QStringList& row : t.rows) {
        if (row.value(x).isEmpty()) {
            continue;
        }
        const double a = row[x].toDouble();
        if (a < from || a > to) {
            continue;
        }
        const double b = std::log(row[y].toDouble());
        n += 1;
        sx += a;
        sy += b;
        sxx += a * a;
        sxy += a * b;
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

} // namespace

class TestExploreCommandLine : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    void decayLength_data()
    {
        QTest::addColumn<QString>("substance");
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<double>("d");
        QTest::newRow("water 50") << "water"
                                  << "50" << 1.71;
        QTest::newRow("glass 60") << "glass"
                                  << "60" << 0.40;
    }
    void decayLength()
    {
        QFETCH(QString, substance);
        QFETCH(QString, alpha);
        QFETCH(double, d);
        const QString csv = m_dir.filePath(substance + alpha + QStringLiteral(".csv"));
        QCOMPARE(runProgram({"--substance", substance, "--alpha", alpha, "--curves", csv}), 0);
        const Table t = readTable(csv);
        QCOMPARE(t.header, (QStringList{"z_twips", "h_amplitude_squared", "h_relative",
                                        "classical_relative"}));
        QCOMPARE_GE(t.rows.size(), 61);
        QCOMPARE(t.rows.first().value(2), QStringLiteral("1"));
        // From the surface to at least 6 d, in steps no coarser than d / 10.
        QCOMPARE_GE(t.rows.last().value(0).toDouble(), 6 * d * 0.99);
        QCOMPARE_LE(t.rows[1].value(0).toDouble(), d / 10 * 1.01);
        const double fitted = -2 / logSlope(t, 0, 1, d, 6 * d);
        QCOMPARE_LE(std::abs(fitted / d - 1), 0.05);
        // The classical column is e^{−2z/d}.
        const QStringList& row = t.rows[10];
        QCOMPARE_LE(std::abs(row[3].toDouble() - std::exp(-2 * row[0].toDouble() / d)), 0.01);
    }

    void belowCriticalHasNoClassicalDecay()
    {
        const QString csv = m_dir.filePath(QStringLiteral("below.csv"));
        QCOMPARE(runProgram({"--substance", "water", "--alpha", "40", "--curves", csv}), 0);
        const Table t = readTable(csv);
        QCOMPARE(t.rows.last().value(0), QStringLiteral("10"));
        for (const QStringList& row : t.rows) {
            QCOMPARE(row.value(3), QString());
            QCOMPARE_GE(row.value(2).toDouble(), 0.95);
        }
    }

    void gapColumns()
    {
        const QString csv = m_dir.filePath(QStringLiteral("gap.csv"));
        const double d = 0.583;
        QCOMPARE(runProgram({"--index", "1.33", "--alpha", "60", "--gap", "3.5", "--curves", csv}),
                 0);
        const Table t = readTable(csv);
        QCOMPARE(t.header.mid(4), (QStringList{"gap_twips", "block_amplitude_squared",
                                               "block_relative", "classical_transmission"}));
        int gapRows = 0;
        for (const QStringList& row : t.rows) {
            gapRows += row.value(4).isEmpty() ? 0 : 1;
        }
        QCOMPARE_GE(gapRows, 40);
        QCOMPARE(t.rows.first().value(4), QStringLiteral("0"));
        QCOMPARE(t.rows[gapRows - 1].value(4), QStringLiteral("3.5"));
        const double fitted = -2 / logSlope(t, 4, 6, d, 5 * d);
        QCOMPARE_LE(std::abs(fitted / d - 1), 0.10);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("says");
        QTest::newRow("no angle") << QStringList{"--curves", "a.csv"} << "--alpha";
        QTest::newRow("angle too large")
            << QStringList{"--alpha", "90", "--curves", "a.csv"} << "89.9";
        QTest::newRow("index too small")
            << QStringList{"--index", "0.9", "--alpha", "50", "--curves", "a.csv"} << "--index";
        QTest::newRow("both substance and index")
            << QStringList{"--substance", "glass", "--index",  "1.5",
                           "--alpha",     "50",    "--curves", "a.csv"}
            << "not both";
        QTest::newRow("sampling") << QStringList{"--alpha", "50",       "--sampling",
                                                 "2",       "--curves", "a.csv"}
                                  << "0.5 or 1";
        QTest::newRow("waist") << QStringList{"--alpha", "50", "--waist", "50", "--curves", "a.csv"}
                               << "100 to 5000";
        QTest::newRow("no table") << QStringList{"--alpha", "50"} << ".csv";
        QTest::newRow("second index without a gap")
            << QStringList{"--alpha", "50", "--index2", "1.5", "--curves", "a.csv"} << "--gap";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        QString errors;
        QCOMPARE(runProgram(arguments + QStringList{"--lang", "en"}, &errors), 2);
        QVERIFY2(errors.contains(says), qPrintable(errors));
        QVERIFY(!QFile::exists(QStringLiteral("a.csv")));
    }
};

QTEST_GUILESS_MAIN(TestExploreCommandLine)
#include "test_explore_command_line.moc"
