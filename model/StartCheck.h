// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What Start checks before a run: every number the run reads must be a number, not too large to
// compute with, and within the range in which the experiment means something. A refusal is data
// (which field, what was typed, the range it needs); each front end says it in its own words.

#include "Control.h"
#include "NumberFormat.h"
#include "RunSettings.h"
#include "SettingRanges.h"

#include <optional>
#include <string>
#include <variant>

struct Refusal
{
    enum class Reason
    {
        NotANumber,
        TooLarge,  // past the top of a range that ends at ranges::largestSetting
        OutOfRange // a number (or beyond any number), but outside range
    };
    Control field = Control::nIndex;
    Reason reason = Reason::NotANumber;
    std::string typed;   // the field's text as it stood
    double value = 0;    // the number read, for OutOfRange
    ranges::Range range; // the accepted range, for TooLarge and OutOfRange
    bool inDegrees = false;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// The typed numbers and the choices of the panel, as Start reads them.
struct StartFields
{
    std::string index; // nIndex
    std::string alpha; // nAlfa
    AngleCase angleCase = AngleCase::Angle35;
    Substance substance = Substance::Water;
    DetectorDistance distance = DetectorDistance::Middle;
};

std::variant<RunSettings, Refusal> checkStart(const StartFields& fields,
                                              const NumberFormat& format);
