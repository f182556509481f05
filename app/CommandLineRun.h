// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the command line does with the window: its settings act as the matching clicks after
// start-up and as text typed into the fields, and with files to write, one run without showing
// the window.

class Brontel;
struct CommandLine;

// Selects the options and types the texts the command line names, in that order.
void applyCommandLine(Brontel& window, const CommandLine& line);

// Runs the experiment once at the window's pace and writes the files the command line names,
// whole or not at all. Returns the program's exit status: 0 when written, 2 when the settings
// were refused (the window's message goes to standard error), 1 when a file could not be
// written.
int writeFiles(Brontel& window, const CommandLine& line);
