// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How far a run has come, under the paused sign: a thin bar that reads "krok 120 / 467". A
// screen reader hears it through the bar's accessible description, changed only at each quarter
// of the run, at a pause and at its end, not at every step. Never part of the picture or of an
// export.

#include "RunProgress.h"

#include <optional>

class QProgressBar;
class QWidget;

class ProgressSign
{
public:
    // factor: the window's design factor now.
    ProgressSign(QWidget* window, double factor);

    // Shows the progress of the run going on (hides the bar when none goes).
    void show(const std::optional<RunProgress>& progress, bool paused);

private:
    QProgressBar* m_bar; // owned by the window
    int m_saidStage = -1;
    bool m_saidPaused = false;
};
