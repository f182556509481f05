// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as started from a shell: without any display it says so in one clear line; with a
// display that cannot be reached it says so too, never aborts, and writes files all the same.

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestProgram : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void noDisplayIsExplained();
    void unreachableDisplay_data();
    void unreachableDisplay();
};

void TestProgram::noDisplayIsExplained()
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(BRONTEL_EXECUTABLE), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(program.readAllStandardError()).trimmed();
    QCOMPARE(said.count(u'\n'), 0);
    QVERIFY2(said.contains(QStringLiteral("no display")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("xvfb-run")), qPrintable(said));
}

void TestProgram::unreachableDisplay_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::newRow("a stale X display") << "DISPLAY" << ":99";
    QTest::newRow("a Wayland display that is not there") << "WAYLAND_DISPLAY" << "wayland-9";
    QTest::newRow("a platform Qt does not have") << "QT_QPA_PLATFORM" << "bogus";
}

void TestProgram::unreachableDisplay()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(variable, value);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString png = dir.filePath(QStringLiteral("x.png"));

    QProcess files;
    files.setProcessEnvironment(env);
    files.start(QStringLiteral(BRONTEL_EXECUTABLE), {QStringLiteral("--picture"), png});
    QVERIFY(files.waitForFinished(60000));
    QCOMPARE(files.exitStatus(), QProcess::NormalExit);
    QCOMPARE(files.exitCode(), 0); // writing files needs no display at all
    QVERIFY(QFileInfo(png).size() > 0);

    QProcess window;
    window.setProcessEnvironment(env);
    window.start(QStringLiteral(BRONTEL_EXECUTABLE), {});
    QVERIFY(window.waitForFinished(20000));
    QCOMPARE(window.exitStatus(), QProcess::NormalExit); // no abort, no core dump
    QCOMPARE(window.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(window.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("brontel: found no display")), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
