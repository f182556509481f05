// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Files leave the program whole or not at all: a failed write (no permission, a full disk, a
// folder that vanished) leaves any earlier file of the same name untouched.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

struct FileToWrite
{
    QString path;
    QByteArray bytes;
};

// Writes every file, each to a temporary file beside it that replaces the real one only when
// all of them were written. Returns a message in Czech naming the path and the reason when a
// file could not be written; none on success.
std::optional<QString> writeWhole(const std::vector<FileToWrite>& files);
