// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExploreCommandLine.h"

#include "ExploreCsv.h"
#include "ExplorePicture.h"
#include "ScenePicture.h"
#include "WholeFiles.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cmath>
#include <cstdio>

namespace {

const QString exploreName = QStringLiteral("explore");

QString wrongValue(const QString& option, const QString& value, const QString& accepted)
{
    return QStringLiteral("brontel: --%1: '%2' is not accepted; use %3")
        .arg(option, value, accepted);
}

// A number from the option's text within [low, high], or why not.
std::variant<double, QString> numberIn(const QCommandLineParser& parser, const QString& option,
                                       double low, double high, const QString& accepted)
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
    if (!parser.parse(arguments)) {
        QString error = parser.errorText();
        while (error.endsWith(QLatin1Char('.'))) {
            error.chop(1);
        }
        return CommandLineExit{
            2, QStringLiteral("brontel: %1; see brontel --explore --help").arg(error)};
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
        return CommandLineExit{0, QStringLiteral("Usage: brontel --explore [options]") +
                                      text.mid(lineEnd < 0 ? text.size() : lineEnd)};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CommandLineExit{2, QStringLiteral("brontel: unexpected argument '%1'; see "
                                                 "brontel --explore --help")
                                      .arg(parser.positionalArguments().constFirst())};
    }

    ExploreLine line;
    ExploreSettings& s = line.settings;
    if (parser.isSet(QStringLiteral("substance")) && parser.isSet(QStringLiteral("index"))) {
        return CommandLineExit{2, QStringLiteral("brontel: give --substance or --index, not "
                                                 "both")};
    }
    if (parser.isSet(QStringLiteral("substance"))) {
        const QString name = parser.value(QStringLiteral("substance")).toLower();
        if (name == QLatin1String("water") || name == QLatin1String("voda")) {
            s.index = facts(Substance::Water).refrIndex;
        } else if (name == QLatin1String("glass") || name == QLatin1String("sklo")) {
            s.index = facts(Substance::Glass).refrIndex;
        } else {
            return CommandLineExit{
                2, wrongValue(QStringLiteral("substance"), name, QStringLiteral("water or glass"))};
        }
    }
    // Every number: its option, where it goes, its range and how to say it.
    struct NumberOption
    {
        QString name;
        double* value;
        double low;
        double high;
        QString accepted;
    };
    double gap = 0;
    double index2 = -1;
    const NumberOption numbers[] = {
        {QStringLiteral("index"), &s.index, explore::smallestIndex, explore::largestIndex,
         QStringLiteral("a number from 1 to 3")},
        {QStringLiteral("alpha"), &s.alphaDegrees, 0, explore::largestAngle,
         QStringLiteral("a number of degrees from 0 to 89.9")},
        {QStringLiteral("waist"), &s.waistTwips, explore::smallestWaist, explore::largestWaist,
         QStringLiteral("a number of twips from 100 to 5000")},
        {QStringLiteral("gap"), &gap, 0, explore::largestGapTwips,
         QStringLiteral("a number of twips above 0, at most 100")},
        {QStringLiteral("index2"), &index2, explore::smallestIndex, explore::largestIndex,
         QStringLiteral("a number from 1 to 3")},
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
        return CommandLineExit{2, QStringLiteral("brontel: --explore needs --alpha DEGREES")};
    }
    if (parser.isSet(QStringLiteral("gap"))) {
        if (!(gap > 0)) {
            return CommandLineExit{2, wrongValue(QStringLiteral("gap"),
                                                 parser.value(QStringLiteral("gap")),
                                                 QStringLiteral("a number of twips above 0, at "
                                                                "most 100"))};
        }
        s.secondBlock = true;
        s.gapTwips = gap;
    } else if (parser.isSet(QStringLiteral("index2"))) {
        return CommandLineExit{2, QStringLiteral("brontel: --index2 needs --gap G")};
    }
    s.index2 = index2 > 0 ? index2 : s.index;
    if (parser.isSet(QStringLiteral("sampling"))) {
        const QString step = parser.value(QStringLiteral("sampling"));
        if (step == QLatin1String("0.5")) {
            s.stepTwips = explore::fineStep;
        } else if (step == QLatin1String("1")) {
            s.stepTwips = explore::mainWindowStep;
        } else {
            return CommandLineExit{
                2, wrongValue(QStringLiteral("sampling"), step, QStringLiteral("0.5 or 1"))};
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
                2, wrongValue(QStringLiteral("arrows"), kind, QStringLiteral("exact or equal"))};
        }
    }
    line.curves = parser.value(QStringLiteral("curves"));
    if (line.curves.isEmpty() ||
        QFileInfo(line.curves).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0) {
        return CommandLineExit{2, wrongValue(QStringLiteral("curves"), line.curves,
                                             QStringLiteral("a file ending .csv (required)"))};
    }
    line.picture = parser.value(QStringLiteral("picture"));
    if (parser.isSet(QStringLiteral("picture")) && !pictureFormatOf(line.picture)) {
        return CommandLineExit{2, wrongValue(QStringLiteral("picture"), line.picture,
                                             QStringLiteral("a file ending .png, .svg or .pdf"))};
    }
    if (parser.isSet(QStringLiteral("lang"))) {
        const QString code = parser.value(QStringLiteral("lang"));
        line.language = languageFromCode(code);
        if (!line.language) {
            return CommandLineExit{
                2, wrongValue(QStringLiteral("lang"), code, QStringLiteral("cs or en"))};
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
