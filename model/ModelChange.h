// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What one operation of the window's model changed, as its listeners hear it: a front end
// shows just that, and never reads the whole panel again.

#include "Control.h"

#include <functional>
#include <vector>

struct ModelChange
{
    // The controls whose state (text, selection, visibility, whether enabled) changed, in the
    // panel's order.
    std::vector<Control> controls;
    bool marker = false;  // the marker line Line1 and detector H's label moved
    bool picture = false; // drawn on, or cleared for a run
    bool run = false;     // a run began, paused, resumed, was stopped or ended
    bool step = false;    // a run drew a step

    bool empty() const { return controls.empty() && !marker && !picture && !run && !step; }
    bool touches(Control control) const
    {
        for (const Control c : controls) {
            if (c == control) {
                return true;
            }
        }
        return false;
    }
};

using ModelListener = std::function<void(const ModelChange&)>;
