// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one rule for every file the program writes, pictures, curves and its settings alike: a
// new file is written in its place only where the name is free or names (directly or through
// links) a regular file that is not write-protected. Write-protected is judged from the file's
// mode for the superuser too, whom the system would let write anything, as `rm` does.

#include <QByteArray>

#include <optional>

enum class FileTargetProblem
{
    DanglingLink,   // a link to nothing: writing would make a file somewhere else
    NotRegular,     // a folder, a pipe, a device, a socket
    WriteProtected, // no write permission for this user (for the superuser: no write bit at all)
};

// What stands in the way of replacing the file native names (the system's bytes); none when
// it may be written.
std::optional<FileTargetProblem> fileTargetProblem(const QByteArray& native);
