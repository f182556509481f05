// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How large the design is shown in a window: the one factor that scales every control, font,
// line and the picture, and the steps the size keys move through.

#include <QPoint>
#include <QSize>

namespace designscale {

// The design's client area in design pixels.
QSize designSize();
// The smallest factor the window goes down to.
constexpr double smallestFactor = 0.5;
// The largest factor at which the whole design fits area, keeping its proportions (never
// below the smallest factor).
double fittingFactor(QSize area);
// The design's corner that centres it in area at factor.
QPoint centredOrigin(QSize area, double factor);
// The design's size at factor, in logical pixels.
QSize scaledSize(double factor);

// The size steps: 50 %, 75 %, 100 %, 125 %, 150 %, 175 %, 200 %, 250 %, 300 %, ... The next
// step above factor that is at most largest, or factor itself when there is none.
double nextStep(double factor, double largest);
// The step below factor, never below the smallest step, 50 %.
double previousStep(double factor);

} // namespace designscale
