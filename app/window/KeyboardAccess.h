// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window without a mouse: Enter presses the focused command button as Space does, and Tab
// enters an option frame at its selected option; the arrow keys move the scroll bar the way
// they point.

class Brontel;

void enableKeyboardAccess(Brontel& window);
