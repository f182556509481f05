// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<FileTargetProblem> fileTargetProblem(const QByteArray& native)
{
    struct stat link
    {};
    if (::lstat(native.constData(), &link) != 0) {
        return std::nullopt; // a free name (or a folder that is not there, said when writing)
    }
    struct stat target
    {};
    if (::stat(native.constData(), &target) != 0) {
        return FileTargetProblem::DanglingLink;
    }
    if (!S_ISREG(target.st_mode)) {
        return FileTargetProblem::NotRegular;
    }
    // The system's answer for everyone but the superuser, who is allowed everything: for them
    // the mode bits alone say whether the file's owner meant it to stay as it is.
    const bool protectedFile =
        ::geteuid() == 0 ? (target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0
                         : ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0;
    if (protectedFile) {
        return FileTargetProblem::WriteProtected;
    }
    return std::nullopt;
}
