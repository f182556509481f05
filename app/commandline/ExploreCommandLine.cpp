// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExploreCommandLine.h"

#include "ExploreCsv.h"
#include "ExplorePicture.h"
#include "OptionMistakes.h"
#include "ScenePicture.h"
#include "WholeFiles.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>
#include <cstdio>

namespace {

const QString exploreName = QStringLiteral("explore");

QString said(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

// One pass of arg(): a "%1" in the value stays as typed. accepted is translated.
QString wrongValue(const QString& option, const QString& value, const char* accepted)
{
    return said(QT_TRANSLATE_NOOP("CommandLine", "brontel: --%1: „%2“ nelze použít; zadejte %3"))
        .arg(option, value, said(accepted));
}

// A number from the option's text within [low, high], or why not.
std::variant<double, QString> numberIn(const QCommandLineParser& parser, const QString& option,
                                       double low, double high, const char* accepted)
{
    const QString text = parser.value(option);
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high) {
        return wrongValue(option, text, accepted);
    }
    return value;
}

} // namespace

std::optional<std::variant<ExploreLine, CommandLineExit>>
parseExploreCommandLine(const QStringList& arguments)
{
    if (!arguments.contains(QStringLiteral("--") + exploreName)) {
        return std::nullopt;
    }
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    parser.addOption(help);
    parser.addOptions({
        {exploreName, QStringLiteral("Sum the explore view's curves (no window).")},
        {QStringLiteral("substance"), QStringLiteral("water (1.33, the default) or glass (1.5)."),
         QStringLiteral("name")},
        {QStringLiteral("index"), QStringLiteral("The substance's refractive index, 1 to 3."),
         QStringLiteral("N")},
        {QStringLiteral("alpha"),
         QStringLiteral("The angle of incidence in true degrees, 0 to 89.9 (required)."),
         QStringLiteral("degrees")},
        {QStringLiteral("waist"),
         QStringLiteral("The Gaussian beam's waist in twips, 100 to 5000 (default 600)."),
         QStringLiteral("W")},
        {QStringLiteral("sampling"),
         QStringLiteral("Twips between the lit surface's points: 0.5 (the default) or 1."),
         QStringLiteral("step")},
        {QStringLiteral("arrows"),
         QStringLiteral("exact (Huygens wavelets, the default) or equal (equal-length arrows, "
                        "as in the main window)."),
         QStringLiteral("kind")},
        {QStringLiteral("gap"),
         QStringLiteral("A second block across an air gap; the gap's curve runs from 0 to G "
                        "twips (0 < G ≤ 100)."),
         QStringLiteral("G")},
        {QStringLiteral("index2"),
         QStringLiteral("The second block's refractive index, 1 to 3 (default: the "
                        "substance's)."),
         QStringLiteral("N")},
        {QStringLiteral("curves"), QStringLiteral("Save the table as .csv (required)."),
         QStringLiteral("file")},
        {QStringLiteral("picture"),
         QStringLiteral("Save the view's pictures as .png, .svg or .pdf."), QStringLiteral("file")},
        {QStringLiteral("lang"), QStringLiteral("cs (Czech, the default) or en (English)."),
         QStringLiteral("code")},
    });
    const QString helpCall = QStringLiteral("brontel --explore --help");
    if (!parser.parse(arguments)) {
        return CommandLineExit{
            2, parseFailure(parser, arguments, help.names() + QStringList{exploreName}, helpCall)};
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        return CommandLineExit{0, QStringLiteral("Usage: brontel --explore [options]") +
                                      text.mid(lineEnd < 0 ? text.size() : lineEnd)};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CommandLineExit{
            2, unexpectedArgument(parser.positionalArguments().constFirst(), helpCall)};
    }

    ExploreLine line;
    ExploreSettings& s = line.settings;
    if (parser.isSet(QStringLiteral("substance")) && parser.isSet(QStringLiteral("index"))) {
        return CommandLineExit{
            2, said(QT_TRANSLATE_NOOP("CommandLine", "brontel: zadejte --substance, nebo "
                                                     "--index, ne obojí"))};
    }
    if (parser.isSet(QStringLiteral("substance"))) {
        const QString name = parser.value(QStringLiteral("substance")).toLower();
        if (name == QLatin1String("water") || name == QLatin1String("voda")) {
            s.index = facts(Substance::Water).refrIndex;
        } else if (name == QLatin1String("glass") || name == QLatin1String("sklo")) {
            s.index = facts(Substance::Glass).refrIndex;
        } else {
            return CommandLineExit{
                2, wrongValue(QStringLiteral("substance"), name,
                              QT_TRANSLATE_NOOP("CommandLine", "water nebo glass"))};
        }
    }
    // Every number: its option, where it goes, its range and how to say it.
    struct NumberOption
    {
        QString name;
        double* value;
        double low;
        double high;
        const char* accepted;
    };
    double gap = 0;
    double index2 = -1;
    const NumberOption numbers[] = {
        {QStringLiteral("index"), &s.index, explore::smallestIndex, explore::largestIndex,
         QT_TRANSLATE_NOOP("CommandLine", "číslo od 1 do 3")},
        {QStringLiteral("alpha"), &s.alphaDegrees, 0, explore::largestAngle,
         QT_TRANSLATE_NOOP("CommandLine", "počet stupňů od 0 do 89.9")},
        {QStringLiteral("waist"), &s.waistTwips, explore::smallestWaist, explore::largestWaist,
         QT_TRANSLATE_NOOP("CommandLine", "počet twipů od 100 do 5000")},
        {QStringLiteral("gap"), &gap, 0, explore::largestGapTwips,
         QT_TRANSLATE_NOOP("CommandLine", "počet twipů nad 0, nejvýše 100")},
        {QStringLiteral("index2"), &index2, explore::smallestIndex, explore::largestIndex,
         QT_TRANSLATE_NOOP("CommandLine", "číslo od 1 do 3")},
    };
    for (const NumberOption& option : numbers) {
        if (!parser.isSet(option.name)) {
            continue;
        }
        const auto read = numberIn(parser, option.name, option.low, option.high, option.accepted);
        if (const auto* error = std::get_if<QString>(&read)) {
            return CommandLineExit{2, *error};
        }
        *option.value = std::get<double>(read);
    }
    if (!parser.isSet(QStringLiteral("alpha"))) {
        return CommandLineExit{
            2,
            said(QT_TRANSLATE_NOOP("CommandLine", "brontel: --explore potřebuje --alpha STUPNĚ"))};
    }
    if (parser.isSet(QStringLiteral("gap"))) {
        if (!(gap > 0)) {
            return CommandLineExit{
                2, wrongValue(QStringLiteral("gap"), parser.value(QStringLiteral("gap")),
                              QT_TRANSLATE_NOOP("CommandLine", "počet twipů nad 0, nejvýše "
                                                               "100"))};
        }
        s.secondBlock = true;
        s.gapTwips = gap;
    } else if (parser.isSet(QStringLiteral("index2"))) {
        return CommandLineExit{
            2, said(QT_TRANSLATE_NOOP("CommandLine", "brontel: --index2 potřebuje --gap G"))};
    }
    s.index2 = index2 > 0 ? index2 : s.index;
    if (parser.isSet(QStringLiteral("sampling"))) {
        const QString step = parser.value(QStringLiteral("sampling"));
        if (step == QLatin1String("0.5")) {
            s.stepTwips = explore::fineStep;
        } else if (step == QLatin1String("1")) {
            s.stepTwips = explore::mainWindowStep;
        } else {
            return CommandLineExit{2, wrongValue(QStringLiteral("sampling"), step,
                                                 QT_TRANSLATE_NOOP("CommandLine", "0.5 nebo 1"))};
        }
    }
    if (parser.isSet(QStringLiteral("arrows"))) {
        const QString kind = parser.value(QStringLiteral("arrows"));
        if (kind == QLatin1String("exact")) {
            s.arrows = ArrowKind::Exact;
        } else if (kind == QLatin1String("equal")) {
            s.arrows = ArrowKind::Equal;
        } else {
            return CommandLineExit{
                2, wrongValue(QStringLiteral("arrows"), kind,
                              QT_TRANSLATE_NOOP("CommandLine", "exact nebo equal"))};
        }
    }
    line.curves = parser.value(QStringLiteral("curves"));
    if (line.curves.isEmpty() ||
        QFileInfo(line.curves).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0) {
        return CommandLineExit{
            2, wrongValue(QStringLiteral("curves"), line.curves,
                          QT_TRANSLATE_NOOP("CommandLine", "soubor s příponou .csv (povinný)"))};
    }
    line.picture = parser.value(QStringLiteral("picture"));
    if (parser.isSet(QStringLiteral("picture")) && !pictureFormatOf(line.picture)) {
        return CommandLineExit{
            2,
            wrongValue(QStringLiteral("picture"), line.picture,
                       QT_TRANSLATE_NOOP("CommandLine", "soubor s příponou .png, .svg nebo .pdf"))};
    }
    if (parser.isSet(QStringLiteral("lang"))) {
        const QString code = parser.value(QStringLiteral("lang"));
        line.language = languageFromCode(code);
        if (!line.language) {
            return CommandLineExit{2, wrongValue(QStringLiteral("lang"), code,
                                                 QT_TRANSLATE_NOOP("CommandLine", "cs nebo en"))};
        }
    }
    return line;
}

int writeExploreFiles(const ExploreLine& line)
{
    std::vector<FileToWrite> files;
    files.push_back({line.curves, QByteArray::fromStdString(exploreCsv(line.settings))});
    if (!line.picture.isEmpty()) {
        files.push_back({line.picture, explorePictureFile(ExploreModel(line.settings),
                                                          *pictureFormatOf(line.picture))});
    }
    if (const auto failure = writeWhole(files)) {
        std::fputs(qPrintable(QStringLiteral("brontel: ") + *failure + QLatin1Char('\n')), stderr);
        return 1;
    }
    return 0;
}
