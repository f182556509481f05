// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What becomes of the user's input while a run goes. Start is pressed only when no run goes, so
// its presses are dropped; Konec (the close box too) and the pace scroll bar act at once; every
// other piece of input waits and acts after the run, in the order it was made, as if made then.

#include "Control.h"

#include <optional>

enum class InputVerdict
{
    Hold,    // acts after the run
    Deliver, // acts at once
    Drop     // never acts
};

enum class InputKind
{
    Press, // a click, or a key that presses a button (Space, Return, Enter, Select)
    Other  // every other key, pointer move, wheel turn, text from an input method
};

// target: the control the input reaches, if it is one of the window's controls (none for the
// picture and the window's own surface).
InputVerdict inputDuringRun(std::optional<Control> target, InputKind kind);
