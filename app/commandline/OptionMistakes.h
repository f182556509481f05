// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What is said when the options themselves are wrong (an unknown option, a value missing, a
// stray argument), in the language the run's other messages use, and which language that is.

#include "Language.h"

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// The language named by --lang (or --lang=) among arguments, if it names one; read before the
// options are parsed, so that even a wrong option is explained in it.
std::optional<Language> languageAsked(const QStringList& arguments);

// Why parser.parse(arguments) failed, in one line ending with the advice to read help (e.g.
// "brontel --help"); flags are the names of the options that take no value.
QString parseFailure(const QCommandLineParser& parser, const QStringList& arguments,
                     const QStringList& flags, const QString& help);

// An argument that is no option's value.
QString unexpectedArgument(const QString& argument, const QString& help);
