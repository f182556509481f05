// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as started from a shell: without any display it says so in one clear line.

#include <QProcess>
#include <QTest>

class TestProgram : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void noDisplayIsExplained();
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

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
