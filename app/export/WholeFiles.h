// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Files leave the program whole or not at all: a failed write (no permission, a full disk, a
// folder that vanished) leaves any earlier file of the same name untouched, and of several
// files either all are replaced or none is.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

struct FileToWrite
{
    QString path; // as NativeFileName.h carries it
    QByteArray bytes;
};

// Writes every file, each to a temporary file beside it; the real ones are replaced only when
// all were written, and put back if a later one cannot be replaced. Refuses, writing nothing,
// files with no bytes (their making failed), a path that is (or links to) anything but a
// regular file, and two paths that name one file. Returns a message in Czech naming the path
// and the reason when a file could not be written; none on success.
std::optional<QString> writeWhole(const std::vector<FileToWrite>& files);

// Why a file could not be written, for the system's error number error.
QString whyNotWritten(int error);
