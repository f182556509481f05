// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Text that fits its box at every size: a control's font is the design's font scaled by the
// window's factor, made a little smaller for that one control where its text would otherwise
// be cut (a caption wider than its box, descenders below a short box, a long number typed in).

class QFont;
class QWidget;

// Gives control the design's font at factor, shrunk until its text shows whole, but no smaller
// than a readable share of that size. Remembers the design's font on the first call.
void fitFont(QWidget* control, double factor);
// control's font as designed, before any fitting or scaling.
QFont designFont(const QWidget* control);
// Whether control's whole text shows at its current font and size.
bool textFits(const QWidget* control);
