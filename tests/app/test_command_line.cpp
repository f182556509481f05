// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line as a shell script meets it: files made without any display, and the exit
// status and one clear line for every way a call can go wrong.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

namespace {
struct Outcome
{
    int exitCode = -1;
    QString errors;
    QString output;
};

// config is the folder the program keeps its settings in; by default an empty one of the
// test's own, so that nothing the user chose (such as the interface's language) gets in.
Outcome runProgram(const QStringList& arguments, const QString& config = {},
                   const QString& locale = {}, const QString& runtimeFolder = {})
{
    static const QTemporaryDir noSettings;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No runtime folder either, as under cron, su or a bare ssh session.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.isEmpty() ? noSettings.path() : config);
    if (!runtimeFolder.isEmpty()) {
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    }
    if (!locale.isEmpty()) {
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("LANG"), locale);
    }
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(BRONTEL_EXECUTABLE), arguments);
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardError()),
            QString::fromUtf8(program.readAllStandardOutput())};
}
} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exitStatus_data();
    void exitStatus();
    void filesFromTheStartUpRun();
    void languageOfTheFiles_data();
    void languageOfTheFiles();
    void aGoodCallSaysNothing_data();
    void aGoodCallSaysNothing();
    void pictureWithoutMemoryIsNoFile();
    void fileNameInAnotherEncoding();
    void oneFileThroughALinkIsRefused();
    void curvesForSpreadsheets_data();
    void curvesForSpreadsheets();
    void helpNamesTheProgram();
    void textThatCannotBeWrittenFails_data();
    void textThatCannotBeWrittenFails();
    void numbersReadInEveryLocale_data();
    void numbersReadInEveryLocale();
    void messagesInOneLanguage_data();
    void messagesInOneLanguage();

private:
    QTemporaryDir m_dir;
};

void TestCommandLine::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");     // a part of what it says on standard error
    QTest::addColumn<QString>("leftFile"); // a file name that must not exist afterwards

    QTest::newRow("good call") << QStringList{"--substance", "sklo",     "--angle",
                                              "mezni",       "--curves", "good.csv"}
                               << 0 << QString() << QString();
    QTest::newRow("wrong substance")
        << QStringList{"--lang", "en", "--substance", "ice", "--curves", "ice.csv"} << 2
        << "--substance: 'ice' is not accepted; use one of: water, glass"
        << "ice.csv";
    QTest::newRow("wrong distance") << QStringList{"--lang", "en", "--distance", "200"} << 2
                                    << "--distance: '200' is not accepted" << QString();
    QTest::newRow("unknown option") << QStringList{"--colour", "red"} << 2 << "colour" << QString();
    QTest::newRow("picture of no known kind")
        << QStringList{"--picture", "x.gif"} << 2 << ".png, .svg nebo .pdf"
        << "x.gif";
    QTest::newRow("scale out of range")
        << QStringList{"--picture", "s.png", "--scale", "0"} << 2 << "--scale: „0“"
        << "s.png";
    QTest::newRow("index not a number")
        << QStringList{"--index", "abc", "--curves", "abc.csv"} << 2 << "není číslo"
        << "abc.csv";
    QTest::newRow("unwritable path")
        << QStringList{"--curves", "no/such/folder/x.csv", "--picture", "both.svg"} << 1
        << "no/such/folder/x.csv"
        << "both.svg";
    QTest::newRow("unknown language") << QStringList{"--lang", "fr", "--curves", "fr.csv"} << 2
                                      << "--lang: „fr“ nelze použít; použijte jedno z: cs, en"
                                      << "fr.csv";
    QTest::newRow("unknown curves format")
        << QStringList{"--lang", "en", "--curves", "f.csv", "--curves-format", "excel"} << 2
        << "--curves-format: 'excel' is not accepted; use one of: standard, locale"
        << "f.csv";
    QTest::newRow("language without a code") << QStringList{"--lang"} << 2 << "lang" << QString();
    QTest::newRow("refusal in English")
        << QStringList{"--lang", "en", "--index", "abc", "--curves", "abc.csv"} << 2
        << "is not a number"
        << "abc.csv";
    QTest::newRow("missing value: one full stop, then the advice")
        << QStringList{"--lang", "en", "--picture"} << 2
        << "brontel: missing value after '--picture'; see brontel" << QString();
    QTest::newRow("a file that cannot be written: brontel: first")
        << QStringList{"--curves", "no/such/folder/x.csv"} << 1 << "brontel: Soubor „no/such"
        << QString();
    QTest::newRow("1e309 is out of the angle's range as 1e308 is")
        << QStringList{"--alpha", "1e309", "--curves", "big.csv"} << 2 << "od 0 do 90"
        << "big.csv";
    QTest::newRow("an option given twice")
        << QStringList{"--lang", "en", "--picture", "a.png", "--picture", "b.svg"} << 2
        << "--picture is given 2 times"
        << "b.svg";
    QTest::newRow("scale of a vector picture")
        << QStringList{"--picture", "v.svg", "--scale", "2"} << 2 << "--scale"
        << "v.svg";
    QTest::newRow("scale without a picture")
        << QStringList{"--scale", "2", "--curves", "s.csv"} << 2 << "--scale"
        << "s.csv";
    QTest::newRow("curves format without curves")
        << QStringList{"--curves-format", "locale", "--picture", "f.png"} << 2 << "--curves-format"
        << "f.png";
    QTest::newRow("an option where a value goes")
        << QStringList{"--lang", "en", "--index", "--picture", "x.png"} << 2
        << "--index has no value"
        << "x.png";
    QTest::newRow("typed text quoted exactly, English")
        << QStringList{"--lang", "en", "--index", "%1 %2 %3", "--curves", "p.csv"} << 2
        << "'%1 %2 %3' is not a number"
        << "p.csv";
    QTest::newRow("typed text quoted exactly, Czech")
        << QStringList{"--lang", "cs", "--index", "%1%2", "--curves", "p.csv"} << 2
        << "„%1%2“ není číslo"
        << "p.csv";
    QTest::newRow("a number too small to hold named as typed")
        << QStringList{"--index", "1e-400", "--curves", "small.csv"} << 2 << "indexem lomu 1e-400"
        << "small.csv";
    QTest::newRow("1e308 is out of the angle's range")
        << QStringList{"--alpha", "1e308", "--curves", "big.csv"} << 2 << "od 0 do 90"
        << "big.csv";
}

void TestCommandLine::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QFETCH(QString, leftFile);
    QVERIFY(m_dir.isValid());
    QDir::setCurrent(m_dir.path());

    const Outcome outcome = runProgram(arguments);
    QCOMPARE(outcome.exitCode, exitCode);
    QVERIFY2(outcome.errors.contains(said), qPrintable(outcome.errors));
    if (!leftFile.isEmpty()) {
        QVERIFY(!QFile::exists(leftFile));
    }
    // Nothing half-written is ever left beside the files.
    QCOMPARE(QDir().entryList(QDir::Files).filter(QStringLiteral(".tmp")), QStringList());
}

void TestCommandLine::filesFromTheStartUpRun()
{
    QVERIFY(m_dir.isValid());
    const QString csv = m_dir.filePath(QStringLiteral("run.csv"));
    const QString svg = m_dir.filePath(QStringLiteral("run.svg"));
    const QString pdf = m_dir.filePath(QStringLiteral("run.pdf"));
    const QString png = m_dir.filePath(QStringLiteral("run.png"));
    QCOMPARE(runProgram({"--picture", svg, "--curves", csv}).exitCode, 0);
    QCOMPARE(runProgram({"--picture", pdf}).exitCode, 0);
    QCOMPARE(runProgram({"--picture", png, "--scale", "1"}).exitCode, 0);

    QFile table(csv);
    QVERIFY(table.open(QIODevice::ReadOnly));
    QCOMPARE(table.readAll().count("\r\n"), 1 + 467);
    QFile vector(svg);
    QVERIFY(vector.open(QIODevice::ReadOnly));
    const QByteArray svgText = vector.readAll();
    QVERIFY(svgText.contains("Detektor V")); // the captions are text, not pixels
    // The run's thousands of lines merged into shapes: about 0.7 MB; drawn line by line the
    // file is over twice as large.
    QVERIFY2(svgText.size() < 1'000'000, QByteArray::number(svgText.size()).constData());
    QFile document(pdf);
    QVERIFY(document.open(QIODevice::ReadOnly));
    QVERIFY(document.readAll().startsWith("%PDF"));
    const QImage image(png);
    QCOMPARE(image.size(), QSize(587, 513));
}

void TestCommandLine::languageOfTheFiles_data()
{
    QTest::addColumn<QString>("saved");  // the language remembered from an earlier run
    QTest::addColumn<QString>("locale"); // the system's, for the run
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("said"); // in the picture's captions and settings line

    const QStringList czech{"Detektor V", "Voda, index lomu 1", "twipů nad hladinou"};
    const QStringList english{"Detector V", "Water, refractive index 1", "twips above the surface"};
    QTest::newRow("Czech as designed") << QString() << QString() << QStringList() << czech;
    QTest::newRow("an English system stays Czech")
        << QString() << "en_US.UTF-8" << QStringList() << czech;
    QTest::newRow("--lang en") << QString() << QString() << QStringList{"--lang", "en"} << english;
    QTest::newRow("English remembered") << "en" << QString() << QStringList() << english;
    QTest::newRow("--lang cs over English remembered")
        << "en" << QString() << QStringList{"--lang", "cs"} << czech;
    QTest::newRow("--lang en over Czech remembered")
        << "cs" << QString() << QStringList{"--lang", "en"} << english;
    QTest::newRow("a remembered language unknown") << "xx" << QString() << QStringList() << czech;
}

void TestCommandLine::languageOfTheFiles()
{
    QFETCH(QString, saved);
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, said);
    const QTemporaryDir config;
    QVERIFY(config.isValid());
    if (!saved.isEmpty()) {
        QSettings settings(config.filePath(QStringLiteral("Brontel/Brontel.conf")),
                           QSettings::IniFormat);
        settings.setValue(QStringLiteral("interface/language"), saved);
    }
    const QString svg = config.filePath(QStringLiteral("run.svg"));
    const Outcome outcome =
        runProgram(arguments + QStringList{"--picture", svg}, config.path(), locale);
    QCOMPARE(outcome.exitCode, 0);
    QFile vector(svg);
    QVERIFY(vector.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(vector.readAll());
    for (const QString& words : said) {
        QVERIFY2(text.contains(words), qPrintable(words));
    }
    // Whatever the language, the numbers follow the system's locale, not the language.
    QVERIFY(text.contains(QStringLiteral("úhel dopadu 35°")) ||
            text.contains(QStringLiteral("angle of incidence 35°")));
}

void TestCommandLine::aGoodCallSaysNothing_data()
{
    QTest::addColumn<int>("runtimeFolderMode"); // 0: no runtime folder at all
    QTest::newRow("no runtime folder") << 0;
    QTest::newRow("a runtime folder anyone may write") << 0777;
}

void TestCommandLine::aGoodCallSaysNothing()
{
    QFETCH(int, runtimeFolderMode);
    QVERIFY(m_dir.isValid());
    QTemporaryDir runtime;
    if (runtimeFolderMode != 0) {
        QVERIFY(QFile::setPermissions(runtime.path(), QFileDevice::Permissions(0x7777)));
    }
    const Outcome outcome = runProgram({"--curves", m_dir.filePath(QStringLiteral("quiet.csv"))},
                                       {}, {}, runtimeFolderMode != 0 ? runtime.path() : QString());
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.errors, QString());
}

// The largest picture with too little memory for it (ulimit -v 150000): said, exit 1, no file.
void TestCommandLine::pictureWithoutMemoryIsNoFile()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves far more address space than this limit leaves any program");
#endif
    QVERIFY(m_dir.isValid());
    const QString png = m_dir.filePath(QStringLiteral("m.png"));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(env);
    program.setChildProcessModifier([] {
        const rlimit memory{150000 * 1024, 150000 * 1024};
        ::setrlimit(RLIMIT_AS, &memory);
    });
    program.start(QStringLiteral(BRONTEL_EXECUTABLE), {"--picture", png, "--scale", "8"});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(said.startsWith(QStringLiteral("brontel: ")) && said.contains(QStringLiteral("m.png")),
             qPrintable(said));
    QVERIFY(!QFile::exists(png));
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("m.png*")}, QDir::Files), QStringList());
}

// A name in Latin-2 on a UTF-8 system is written with its own bytes, not with U+FFFD.
void TestCommandLine::fileNameInAnotherEncoding()
{
    QVERIFY(m_dir.isValid());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(env);
    // The shell's printf makes the byte 0xF8 (ř in Latin-2) that QProcess cannot pass.
    program.start(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral(R"sh(exec "$0" --curves "$(printf "$1")")sh"),
         QStringLiteral(BRONTEL_EXECUTABLE), m_dir.path() + QStringLiteral(R"(/k\370ivky.csv)")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    const QByteArray folder = QFile::encodeName(m_dir.path());
    QCOMPARE(::access((folder + "/k\xf8ivky.csv").constData(), F_OK), 0);
    QVERIFY(::access((folder + "/k\xef\xbf\xbdivky.csv").constData(), F_OK) != 0);
    ::unlink((folder + "/k\xf8ivky.csv").constData()); // QTemporaryDir cannot name it
}

// --picture same.png --curves same.csv with same.csv a link to same.png: refused, the picture
// kept.
void TestCommandLine::oneFileThroughALinkIsRefused()
{
    QVERIFY(m_dir.isValid());
    const QString png = m_dir.filePath(QStringLiteral("same.png"));
    const QString csv = m_dir.filePath(QStringLiteral("same.csv"));
    QVERIFY(runProgram({"--picture", png, "--scale", "0.25"}).exitCode == 0);
    QFile picture(png);
    QVERIFY(picture.open(QIODevice::ReadOnly));
    const QByteArray earlier = picture.readAll();
    picture.close();
    QVERIFY(QFile::link(png, csv));
    const Outcome outcome = runProgram({"--picture", png, "--curves", csv});
    QCOMPARE(outcome.exitCode, 1);
    QVERIFY2(outcome.errors.startsWith(QStringLiteral("brontel: ")) &&
                 outcome.errors.contains(QStringLiteral("same.csv")),
             qPrintable(outcome.errors));
    QVERIFY(picture.open(QIODevice::ReadOnly));
    QCOMPARE(picture.readAll(), earlier);
    QVERIFY(QFileInfo(csv).isSymLink());
}

void TestCommandLine::curvesForSpreadsheets_data()
{
    QTest::addColumn<QStringList>("format");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("start");     // the file's first bytes
    QTest::addColumn<QByteArray>("firstStep"); // the start of the first step's row
    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("standard in a Czech locale")
        << QStringList() << "cs_CZ.UTF-8" << QByteArray("step,y_twips,") << QByteArray("0,500,");
    QTest::newRow("locale in a Czech locale")
        << QStringList{"--curves-format", "locale"} << "cs_CZ.UTF-8" << bom + "step;y_twips;"
        << QByteArray("0;500;3000;");
    QTest::newRow("locale in an English locale")
        << QStringList{"--curves-format", "locale"} << "en_GB.UTF-8" << bom + "step;y_twips;"
        << QByteArray("0;500;3000;");
    QTest::newRow("standard asked for")
        << QStringList{"--curves-format", "standard"} << "de_DE.UTF-8"
        << QByteArray("step,y_twips,") << QByteArray("0,500,");
}

void TestCommandLine::curvesForSpreadsheets()
{
    QFETCH(QStringList, format);
    QFETCH(QString, locale);
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, firstStep);
    QVERIFY(m_dir.isValid());
    const QString csv = m_dir.filePath(QStringLiteral("format.csv"));
    QCOMPARE(runProgram(QStringList{"--curves", csv} + format, {}, locale).exitCode, 0);
    QFile table(csv);
    QVERIFY(table.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = table.readAll().split('\n');
    QVERIFY(rows.front().startsWith(start));
    QVERIFY2(rows[1].startsWith(firstStep), rows[1].constData());
    // The settings at the row's end: the index with the locale's decimal separator.
    const bool comma = start.contains(';') && locale.startsWith(QLatin1String("cs"));
    QVERIFY2(rows[1].contains(comma ? ";water;1,33;35;750" : "water") &&
                 !rows[1].contains(comma ? "1.33" : "1,33"),
             rows[1].constData());
}

void TestCommandLine::helpNamesTheProgram()
{
    const Outcome outcome = runProgram({"--help"});
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.output.startsWith(QLatin1String("Usage: brontel [options]\n")),
             qPrintable(outcome.output));
    for (const char* option : {"--curves-format <format>", "--lang <code>", "--picture <file>"}) {
        QVERIFY2(outcome.output.contains(QLatin1String(option)), option);
    }
}

void TestCommandLine::textThatCannotBeWrittenFails_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("closed"); // the output closed, else a full disk
    QTest::newRow("--help to a full disk") << "--help" << false;
    QTest::newRow("--version to a full disk") << "--version" << false;
    QTest::newRow("--help to a closed output") << "--help" << true;
    QTest::newRow("--version to a closed output") << "--version" << true;
}

void TestCommandLine::textThatCannotBeWrittenFails()
{
    QFETCH(QString, option);
    QFETCH(bool, closed);
    QProcess program;
    if (closed) {
        program.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    } else {
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
    }
    program.start(QStringLiteral(BRONTEL_EXECUTABLE), {option});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(said.startsWith(QStringLiteral("brontel: could not write")), qPrintable(said));
}

void TestCommandLine::numbersReadInEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("index");
    QTest::addColumn<int>("exitCode");
    for (const char* locale : {"C", "en_US.UTF-8", "cs_CZ.UTF-8", "de_DE.UTF-8", "ar_EG.UTF-8",
                               "fa_IR.UTF-8", "hi_IN.UTF-8"}) {
        for (const char* language : {"cs", "en"}) {
            QTest::addRow("1.6 under %s, %s", locale, language)
                << QString::fromLatin1(locale) << QString::fromLatin1(language) << "1.6" << 0;
        }
    }
    // Numbers go with the interface's language.
    QTest::newRow("the Czech comma in Czech") << "cs_CZ.UTF-8"
                                              << "cs"
                                              << "1,6" << 0;
    QTest::newRow("the Czech comma under C") << "C"
                                             << "cs"
                                             << "1,6" << 0;
    QTest::newRow("a comma in English") << "cs_CZ.UTF-8"
                                        << "en"
                                        << "1,6" << 2;
}

void TestCommandLine::numbersReadInEveryLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, index);
    QFETCH(int, exitCode);
    QVERIFY(m_dir.isValid());
    const QString csv = m_dir.filePath(QStringLiteral("locale.csv"));
    QFile::remove(csv);
    const Outcome outcome =
        runProgram({"--lang", language, "--index", index, "--curves", csv}, {}, locale);
    QVERIFY2(outcome.exitCode == exitCode, qPrintable(outcome.errors));
    QCOMPARE(QFile::exists(csv), exitCode == 0);
}

void TestCommandLine::messagesInOneLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("czech"); // the whole line said, after "brontel: "
    QTest::addColumn<QString>("english");
    QTest::newRow("an angle of two million degrees: its own range")
        << QStringList{"--alpha", "2000000", "--curves", "a.csv"} << 2
        << "--alpha: s úhlem dopadu 2000000° pokus nemá smysl; zadejte číslo od 0 do 90."
        << "--alpha: an angle of incidence of 2000000° makes no sense for the experiment; give a "
           "number from 0 to 90.";
    QTest::newRow("a negative angle beyond any number: not too large")
        << QStringList{"--alpha", "-1e309", "--curves", "a.csv"} << 2
        << "--alpha: s úhlem dopadu -1e309° pokus nemá smysl; zadejte číslo od 0 do 90."
        << "--alpha: an angle of incidence of -1e309° makes no sense for the experiment; give a "
           "number from 0 to 90.";
    QTest::newRow("a negative index beyond any number: not too large")
        << QStringList{"--index", "-1e309", "--curves", "a.csv"} << 2
        << "--index: s indexem lomu -1e309 pokus nemá smysl; zadejte číslo od 0,5 do 1000000."
        << "--index: a refractive index of -1e309 makes no sense for the experiment; give a "
           "number from 0.5 to 1000000.";
    QTest::newRow("an index past the largest number computed with")
        << QStringList{"--index", "2e6", "--curves", "a.csv"} << 2
        << "--index: číslo „2e6“ je pro výpočet příliš velké (nejvýše 1000000)."
        << "--index: the number '2e6' is too large to compute with (at most 1000000).";
    QTest::newRow("an index too small to hold, as typed")
        << QStringList{"--index", "1e-400", "--curves", "a.csv"} << 2
        << "--index: s indexem lomu 1e-400 pokus nemá smysl; zadejte číslo od 0,5 do 1000000."
        << "--index: a refractive index of 1e-400 makes no sense for the experiment; give a "
           "number from 0.5 to 1000000.";
    QTest::newRow("an option where the value goes")
        << QStringList{"--index", "--picture", "x.png"} << 2
        << "--index nemá hodnotu („--picture“ je další volba); viz brontel --help"
        << "--index has no value ('--picture' is the next option); see brontel --help";
    QTest::newRow("an unknown option")
        << QStringList{"--colour", "red"} << 2 << "neznámá volba „--colour“; viz brontel --help"
        << "unknown option '--colour'; see brontel --help";
    QTest::newRow("the last option without its value")
        << QStringList{"--curves"} << 2 << "za „--curves“ chybí hodnota; viz brontel --help"
        << "missing value after '--curves'; see brontel --help";
    QTest::newRow("a value for an option that takes none")
        << QStringList{"--version=2"} << 2
        << "volba „--version“ nemá žádnou hodnotu; viz brontel --help"
        << "'--version' takes no value; see brontel --help";
    QTest::newRow("a stray argument")
        << QStringList{"x.png"} << 2 << "nečekaný argument „x.png“; viz brontel --help"
        << "unexpected argument 'x.png'; see brontel --help";
    QTest::newRow("a name not known")
        << QStringList{"--distance", "200", "--curves", "a.csv"} << 2
        << "--distance: „200“ nelze použít; použijte jedno z: 100, 750, 1500"
        << "--distance: '200' is not accepted; use one of: 100, 750, 1500";
    QTest::newRow("an option that needs another")
        << QStringList{"--scale", "2", "--curves", "a.csv"} << 2
        << "--scale udává pixely obrázku .png; zadejte ji jen s --picture SOUBOR.png"
        << "--scale sets the pixels of a .png picture; give it only with --picture FILE.png";
    QTest::newRow("the explore view's range")
        << QStringList{"--explore", "--alpha", "95", "--curves", "a.csv"} << 2
        << "--alpha: „95“ nelze použít; zadejte počet stupňů od 0 do 89.9"
        << "--alpha: '95' is not accepted; give a number of degrees from 0 to 89.9";
    QTest::newRow("the explore view's unknown option")
        << QStringList{"--explore", "--beam", "1"} << 2
        << "neznámá volba „--beam“; viz brontel --explore --help"
        << "unknown option '--beam'; see brontel --explore --help";
}

// Every message of a call speaks one language: --lang's, else the one chosen last in the
// window, else Czech; none of Qt's own English sentences shows.
void TestCommandLine::messagesInOneLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, czech);
    QFETCH(QString, english);
    QVERIFY(m_dir.isValid());
    QDir::setCurrent(m_dir.path());
    QTemporaryDir rememberedEnglish;
    {
        QSettings remembered(rememberedEnglish.filePath(QStringLiteral("Brontel/Brontel.conf")),
                             QSettings::IniFormat);
        remembered.setValue(QStringLiteral("interface/language"), QStringLiteral("en"));
    }
    const struct
    {
        QStringList language;
        QString config;
        QString said;
    } ways[] = {
        {{}, {}, czech},
        {{"--lang", "en"}, {}, english},
        {{"--lang=en"}, {}, english},
        {{}, rememberedEnglish.path(), english},
        {{"--lang", "cs"}, rememberedEnglish.path(), czech},
    };
    for (const auto& way : ways) {
        // The language first, after --explore, which must lead.
        QStringList call = arguments;
        const qsizetype at = arguments.value(0) == QLatin1String("--explore") ? 1 : 0;
        for (qsizetype i = way.language.size() - 1; i >= 0; --i) {
            call.insert(at, way.language[i]);
        }
        const Outcome outcome = runProgram(call, way.config);
        QVERIFY2(outcome.exitCode == exitCode, qPrintable(call.join(' ') + ": " + outcome.errors));
        QCOMPARE(outcome.errors, QStringLiteral("brontel: ") + way.said + QLatin1Char('\n'));
        QVERIFY(!QFile::exists(QStringLiteral("a.csv")));
        QVERIFY(!QFile::exists(QStringLiteral("x.png")));
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
