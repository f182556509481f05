// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "OptionMistakes.h"
#include "ScenePicture.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
constexpr double smallestScale = 0.25;
constexpr double largestScale = 8;

template <typename Value> struct Name
{
    const char* text;
    Value value;
};

// The names a value is known by: the English name of its row of the settings table, then the
// Czech key (matched without regard to case), then any spelling a Czech keyboard-less user types.
template <typename Row, std::size_t N>
std::vector<Name<decltype(Row::value)>>
namesOf(const std::array<Row, N>& table,
        std::initializer_list<Name<decltype(Row::value)>> extra = {})
{
    std::vector<Name<decltype(Row::value)>> names;
    for (const Row& row : table) {
        if constexpr (requires { row.name; }) {
            names.push_back({row.name.data(), row.value});
        }
    }
    for (const Row& row : table) {
        if (std::find_if(names.begin(), names.end(), [&row](const auto& known) {
                return QString::fromUtf8(known.text)
                           .compare(QString::fromUtf8(row.key.data(), qsizetype(row.key.size())),
                                    Qt::CaseInsensitive) == 0;
            }) == names.end()) {
            names.push_back({row.key.data(), row.value});
        }
    }
    names.insert(names.end(), extra);
    return names;
}

// The command line speaks the run's language: --lang's, else the one last chosen in the window.
QString said(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

// One pass of arg(): a "%1" in the value stays as typed.
QString wrongName(const QString& option, const QString& value, const QString& names)
{
    //: An option's value is none of the names it takes; %1 the option, %2 the value given,
    //: %3 the names.
    return said(QT_TRANSLATE_NOOP("CommandLine",
                                  "brontel: --%1: „%2“ nelze použít; použijte jedno z: %3"))
        .arg(option, value, names);
}

QString wrongValue(const QString& option, const QString& value, const char* accepted)
{
    //: An option's value is not of the kind it takes; %1 the option, %2 the value given, %3 what
    //: it takes ("a file ending .csv").
    return said(QT_TRANSLATE_NOOP("CommandLine", "brontel: --%1: „%2“ nelze použít; zadejte %3"))
        .arg(option, value, said(accepted));
}

template <typename Value>
std::optional<Value> lookUp(const std::vector<Name<Value>>& names, const QString& value)
{
    for (const auto& name : names) {
        if (value.compare(QString::fromUtf8(name.text), Qt::CaseInsensitive) == 0) {
            return name.value;
        }
    }
    return std::nullopt;
}

template <typename Value> QString acceptedNames(const std::vector<Name<Value>>& names)
{
    QStringList texts;
    for (const auto& name : names) {
        texts << QString::fromUtf8(name.text).toLower(); // as the names are usually typed
    }
    return texts.join(QStringLiteral(", "));
}

// Reads one named option into target; returns the error line when its value is not a name.
template <typename Value>
std::optional<QString> readName(const QCommandLineParser& parser, const QString& option,
                                const std::vector<Name<Value>>& names, std::optional<Value>& target)
{
    if (!parser.isSet(option)) {
        return std::nullopt;
    }
    const QString value = parser.value(option);
    target = lookUp(names, value);
    if (!target) {
        return wrongName(option, value, acceptedNames(names));
    }
    return std::nullopt;
}
// An option given twice (only the last would count), an option's value that is the next option
// (the value was left out), or an option that does nothing without another.
std::optional<QString> misusedOption(const QCommandLineParser& parser)
{
    const QStringList valued{QStringLiteral("substance"),     QStringLiteral("angle"),
                             QStringLiteral("distance"),      QStringLiteral("index"),
                             QStringLiteral("alpha"),         QStringLiteral("picture"),
                             QStringLiteral("scale"),         QStringLiteral("curves"),
                             QStringLiteral("curves-format"), QStringLiteral("lang")};
    for (const QString& option : valued) {
        const QStringList values = parser.values(option);
        if (values.size() > 1) {
            //: %1 the option, %2 how many times it was given.
            return said(QT_TRANSLATE_NOOP("CommandLine",
                                          "brontel: --%1 je zadána %2krát; zadejte ji jednou"))
                .arg(option)
                .arg(values.size());
        }
        if (!values.isEmpty() && values.constFirst().startsWith(QLatin1String("--"))) {
            //: %1 the option, %2 the next option, taken for its value.
            return said(QT_TRANSLATE_NOOP("CommandLine",
                                          "brontel: --%1 nemá hodnotu („%2“ je další volba); viz "
                                          "brontel --help"))
                .arg(option, values.constFirst());
        }
    }
    if (parser.isSet(QStringLiteral("scale"))) {
        const auto format = pictureFormatOf(parser.value(QStringLiteral("picture")));
        if (!parser.isSet(QStringLiteral("picture")) || format != PictureFormat::Png) {
            return said(QT_TRANSLATE_NOOP("CommandLine",
                                          "brontel: --scale udává pixely obrázku .png; zadejte ji "
                                          "jen s --picture SOUBOR.png"));
        }
    }
    if (parser.isSet(QStringLiteral("curves-format")) && !parser.isSet(QStringLiteral("curves"))) {
        return said(QT_TRANSLATE_NOOP("CommandLine",
                                      "brontel: --curves-format je formát souboru --curves; "
                                      "zadejte ji jen s --curves SOUBOR.csv"));
    }
    return std::nullopt;
}
} // namespace

int printExit(const CommandLineExit& exit)
{
    FILE* const out = exit.exitCode == 0 ? stdout : stderr;
    const QByteArray text = (exit.text + QLatin1Char('\n')).toLocal8Bit();
    const bool written = std::fwrite(text.constData(), 1, std::size_t(text.size()), out) ==
                             std::size_t(text.size()) &&
                         std::fflush(out) == 0 && std::ferror(out) == 0;
    if (written) {
        return exit.exitCode;
    }
    const int error = errno;
    std::fprintf(stderr, "brontel: could not write to the %s output: %s\n",
                 out == stdout ? "standard" : "error", std::strerror(error));
    return std::max(exit.exitCode, 1);
}

std::variant<CommandLine, CommandLineExit> parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Total internal reflection of light from summed path amplitudes. Without --picture or "
        "--curves the window opens with the settings chosen; with them the experiment runs "
        "once without a window, the files are written, and the program exits."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOptions({
        {QStringLiteral("substance"), QStringLiteral("water or glass (voda, sklo)."),
         QStringLiteral("substance")},
        {QStringLiteral("angle"), QStringLiteral("35, 60 or critical (mezní)."),
         QStringLiteral("angle")},
        {QStringLiteral("distance"),
         QStringLiteral("Height of detector H above the surface in twips: 100, 750 or 1500."),
         QStringLiteral("twips")},
        {QStringLiteral("index"), QStringLiteral("Refractive index, as typed into its field."),
         QStringLiteral("N")},
        {QStringLiteral("alpha"),
         QStringLiteral("Angle of incidence in degrees, as typed into its field."),
         QStringLiteral("degrees")},
        {QStringLiteral("picture"), QStringLiteral("Save the picture as .png, .svg or .pdf."),
         QStringLiteral("file")},
        {QStringLiteral("scale"),
         QStringLiteral("Pixels of a .png per pixel of the window, 0.25 to 8 (default 2)."),
         QStringLiteral("S")},
        {QStringLiteral("curves"), QStringLiteral("Save the three curves as .csv."),
         QStringLiteral("file")},
        {QStringLiteral("curves-format"),
         QStringLiteral("standard (RFC 4180: commas, decimal point; the default) or locale (for "
                        "spreadsheets: semicolons, the decimal comma where the system's locale "
                        "has one, a UTF-8 byte order mark)."),
         QStringLiteral("format")},
        {QStringLiteral("lang"),
         QStringLiteral("Interface language for this run: cs (Czech, the default) or en "
                        "(English); without it, the language last chosen in the window."),
         QStringLiteral("code")},
    });

    if (!parser.parse(arguments)) {
        return CommandLineExit{2, parseFailure(parser, arguments, help.names() + version.names(),
                                               QStringLiteral("brontel --help"))};
    }
    if (parser.isSet(help)) {
        // Qt names the program by its path, or by a placeholder before the application exists.
        QString text = parser.helpText();
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        const QString usage = QStringLiteral("Usage: brontel [options]");
        return CommandLineExit{0, usage + text.mid(lineEnd < 0 ? text.size() : lineEnd)};
    }
    if (parser.isSet(version)) {
        return CommandLineExit{
            0, QStringLiteral("brontel %1").arg(QCoreApplication::applicationVersion())};
    }
    if (const auto misused = misusedOption(parser)) {
        return CommandLineExit{2, *misused};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CommandLineExit{2, unexpectedArgument(parser.positionalArguments().constFirst(),
                                                     QStringLiteral("brontel --help"))};
    }

    CommandLine line;
    for (const auto& error :
         {readName(parser, QStringLiteral("substance"), namesOf(substanceTable), line.substance),
          readName(parser, QStringLiteral("angle"),
                   namesOf(angleCaseTable, {{"mezni", AngleCase::Critical}}), line.angle),
          readName(parser, QStringLiteral("distance"), namesOf(detectorDistanceTable),
                   line.distance)}) {
        if (error) {
            return CommandLineExit{2, *error};
        }
    }
    if (parser.isSet(QStringLiteral("index"))) {
        line.index = parser.value(QStringLiteral("index"));
    }
    if (parser.isSet(QStringLiteral("alpha"))) {
        line.alpha = parser.value(QStringLiteral("alpha"));
    }
    line.picture = parser.value(QStringLiteral("picture"));
    if (parser.isSet(QStringLiteral("picture")) && !pictureFormatOf(line.picture)) {
        return CommandLineExit{
            2,
            wrongValue(QStringLiteral("picture"), line.picture,
                       QT_TRANSLATE_NOOP("CommandLine", "soubor s příponou .png, .svg nebo .pdf"))};
    }
    if (parser.isSet(QStringLiteral("scale"))) {
        bool ok = false;
        const QString text = parser.value(QStringLiteral("scale"));
        line.scale = text.toDouble(&ok);
        if (!ok || !std::isfinite(line.scale) || line.scale < smallestScale ||
            line.scale > largestScale) {
            return CommandLineExit{
                2, wrongValue(QStringLiteral("scale"), text,
                              QT_TRANSLATE_NOOP("CommandLine", "číslo od 0.25 do 8"))};
        }
    }
    line.curves = parser.value(QStringLiteral("curves"));
    if (parser.isSet(QStringLiteral("curves")) &&
        QFileInfo(line.curves).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0) {
        return CommandLineExit{
            2, wrongValue(QStringLiteral("curves"), line.curves,
                          QT_TRANSLATE_NOOP("CommandLine", "soubor s příponou .csv"))};
    }
    if (parser.isSet(QStringLiteral("curves-format"))) {
        const QString format = parser.value(QStringLiteral("curves-format"));
        if (format == QLatin1String("standard")) {
            line.curvesFormat = CurvesFormat::Standard;
        } else if (format == QLatin1String("locale")) {
            line.curvesFormat = CurvesFormat::Locale;
        } else {
            return CommandLineExit{2, wrongName(QStringLiteral("curves-format"), format,
                                                QStringLiteral("standard, locale"))};
        }
    }
    if (parser.isSet(QStringLiteral("lang"))) {
        const QString code = parser.value(QStringLiteral("lang"));
        line.language = languageFromCode(code);
        if (!line.language) {
            return CommandLineExit{
                2, wrongName(QStringLiteral("lang"), code, QStringLiteral("cs, en"))};
        }
    }
    return line;
}
