// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InputRule.h"

InputVerdict inputDuringRun(std::optional<Control> target, InputKind kind)
{
    if (target == Control::cmdStart) {
        return kind == InputKind::Press ? InputVerdict::Drop : InputVerdict::Hold;
    }
    if (target == Control::HScroll1 || (target == Control::cmdKonec && kind == InputKind::Press)) {
        return InputVerdict::Deliver;
    }
    return InputVerdict::Hold;
}
