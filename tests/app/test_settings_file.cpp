// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file goes by the rule of every file the program writes, and never holds the
// program: nothing but a regular file that is not write-protected is written, a pipe is not
// read, and a lock no one releases is given up.

#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What is at a path, to see that it was left alone.
struct Found
{
    bool there = false;
    mode_t mode = 0;
    ino_t inode = 0;
    QByteArray bytes;
    friend bool operator==(const Found&, const Found&) = default;
};

Found foundAt(const QString& path)
{
    struct stat info
    {};
    if (::lstat(native(path).constData(), &info) != 0) {
        return {};
    }
    QByteArray bytes;
    if (S_ISREG(info.st_mode)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            bytes = file.readAll();
        }
    }
    return {true, info.st_mode, info.st_ino, bytes};
}

// How the settings file's place is taken before the settings are written.
enum class Place
{
    LinkToDevice,
    Fifo,
    LinkToNothing,
    WriteProtected,
    FolderForLock,
    OtherHostsLock,
};
} // namespace

Q_DECLARE_METATYPE(Place)

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unusablePlaceIsNotWritten_data();
    void unusablePlaceIsNotWritten();
    void usualPlaceIsWritten_data();
    void usualPlaceIsWritten();
    void pipeInPlaceHoldsNoRun();
};

void TestSettingsFile::unusablePlaceIsNotWritten_data()
{
    QTest::addColumn<Place>("place");
    QTest::newRow("a link to a device") << Place::LinkToDevice;
    QTest::newRow("a named pipe") << Place::Fifo;
    QTest::newRow("a link to nothing") << Place::LinkToNothing;
    QTest::newRow("a write-protected file") << Place::WriteProtected;
    QTest::newRow("a folder where the lock goes") << Place::FolderForLock;
    QTest::newRow("another host's fresh lock") << Place::OtherHostsLock;
}

void TestSettingsFile::unusablePlaceIsNotWritten()
{
    QFETCH(Place, place);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Brontel.conf"));
    const QString special = dir.filePath(QStringLiteral("special"));
    const QString lock = file + QStringLiteral(".lock");
    // Opened before its place is taken, as when the place changes while the window is open:
    // opening reads the file, and a pipe would hold the test there.
    QSettings settings(file, QSettings::IniFormat);
    switch (place) {
    case Place::LinkToDevice:
        // A copy of /dev/null where the superuser can make one, else the real one: either
        // stays a device.
        if (::mknod(native(special).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), file));
        } else {
            QVERIFY(QFile::link(special, file));
        }
        break;
    case Place::Fifo:
        QCOMPARE(::mkfifo(native(file).constData(), 0644), 0);
        break;
    case Place::LinkToNothing:
        QVERIFY(QFile::link(special, file));
        break;
    case Place::WriteProtected:
        put(file, "[window]\nfactor=1\n");
        QCOMPARE(::chmod(native(file).constData(), 0444), 0);
        break;
    case Place::FolderForLock:
        put(file, "[window]\nfactor=1\n");
        QVERIFY(QDir().mkdir(lock));
        break;
    case Place::OtherHostsLock:
        put(file, "[window]\nfactor=1\n");
        put(lock, "12345\nbrontel\nanother-host.example\n");
        break;
    }
    const Found before = foundAt(file);
    const Found lockBefore = foundAt(lock);
    QVERIFY(!settingsWritable(settings));
    QCOMPARE(foundAt(file), before);
    QCOMPARE(foundAt(lock), lockBefore);
}

void TestSettingsFile::usualPlaceIsWritten_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("folderThere");
    QTest::newRow("a file written before") << true << true;
    QTest::newRow("the first start") << false << false;
}

void TestSettingsFile::usualPlaceIsWritten()
{
    QFETCH(bool, fileThere);
    QFETCH(bool, folderThere);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Brontel"));
    const QString file = folder + QStringLiteral("/Brontel.conf");
    if (folderThere) {
        QVERIFY(QDir().mkdir(folder));
    }
    if (fileThere) {
        put(file, "[window]\nfactor=1\n");
    }
    {
        QSettings settings(file, QSettings::IniFormat);
        QVERIFY(settingsWritable(settings));
        settings.setValue(QStringLiteral("window/factor"), 2);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }
    QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("window/factor")).toInt(),
             2);
}

void TestSettingsFile::pipeInPlaceHoldsNoRun()
{
    // Reading a pipe waits for a writer that never comes.
    QTemporaryDir dir;
    QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("Brontel"))));
    const QString conf = dir.filePath(QStringLiteral("Brontel/Brontel.conf"));
    QCOMPARE(::mkfifo(native(conf).constData(), 0644), 0);
    const QString csv = dir.filePath(QStringLiteral("c.csv"));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(BRONTEL_EXECUTABLE), {QStringLiteral("--curves"), csv});
    const bool finished = program.waitForFinished(60000);
    if (!finished) {
        program.kill();
        program.waitForFinished();
    }
    QVERIFY2(finished, "the program waits on the pipe");
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QFile::exists(csv));
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(said.startsWith(QStringLiteral("brontel: ")) && said.contains(conf) &&
                 said.count(u'\n') == 1,
             qPrintable(said));
    struct stat after
    {};
    QCOMPARE(::lstat(native(conf).constData(), &after), 0);
    QVERIFY(S_ISFIFO(after.st_mode));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
