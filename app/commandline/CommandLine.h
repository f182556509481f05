// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line, in English as command lines are:
//   brontel [--substance water|glass] [--angle 35|60|critical] [--distance 100|750|1500]
//           [--index N] [--alpha DEGREES] [--picture FILE.png|.svg|.pdf] [--scale S]
//           [--curves FILE.csv] [--curves-format standard|locale] [--lang cs|en] [--help]
//           [--version]
// The Czech names are accepted as values too (voda, sklo, mezní or mezni).

#include "AngleCase.h"
#include "CurvesFormat.h"
#include "DetectorDistance.h"
#include "Language.h"
#include "Substance.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

struct CommandLine
{
    // Chosen as the matching option buttons would be, after start-up.
    std::optional<Substance> substance;
    std::optional<AngleCase> angle;
    std::optional<DetectorDistance> distance;
    // Typed into the fields nIndex and nAlfa afterwards, as given.
    std::optional<QString> index;
    std::optional<QString> alpha;
    QString picture;  // .png, .svg or .pdf
    double scale = 2; // pixels of a .png per pixel of the window
    QString curves;   // .csv
    CurvesFormat curvesFormat = CurvesFormat::Standard;
    // The interface's language for this run, over the remembered choice.
    std::optional<Language> language;

    // With files to write the program runs once without a window and exits.
    bool writesFiles() const { return !picture.isEmpty() || !curves.isEmpty(); }
};

// Not to run: print text (to standard output when exitCode is 0, else to standard error) and
// exit with exitCode.
struct CommandLineExit
{
    int exitCode = 0;
    QString text;
};

// Prints exit's text; returns its exit code, or 1 when the text could not be written (a full
// disk, a closed output), which is then said on standard error.
int printExit(const CommandLineExit& exit);

// arguments as the program got them, the program's name first.
std::variant<CommandLine, CommandLineExit> parseCommandLine(const QStringList& arguments);
