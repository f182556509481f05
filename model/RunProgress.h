// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How far a run has come, as both front ends show it beside the paused sign ("krok 120 / 467"),
// never in the picture; and when a screen reader is told: at a quarter of the run, at a pause
// and at its end, not at every step (a fast run would drown every other word).

struct RunProgress
{
    int drawn = 0; // steps of this run drawn so far
    int total = 0; // all its steps

    bool operator==(const RunProgress&) const = default;
};

// Which of the run's parts (0 ... 4, four at its end) the steps drawn have reached: a screen
// reader hears the progress when this changes.
int progressStage(const RunProgress& progress);
