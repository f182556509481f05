// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLineRun.h"

#include "CommandLine.h"
#include "CurvesCsv.h"
#include "CurvesFormat.h"
#include "DrawingList.h"
#include "RefusalText.h"
#include "ScenePicture.h"
#include "WholeFiles.h"
#include "WindowModel.h"
#include "WindowTexts.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace {
void printError(const QString& text)
{
    const QString prefix = QStringLiteral("brontel: ");
    std::fputs(qPrintable((text.startsWith(prefix) ? text : prefix + text) + QLatin1Char('\n')),
               stderr);
}

constexpr Control optionFor(Substance substance)
{
    return substance == Substance::Water ? Control::opVoda : Control::opSklo;
}

constexpr Control optionFor(AngleCase angle)
{
    switch (angle) {
    case AngleCase::Angle35:
        return Control::opMenší;
    case AngleCase::Critical:
        return Control::opMezní;
    case AngleCase::Angle60:
        return Control::opVětší;
    }
    return Control::opMenší;
}

constexpr Control optionFor(DetectorDistance distance)
{
    switch (distance) {
    case DetectorDistance::Near:
        return Control::opMaláDistance;
    case DetectorDistance::Middle:
        return Control::opStředníDistance;
    case DetectorDistance::Far:
        return Control::opVelkáDistance;
    }
    return Control::opStředníDistance;
}
} // namespace

void applyCommandLine(WindowModel& model, const CommandLine& line)
{
    if (line.substance) {
        model.click(optionFor(*line.substance));
    }
    if (line.angle) {
        model.click(optionFor(*line.angle));
    }
    if (line.distance) {
        model.click(optionFor(*line.distance));
    }
    if (line.index) {
        model.setText(Control::nIndex, line.index->toStdString());
    }
    if (line.alpha) {
        model.setText(Control::nAlfa, line.alpha->toStdString());
    }
}

int writeFiles(const CommandLine& line)
{
    DrawingList picture;
    WindowModel model(picture);
    // The C form is read in every locale; of the user's locale, a decimal comma too, which the
    // model reads beside the point. Any other separator (the Arabic one) would leave the point
    // unread.
    const bool comma = QLocale().decimalPoint() == QLatin1String(",");
    model.setNumberFormat({comma ? "," : "."});
    model.load();
    applyCommandLine(model, line);
    if (const std::optional<Refusal> refusal = model.start()) {
        // In the command line's words, naming the option.
        printError(refusalText(commandLineTextContext, refusalOnCommandLine(*refusal), *refusal,
                               model.numberFormat()));
        return 2;
    }
    while (!model.runOver()) {
        model.step();
    }
    model.endRun();

    std::vector<FileToWrite> files;
    if (!line.picture.isEmpty()) {
        files.push_back(
            {line.picture,
             ScenePicture(model, picture).file(*pictureFormatOf(line.picture), line.scale)});
    }
    if (!line.curves.isEmpty()) {
        files.push_back({line.curves, QByteArray::fromStdString(curvesCsv(
                                          *model.lastCurves(), csvSeparators(line.curvesFormat)))});
    }
    if (const auto failure = writeWhole(files)) {
        printError(*failure);
        return 1;
    }
    return 0;
}
