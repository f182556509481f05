// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLineRun.h"

#include "Brontel.h"
#include "CommandLine.h"
#include "CurvesCsv.h"
#include "OptionButton.h"
#include "ScenePicture.h"
#include "WholeFiles.h"

#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace {
void printError(const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
}
} // namespace

void applyCommandLine(Brontel& window, const CommandLine& line)
{
    if (line.substance) {
        (*line.substance == Substance::Water ? window.opVoda : window.opSklo)->select();
    }
    if (line.angle) {
        switch (*line.angle) {
        case AngleCase::Angle35:
            window.opMenší->select();
            break;
        case AngleCase::Critical:
            window.opMezní->select();
            break;
        case AngleCase::Angle60:
            window.opVětší->select();
            break;
        }
    }
    if (line.distance) {
        switch (*line.distance) {
        case DetectorDistance::Near:
            window.opMaláDistance->select();
            break;
        case DetectorDistance::Middle:
            window.opStředníDistance->select();
            break;
        case DetectorDistance::Far:
            window.opVelkáDistance->select();
            break;
        }
    }
    if (line.index) {
        window.nIndex->setText(*line.index);
    }
    if (line.alpha) {
        window.nAlfa->setText(*line.alpha);
    }
}

int writeFiles(Brontel& window, const CommandLine& line)
{
    window.setRefusalsShown(false);
    QString refusal;
    QObject::connect(&window, &Brontel::runRefused, &window,
                     [&refusal](const QString& message) { refusal = message; });
    window.cmdStart->click();
    if (!refusal.isEmpty()) {
        printError(refusal);
        return 2;
    }
    if (!window.lastCurves()) {
        printError(QStringLiteral("brontel: the experiment did not run"));
        return 1;
    }

    std::vector<FileToWrite> files;
    if (!line.picture.isEmpty()) {
        files.push_back(
            {line.picture, ScenePicture(window).file(*pictureFormatOf(line.picture), line.scale)});
    }
    if (!line.curves.isEmpty()) {
        files.push_back(
            {line.curves, QByteArray::fromStdString(
                              curvesCsv(*window.lastCurves(), csvSeparators(line.curvesFormat)))});
    }
    if (const auto failure = writeWhole(files)) {
        printError(*failure);
        return 1;
    }
    return 0;
}
