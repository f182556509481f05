// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader says for each control, in the interface's language: names, a text box named
// by the caption beside it, the picture by what it shows.

class Brontel;

void nameForScreenReaders(Brontel& window);
