// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a window manager sends when the user clicks a window's close box.

#include <QString>

// Sends WM_DELETE_WINDOW to the window on the given X display; false if it could not be sent.
bool sendCloseRequest(const QString& display, unsigned long window);
