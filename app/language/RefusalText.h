// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A refusal of Start in words: the model's sentence for it, translated, with what was typed and
// the accepted range filled in, numbers as the fields show them.

#include "NumberFormat.h"
#include "StartCheck.h"

#include <QString>

#include <cstddef>

// sentence: one of the model's refusal sentences, translated in context; its arguments as
// refusalArguments gives them.
QString refusalText(const char* context, const char* sentence, const Refusal& refusal,
                    const NumberFormat& format, std::size_t longestTyped = 0);
