// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The explore view without a window:
//   brontel --explore [--substance water|glass | --index N] --alpha DEGREES [--waist W]
//           [--sampling 0.5|1] [--arrows exact|equal] [--gap G [--index2 N]]
//           --curves FILE.csv [--picture FILE.png|.svg|.pdf] [--lang cs|en]
// --alpha is in true degrees here. Defaults: water, a Gaussian beam of waist 600 twips, 0.5-twip
// sampling, exact arrows, no second block (its index the substance's own).

#include "CommandLine.h"
#include "ExploreSettings.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

struct ExploreLine
{
    ExploreSettings settings;
    QString curves;
    QString picture;
    std::optional<Language> language;
};

// None when the arguments do not ask for --explore; else the line or why not to run.
std::optional<std::variant<ExploreLine, CommandLineExit>>
parseExploreCommandLine(const QStringList& arguments);

// Sums and writes the files, all or none; the exit code.
int writeExploreFiles(const ExploreLine& line);
