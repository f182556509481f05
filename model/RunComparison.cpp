// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunComparison.h"

#include <algorithm>

RunComparison::Keeping RunComparison::keep(const CurveRecord& record)
{
    const std::optional<KeptRun> run = KeptRun::of(record);
    if (!run) {
        return Keeping::NotWhole;
    }
    if (std::any_of(m_runs.begin(), m_runs.end(),
                    [&](const KeptRun& kept) { return kept.settings() == run->settings(); })) {
        return Keeping::AlreadyKept;
    }
    if (full()) {
        return Keeping::Full;
    }
    m_runs.push_back(*run);
    changed();
    return Keeping::Kept;
}

void RunComparison::drop(int place)
{
    if (place < 0 || place >= int(m_runs.size())) {
        return;
    }
    m_runs.erase(m_runs.begin() + place);
    changed();
}

void RunComparison::clear()
{
    if (!m_runs.empty()) {
        m_runs.clear();
        changed();
    }
}

void RunComparison::setScale(ChartScale scale)
{
    if (scale != m_scale) {
        m_scale = scale;
        changed();
    }
}

void RunComparison::changed() const
{
    for (const auto& listener : m_listeners) {
        listener();
    }
}
