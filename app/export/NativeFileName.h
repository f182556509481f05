// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// File names as the system keeps them: bytes, usually UTF-8 but not always. A byte that is not
// part of valid UTF-8 is carried in a QString as a lone low surrogate (U+DC80 to U+DCFF) and
// turned back into that byte when the file is opened, so a name the user typed in another
// encoding names the same file, not one with U+FFFD in it.

#include <QByteArray>
#include <QString>

// A command-line argument or any other name from the system as a QString.
QString fileNameFromNative(const QByteArray& bytes);
// The bytes to open a file by.
QByteArray nativeFileName(const QString& name);
