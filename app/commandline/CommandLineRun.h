// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the command line does with the window's model: its settings act as the matching clicks
// after start-up and as text typed into the fields; with files to write, one run without any
// window, and the files written from the model, the core and the renderers.

class WindowModel;
struct CommandLine;

// Selects the options and types the texts the command line names, in that order.
void applyCommandLine(WindowModel& model, const CommandLine& line);

// Loads a model, applies the command line, runs the experiment once at full speed and writes
// the files the command line names, whole or not at all. Returns the program's exit status: 0
// when written, 2 when the settings were refused (said on standard error), 1 when a file could
// not be written.
int writeFiles(const CommandLine& line);
