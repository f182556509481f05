// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files leave the program whole and true or not at all: never one file over another, never over
// anything but a regular file, either all of several or none, no picture that could not be made,
// an SVG that is plain XML whatever was typed, a PDF printed to a file as whole as a saved one,
// and file names in the system's own bytes.

#include "Brontel.h"
#include "NativeFileName.h"
#include "PictureSurface.h"
#include "RunWait.h"
#include "SceneMenu.h"
#include "ScenePicture.h"
#include "WholeFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include <dirent.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The names in folder, as the system spells them.
QList<QByteArray> namesIn(const QString& folder)
{
    QList<QByteArray> names;
    if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..") {
                names << name;
            }
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// How a path was made before the write.
enum class Kind
{
    Fifo,
    LinkToFifo,
    Folder,
    DanglingLink,
    CharacterDevice,
    LinkToCharacterDevice
};
} // namespace

Q_DECLARE_METATYPE(Kind)

class TestWholeFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }
    void oneFileTwiceIsRefused_data();
    void oneFileTwiceIsRefused();
    void onlyRegularFilesAreReplaced_data();
    void onlyRegularFilesAreReplaced();
    void writeProtectedFilesAreNotReplaced_data();
    void writeProtectedFilesAreNotReplaced();
    void commandLineLeavesWriteProtectedFile();
    void endingSignalLeavesNoTemporary_data();
    void endingSignalLeavesNoTemporary();
    void aLaterFailurePutsEarlierFilesBack();
    void replacedFileKeepsItsMode();
    void reasonsAreSaid_data();
    void reasonsAreSaid();
    void emptyContentsAreNotWritten();
    void fileNamesKeepTheirBytes_data();
    void fileNamesKeepTheirBytes();
    void longestNamesAreWritten_data();
    void longestNamesAreWritten();
    void pictureTooLargeForMemoryIsNoFile();
    void vectorFileShortOfMemoryIsAMessage_data();
    void vectorFileShortOfMemoryIsAMessage();
    void svgIsPlainXmlWhateverIsTyped_data();
    void svgIsPlainXmlWhateverIsTyped();
    void settingsLineTakesAFieldOnlyInPart();
    void printedPdfIsWholeOrNothing();
};

void TestWholeFiles::oneFileTwiceIsRefused_data()
{
    QTest::addColumn<QString>("how"); // how the second name reaches the first file
    QTest::newRow("the same name") << "same";
    QTest::newRow("spelt with ./") << "dot";
    QTest::newRow("a symbolic link") << "symlink";
    QTest::newRow("a hard link") << "hardlink";
    QTest::newRow("a link to a file not yet there") << "dangling";
}

void TestWholeFiles::oneFileTwiceIsRefused()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("same.png"));
    QString second = dir.filePath(QStringLiteral("same.csv"));
    if (how != QLatin1String("dangling")) {
        put(first, "earlier picture");
    }
    if (how == QLatin1String("same")) {
        second = first;
    } else if (how == QLatin1String("dot")) {
        second = dir.path() + QStringLiteral("/./same.png");
    } else if (how == QLatin1String("symlink") || how == QLatin1String("dangling")) {
        QVERIFY(QFile::link(first, second));
    } else {
        QCOMPARE(
            ::link(QFile::encodeName(first).constData(), QFile::encodeName(second).constData()), 0);
    }
    const QList<QByteArray> before = namesIn(dir.path());
    const auto failure = writeWhole({{first, "new picture"}, {second, "new curves"}});
    QVERIFY(failure);
    QVERIFY2(failure->contains(QStringLiteral("same.")), qPrintable(*failure));
    QCOMPARE(namesIn(dir.path()), before);
    if (how != QLatin1String("dangling")) {
        QCOMPARE(contents(first), QByteArray("earlier picture"));
    }
}

void TestWholeFiles::onlyRegularFilesAreReplaced_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("a named pipe") << Kind::Fifo;
    QTest::newRow("a link to a named pipe") << Kind::LinkToFifo;
    QTest::newRow("a folder") << Kind::Folder;
    QTest::newRow("a link to nothing") << Kind::DanglingLink;
    QTest::newRow("a character device") << Kind::CharacterDevice;
    QTest::newRow("a link to a character device") << Kind::LinkToCharacterDevice;
}

void TestWholeFiles::onlyRegularFilesAreReplaced()
{
    QFETCH(Kind, kind);
    QTemporaryDir dir;
    const QByteArray special = QFile::encodeName(dir.filePath(QStringLiteral("special")));
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    const QByteArray native = QFile::encodeName(path);
    const bool linked = kind == Kind::LinkToFifo || kind == Kind::DanglingLink ||
                        kind == Kind::LinkToCharacterDevice;
    const QByteArray made = linked ? special : native;
    switch (kind) {
    case Kind::Fifo:
    case Kind::LinkToFifo:
        QCOMPARE(::mkfifo(made.constData(), 0644), 0);
        break;
    case Kind::Folder:
        QVERIFY(QDir().mkdir(path));
        break;
    case Kind::DanglingLink:
        break;
    case Kind::CharacterDevice:
    case Kind::LinkToCharacterDevice:
        // A copy of /dev/null, as only the superuser can make one.
        if (::mknod(made.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
            QSKIP("making a device takes the superuser");
        }
        break;
    }
    if (linked) {
        QCOMPARE(::symlink(special.constData(), native.constData()), 0);
    }
    struct stat before
    {};
    QCOMPARE(::lstat(made.constData(), &before) == 0, kind != Kind::DanglingLink);

    const auto failure = writeWhole({{path, "picture"}});
    QVERIFY(failure);
    QVERIFY2(failure->contains(QStringLiteral("picture.png")), qPrintable(*failure));
    struct stat after
    {};
    QCOMPARE(::lstat(made.constData(), &after) == 0, kind != Kind::DanglingLink);
    if (kind != Kind::DanglingLink) {
        QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
        QCOMPARE(after.st_ino, before.st_ino);
    }
    struct stat link
    {};
    QCOMPARE(::lstat(native.constData(), &link), 0);
    QVERIFY(!S_ISREG(link.st_mode)); // the name still names what it named
}

void TestWholeFiles::writeProtectedFilesAreNotReplaced_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("read-only for all") << 0444 << false;
    QTest::newRow("readable by its owner alone") << 0400 << false;
    QTest::newRow("no permissions at all") << 0 << false;
    QTest::newRow("a link to a read-only file") << 0444 << true;
}

void TestWholeFiles::writeProtectedFilesAreNotReplaced()
{
    // The superuser may write anything, so the file's mode is what must protect it.
    QFETCH(int, mode);
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    const QString kept = dir.filePath(QStringLiteral("kept.csv"));
    put(kept, "keep");
    QCOMPARE(::chmod(QFile::encodeName(kept).constData(), mode_t(mode)), 0);
    const QString path = throughLink ? dir.filePath(QStringLiteral("link.csv")) : kept;
    if (throughLink) {
        QVERIFY(QFile::link(kept, path));
    }
    const QString other = dir.filePath(QStringLiteral("other.png"));
    const QList<QByteArray> before = namesIn(dir.path());
    const auto failure = writeWhole({{other, "picture"}, {path, "new"}});
    QVERIFY(failure);
    QVERIFY2(failure->contains(QFileInfo(path).fileName()) &&
                 failure->contains(QStringLiteral("chráněný proti zápisu")),
             qPrintable(*failure));
    QCOMPARE(namesIn(dir.path()), before);
    QCOMPARE(::chmod(QFile::encodeName(kept).constData(), 0644), 0);
    QCOMPARE(contents(kept), QByteArray("keep"));
}

void TestWholeFiles::commandLineLeavesWriteProtectedFile()
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("r.csv"));
    put(csv, "keep\n");
    QCOMPARE(::chmod(QFile::encodeName(csv).constData(), 0444), 0);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    program.setProcessEnvironment(env);
    program.start(
        QStringLiteral(BRONTEL_EXECUTABLE),
        {QStringLiteral("--lang"), QStringLiteral("cs"), QStringLiteral("--curves"), csv});
    QVERIFY(program.waitForFinished(60000));
    const QString said = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(said.contains(QStringLiteral("r.csv")) &&
                 said.contains(QStringLiteral("chráněný proti zápisu")),
             qPrintable(said));
    QCOMPARE(contents(csv), QByteArray("keep\n"));
    QCOMPARE(namesIn(dir.path()), QList<QByteArray>{"r.csv"});
}

void TestWholeFiles::endingSignalLeavesNoTemporary_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("earlierFiles");
    QTest::newRow("SIGTERM, new files") << int(SIGTERM) << false;
    QTest::newRow("SIGTERM, files replaced") << int(SIGTERM) << true;
    QTest::newRow("SIGINT, new files") << int(SIGINT) << false;
    QTest::newRow("SIGINT, files replaced") << int(SIGINT) << true;
    QTest::newRow("SIGHUP, files replaced") << int(SIGHUP) << true;
}

void TestWholeFiles::endingSignalLeavesNoTemporary()
{
    // The signal comes the moment the first temporary file appears beside the files.
    QFETCH(int, signal);
    QFETCH(bool, earlierFiles);
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    const QString curves = dir.filePath(QStringLiteral("c.csv"));
    if (earlierFiles) {
        put(picture, "earlier picture");
        put(curves, "earlier curves");
    }
    const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    QVERIFY(watch >= 0);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_CREATE) >= 0);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(BRONTEL_EXECUTABLE),
                  {QStringLiteral("--picture"), picture, QStringLiteral("--scale"),
                   QStringLiteral("8"), QStringLiteral("--curves"), curves});
    QVERIFY(program.waitForStarted());
    bool signalled = false;
    alignas(inotify_event) char events[4096];
    pollfd waiting{watch, POLLIN, 0};
    while (!signalled && ::poll(&waiting, 1, 60000) == 1) {
        const ssize_t got = ::read(watch, events, sizeof events);
        for (ssize_t at = 0; at < got && !signalled;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            const QByteArray name(event->len > 0 ? event->name : "");
            if (name.startsWith("p.png.") || name.startsWith("c.csv.")) {
                ::kill(pid_t(program.processId()), signal);
                signalled = true;
            }
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    QVERIFY(signalled);
    QVERIFY(program.waitForFinished(60000));
    const QList<QByteArray> left = namesIn(dir.path());
    for (const QByteArray& name : left) {
        QVERIFY2(name == "p.png" || name == "c.csv", name.constData());
    }
    if (earlierFiles) {
        QCOMPARE(left, (QList<QByteArray>{"c.csv", "p.png"}));
    }
}

void TestWholeFiles::aLaterFailurePutsEarlierFilesBack()
{
    // A folder where anyone may make files but only owners replace theirs, holding another
    // user's curves: the picture is written, the curves are not, so neither may change.
    if (::geteuid() != 0) {
        QSKIP("the other user takes the superuser to play");
    }
    QTemporaryDir dir;
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 01777), 0);
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    const QString curves = dir.filePath(QStringLiteral("c.csv"));
    put(picture, "earlier picture");
    put(curves, "another user's curves");
    constexpr uid_t nobody = 65534;
    QCOMPARE(::chown(QFile::encodeName(picture).constData(), nobody, nobody), 0);
    QProcess program;
    program.setProgram(QStringLiteral(BRONTEL_EXECUTABLE));
    program.setArguments(
        {QStringLiteral("--picture"), picture, QStringLiteral("--curves"), curves});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    env.insert(QStringLiteral("HOME"), dir.path());
    program.setProcessEnvironment(env);
    program.setChildProcessModifier([] {
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
            ::_exit(99);
        }
    });
    program.start();
    QVERIFY(program.waitForFinished(60000));
    const QString said = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(said.startsWith(QStringLiteral("brontel: ")) && said.contains(QStringLiteral("c.csv")),
             qPrintable(said));
    QCOMPARE(contents(picture), QByteArray("earlier picture"));
    QCOMPARE(contents(curves), QByteArray("another user's curves"));
    QCOMPARE(namesIn(dir.path()), (QList<QByteArray>{"c.csv", "p.png"}));
}

void TestWholeFiles::replacedFileKeepsItsMode()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("curves.csv"));
    put(path, "earlier");
    const QByteArray native = QFile::encodeName(path);
    QCOMPARE(::chmod(native.constData(), 0640), 0);
    QVERIFY(!writeWhole({{path, "new"}}));
    QCOMPARE(contents(path), QByteArray("new"));
    struct stat after
    {};
    QCOMPARE(::stat(native.constData(), &after), 0);
    QCOMPARE(after.st_mode & 07777, mode_t(0640));
    QCOMPARE(namesIn(dir.path()), QList<QByteArray>{"curves.csv"});
}

void TestWholeFiles::reasonsAreSaid_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("said");
    QTest::newRow("full disk") << ENOSPC << "disk je plný";
    QTest::newRow("quota used up") << EDQUOT << "disk je plný";
    QTest::newRow("no permission") << EACCES << "oprávnění";
    QTest::newRow("no folder") << ENOENT << "složka neexistuje";
    QTest::newRow("read-only disk") << EROFS << "jen pro čtení";
}

void TestWholeFiles::reasonsAreSaid()
{
    QFETCH(int, error);
    QFETCH(QString, said);
    QVERIFY2(whyNotWritten(error).contains(said), qPrintable(whyNotWritten(error)));
}

void TestWholeFiles::emptyContentsAreNotWritten()
{
    QTemporaryDir dir;
    const QString earlier = dir.filePath(QStringLiteral("earlier.csv"));
    put(earlier, "earlier");
    const QString picture = dir.filePath(QStringLiteral("m.png"));
    const auto failure = writeWhole({{earlier, "new"}, {picture, QByteArray()}});
    QVERIFY(failure);
    QVERIFY2(failure->contains(QStringLiteral("m.png")), qPrintable(*failure));
    QCOMPARE(contents(earlier), QByteArray("earlier"));
    QCOMPARE(namesIn(dir.path()), QList<QByteArray>{"earlier.csv"});
}

void TestWholeFiles::fileNamesKeepTheirBytes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("UTF-8") << QByteArray("k\xc5\x99ivky.csv");
    QTest::newRow("Latin-2") << QByteArray("k\xf8ivky.csv");
    QTest::newRow("a lone continuation byte") << QByteArray("a\x80z.csv");
    QTest::newRow("an overlong slash") << QByteArray("a\xc0\xafz.csv");
    QTest::newRow("cut short") << QByteArray("a\xe2\x82.csv");
    QTest::newRow("beyond Unicode") << QByteArray("\xf4\x90\x80\x80.csv");
    QTest::newRow("an emoji") << QByteArray("\xf0\x9f\x98\x80.csv");
}

void TestWholeFiles::fileNamesKeepTheirBytes()
{
    QFETCH(QByteArray, name);
    const QString carried = fileNameFromNative(name);
    QVERIFY(!carried.contains(QChar(QChar::ReplacementCharacter)));
    QCOMPARE(nativeFileName(carried), name);
    QTemporaryDir dir;
    QVERIFY(!writeWhole({{dir.path() + QLatin1Char('/') + carried, "curves"}}));
    QCOMPARE(namesIn(dir.path()), QList<QByteArray>{name});
    // QTemporaryDir cannot name such a file to remove it.
    ::unlink((QFile::encodeName(dir.path()) + '/' + name).constData());
}

void TestWholeFiles::longestNamesAreWritten_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("earlierFile");
    const QByteArray ascii = QByteArray(251, 'a') + ".csv";
    // Two bytes a letter, cut anywhere by the temporary file's name.
    const QByteArray czech = QByteArray("a") + QByteArray("\xc4\x8d").repeated(125) + ".csv";
    QTest::newRow("255 bytes, new") << ascii << false;
    QTest::newRow("255 bytes, replaced") << ascii << true;
    QTest::newRow("255 bytes of UTF-8, new") << czech << false;
    QTest::newRow("255 bytes of UTF-8, replaced") << czech << true;
    QTest::newRow("254 bytes, replaced") << ascii.mid(1) << true;
}

void TestWholeFiles::longestNamesAreWritten()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, earlierFile);
    QTemporaryDir dir;
    const QString path = dir.path() + QLatin1Char('/') + fileNameFromNative(name);
    if (earlierFile) {
        put(path, "earlier");
    }
    const auto failure = writeWhole({{path, "curves"}});
    QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
    QCOMPARE(contents(path), QByteArray("curves"));
    QCOMPARE(namesIn(dir.path()), QList<QByteArray>{name});
}

void TestWholeFiles::pictureTooLargeForMemoryIsNoFile()
{
    Brontel w(Countdown(0));
    w.load();
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(w));
    // Hundreds of gigabytes: no machine gives them; the picture is refused, not half made.
    QVERIFY(ScenePicture(w.model(), w.picture().drawing()).image(400).isNull());
    QVERIFY(ScenePicture(w.model(), w.picture().drawing()).file(PictureFormat::Png, 400).isEmpty());
    QVERIFY(!ScenePicture(w.model(), w.picture().drawing()).file(PictureFormat::Png, 1).isEmpty());
}

void TestWholeFiles::vectorFileShortOfMemoryIsAMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("megabytes"); // of address space for the whole program
    // Somewhere in this range the program has room to start and run, but not to finish the
    // file; where exactly depends on the libraries.
    for (const char* name : {"p.pdf", "p.svg"}) {
        for (int megabytes = 90; megabytes <= 180; megabytes += 6) {
            QTest::addRow("%s in %d MB", name, megabytes) << QString::fromLatin1(name) << megabytes;
        }
    }
}

void TestWholeFiles::vectorFileShortOfMemoryIsAMessage()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer reserves more address space than any limit here");
#endif
    QFETCH(QString, name);
    QFETCH(int, megabytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    program.setProcessEnvironment(env);
    program.setChildProcessModifier([megabytes] {
        const rlimit limit{rlim_t(megabytes) << 20, rlim_t(megabytes) << 20};
        ::setrlimit(RLIMIT_AS, &limit);
        ::setrlimit(RLIMIT_CORE, &limit);
    });
    program.start(QStringLiteral(BRONTEL_EXECUTABLE), {QStringLiteral("--picture"), path});
    QVERIFY(program.waitForFinished(60000));
    const QString said = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(program.exitStatus() == QProcess::NormalExit, qPrintable(said));
    if (program.exitCode() == 0) {
        QVERIFY(QFileInfo(path).size() > 0);
    } else {
        QCOMPARE(program.exitCode(), 1);
        QVERIFY2(said.startsWith(QStringLiteral("brontel: ")) && said.contains(name),
                 qPrintable(said));
        QCOMPARE(namesIn(dir.path()).contains(QFile::encodeName(name)), false);
    }
}

void TestWholeFiles::svgIsPlainXmlWhateverIsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("described"); // how the description reads before any run
    QTest::newRow("markup") << "</desc><script>alert(1)</script><desc>"
                            << "index lomu </desc><script>alert(1)…";
    QTest::newRow("control characters")
        << QStringLiteral("1\u0001\u001b\u000b,33") << "index lomu 1,33,";
    QTest::newRow("a lone surrogate")
        << QString(QChar(0xD800)) + QStringLiteral("1,33") << "index lomu 1,33,";
    QTest::newRow("non-characters") << QStringLiteral("1\uFFFE\uFFFF") << "index lomu 1,";
    QTest::newRow("entities") << "&amp; &lt;script&gt; ]]>"
                              << "index lomu &amp; &lt;script&gt; ]]>,";
}

void TestWholeFiles::svgIsPlainXmlWhateverIsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, described);
    for (const bool afterRun : {false, true}) {
        Brontel w(Countdown(0));
        w.load();
        if (afterRun) {
            w.control<QPushButton>(Control::cmdStart)->click();
            QVERIFY(waitForRunEnd(w));
        }
        w.control<QLineEdit>(Control::nIndex)
            ->setText(typed); // drawn into the settings line before any run
        w.control<QLineEdit>(Control::nDetektorV)
            ->setText(typed); // an editable caption, drawn as text
        const QByteArray svg =
            ScenePicture(w.model(), w.picture().drawing()).file(PictureFormat::Svg, 1);
        QVERIFY(!svg.isEmpty());
        QXmlStreamReader reader(svg);
        int scripts = 0;
        QString description;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (reader.name() == QLatin1String("script")) {
                ++scripts;
            } else if (reader.name() == QLatin1String("desc")) {
                description = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QCOMPARE(scripts, 0);
        // The text reads back as typed, less what XML cannot hold.
        if (!afterRun) {
            QVERIFY2(description.contains(described), qPrintable(description));
        }
    }
}

void TestWholeFiles::settingsLineTakesAFieldOnlyInPart()
{
    Brontel w(Countdown(0));
    w.load();
    w.control<QLineEdit>(Control::nAlfa)->setMaxLength(40000);
    w.control<QLineEdit>(Control::nAlfa)->setText(QString(32000, QLatin1Char('9')));
    const QString line = ScenePicture(w.model(), w.picture().drawing()).settingsLine();
    QVERIFY2(line.size() < 200, qPrintable(QString::number(line.size())));
    QVERIFY(line.contains(QStringLiteral("999…")));
}

void TestWholeFiles::printedPdfIsWholeOrNothing()
{
    Brontel w(Countdown(0));
    w.load();
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(w));
    auto* menu = w.findChild<SceneMenu*>();
    QVERIFY(menu);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brontel.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(!menu->printOn(printer));
    const QByteArray good = contents(path);
    QVERIFY(good.startsWith("%PDF"));
    QVERIFY(good.trimmed().endsWith("%%EOF"));

    // A disk that takes only a few bytes more: the earlier PDF stays as it was, and the
    // failure is said.
    struct rlimit old
    {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit tight = old;
    tight.rlim_cur = 1000;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const auto failure = menu->printOn(printer);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    QVERIFY(failure);
    QVERIFY2(failure->contains(QStringLiteral("brontel.pdf")), qPrintable(*failure));
    QCOMPARE(contents(path), good);
    QCOMPARE(namesIn(dir.path()), QList<QByteArray>{"brontel.pdf"});
}

QTEST_MAIN(TestWholeFiles)
#include "test_whole_files.moc"
