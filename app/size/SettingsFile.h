// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings file (the window's place, the language, the overlay switch) goes by the rule of
// every file the program writes (FileTarget.h), and the program never waits on it: a pipe in
// its place would block the reading, a device or a link to one would be replaced by a regular
// file, and a lock that cannot be taken (a folder in its place, another host's) would hold the
// program at exit for good. Each refusal is one line on the standard error output; the program
// goes on without the settings.

class QSettings;

// Before the settings are first read: where the file is not one the program may read (anything
// but a regular file), every QSettings of this run reads nothing and writes nothing.
void avoidUnreadableSettings();

// Before settings changes are written: whether the file may be replaced and its lock taken at
// once; when not, says why and the change must not be made.
bool settingsWritable(const QSettings& settings);
