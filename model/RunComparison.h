// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The runs a class keeps to compare, up to four, and how their chart is scaled. Both front ends
// show this one state and hear when it changes; the chart and its table come from here.

#include "ComparisonChart.h"
#include "KeptRun.h"

#include <functional>
#include <vector>

class RunComparison
{
public:
    enum class Keeping
    {
        Kept,
        NotWhole,    // the run was stopped before its end, or there was none
        AlreadyKept, // a run of the same settings is kept already: it would draw the same curves
        Full,        // four runs are kept; drop one first
    };

    Keeping keep(const CurveRecord& record);
    // Drops the kept run at this place (0 for the first kept); other places do nothing.
    void drop(int place);
    void clear();
    void setScale(ChartScale scale);

    const std::vector<KeptRun>& runs() const { return m_runs; }
    ChartScale scale() const { return m_scale; }
    bool full() const { return int(m_runs.size()) >= ComparisonChart::maxRuns; }
    ComparisonChart chart() const { return ComparisonChart(m_runs, m_scale); }

    // Called after every change of the runs or the scale.
    void subscribe(std::function<void()> listener) { m_listeners.push_back(std::move(listener)); }

private:
    void changed() const;

    std::vector<KeptRun> m_runs;
    ChartScale m_scale = ChartScale::Linear;
    std::vector<std::function<void()>> m_listeners;
};
