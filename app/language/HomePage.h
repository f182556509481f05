// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the program lives on the web: the window's title and "O programu" name it.

namespace homepage {
inline constexpr char address[] = "https://brontel.example/";
} // namespace homepage
