// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OptionMistakes.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {
QString said(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

// The option an argument names ("--picture=x" and "-picture" name picture), or none.
QString optionNamed(const QString& argument)
{
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-") ||
        argument == QLatin1String("--")) {
        return {};
    }
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    return name.left(name.indexOf(QLatin1Char('=')));
}
} // namespace

std::optional<Language> languageAsked(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) {
            break;
        }
        if (argument == QLatin1String("--lang") && i + 1 < arguments.size()) {
            return languageFromCode(arguments[i + 1]);
        }
        if (argument.startsWith(QLatin1String("--lang="))) {
            return languageFromCode(argument.mid(7));
        }
    }
    return std::nullopt;
}

QString parseFailure(const QCommandLineParser& parser, const QStringList& arguments,
                     const QStringList& flags, const QString& help)
{
    // Qt's own sentences are English whatever the language; each case it reports is said here.
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        const QString& name = unknown.constFirst();
        //: %1 the option as typed, %2 how to read the help ("brontel --help").
        return said(QT_TRANSLATE_NOOP("CommandLine", "brontel: neznámá volba „%1“; viz %2"))
            .arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name, help);
    }
    // Only the last argument can lack its value: any other takes the next one.
    const QString last = arguments.size() > 1 ? arguments.constLast() : QString();
    const QString lastName = optionNamed(last);
    if (!lastName.isEmpty() && !flags.contains(lastName) && !last.contains(QLatin1Char('='))) {
        //: %1 the option as typed, %2 how to read the help.
        return said(QT_TRANSLATE_NOOP("CommandLine", "brontel: za „%1“ chybí hodnota; viz %2"))
            .arg(last, help);
    }
    for (const QString& argument : arguments) {
        if (argument.contains(QLatin1Char('=')) && flags.contains(optionNamed(argument))) {
            //: An option that takes no value was given one (--help=yes). %1 the option as typed,
            //: %2 how to read the help.
            return said(QT_TRANSLATE_NOOP("CommandLine",
                                          "brontel: volba „%1“ nemá žádnou hodnotu; viz %2"))
                .arg(argument.left(argument.indexOf(QLatin1Char('='))), help);
        }
    }
    QString error = parser.errorText();
    while (error.endsWith(QLatin1Char('.'))) {
        error.chop(1);
    }
    return QStringLiteral("brontel: %1; see %2").arg(error, help);
}

QString unexpectedArgument(const QString& argument, const QString& help)
{
    //: %1 the argument, %2 how to read the help.
    return said(QT_TRANSLATE_NOOP("CommandLine", "brontel: nečekaný argument „%1“; viz %2"))
        .arg(argument, help);
}
