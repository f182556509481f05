// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A class's prediction: before Start the teacher or a pupil sketches, with a mouse, a pen or a
// finger, where they expect the detectors' curves to go. The sketch stays over the picture as
// dashed lines through the run and after it, so the class sees prediction against result. It
// goes into the exported pictures only when the user asks for it.

#include "DashedLine.h"

#include <functional>
#include <vector>

class PredictionSketch
{
public:
    // Drawn in violet, a colour the run itself never uses, dashed so that it reads as a guess.
    static constexpr Colour colour = 0x00B00080;
    static constexpr int drawWidth = 2;
    static constexpr DashPattern dashes = DashPattern::of(120, 80);

    // Sketching is the mode in which strokes are made; a run that begins ends it.
    void setSketching(bool on);
    bool sketching() const { return m_sketching; }

    // A stroke, point by point, in twips of the window; points off the scene go to its edge.
    // Nothing happens while not sketching.
    void beginStroke(ChartPoint at);
    void extendStroke(ChartPoint to);
    void clear();

    bool empty() const { return m_strokes.empty(); }
    const std::vector<std::vector<ChartPoint>>& strokes() const { return m_strokes; }

    void setInExports(bool on);
    bool inExports() const { return m_inExports; }

    void draw(Surface& surface) const;

    // Called after every change of the strokes or the switches.
    void subscribe(std::function<void()> listener) { m_listeners.push_back(std::move(listener)); }

private:
    void changed() const;

    std::vector<std::vector<ChartPoint>> m_strokes;
    bool m_sketching = false;
    bool m_inExports = false;
    std::vector<std::function<void()>> m_listeners;
};
