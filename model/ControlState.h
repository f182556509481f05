// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One control of the window as the model holds it.

#include <string>

struct ControlState
{
    // The text of a field: a typed number or a hidden field's key (UTF-8). Captions are not
    // kept here: they are words, which each front end shows in its own language.
    std::string text;
    bool checked = false; // option buttons
    bool visible = true;
    bool enabled = true;

    friend bool operator==(const ControlState&, const ControlState&) = default;
};
