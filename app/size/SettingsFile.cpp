// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsFile.h"

#include "FileTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace {
// A folder no one can make: under a device node. The settings of a run kept away from an
// unusable file point here, where nothing is found and nothing can be written or locked.
const QString nowhere = QStringLiteral("/dev/null/no-settings");
// How long a lock held by another copy of the program, writing its settings at this moment,
// is waited for; a lock that no one releases is given up after it.
constexpr int lockWait = 200; // milliseconds

void say(const QString& fileName, const char* why)
{
    std::fprintf(stderr, "brontel: the settings in '%s' are %s\n",
                 QFile::encodeName(QDir::toNativeSeparators(fileName)).constData(), why);
}

const char* reason(FileTargetProblem problem)
{
    switch (problem) {
    case FileTargetProblem::DanglingLink:
        return "a link to nothing; they are not saved";
    case FileTargetProblem::NotRegular:
        return "not a regular file; they are neither read nor saved";
    case FileTargetProblem::WriteProtected:
        return "write-protected; they are not saved";
    }
    return "not usable";
}
} // namespace

void avoidUnreadableSettings()
{
    // Where QSettings keeps them; a QSettings made to ask would read the file at once.
    const QString fileName =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
        QCoreApplication::organizationName() + QLatin1Char('/') +
        QCoreApplication::applicationName() + QStringLiteral(".conf");
    const auto problem = fileTargetProblem(QFile::encodeName(fileName));
    if (problem == FileTargetProblem::NotRegular) {
        say(fileName, reason(*problem));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
    }
}

bool settingsWritable(const QSettings& settings)
{
    const QString fileName = settings.fileName();
    if (fileName.startsWith(nowhere)) {
        return false; // said once already
    }
    if (const auto problem = fileTargetProblem(QFile::encodeName(fileName))) {
        say(fileName, reason(*problem));
        return false;
    }
    // QSettings waits for its lock without end; it is taken here first, briefly, so that it is
    // known to be free.
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QLockFile lock(fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWait)) {
        say(fileName, "locked, and the lock cannot be taken; they are not saved");
        return false;
    }
    return true;
}
