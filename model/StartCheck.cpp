// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartCheck.h"

#include <cmath>

namespace {
// The number of a field, or why it is none; fields are checked in the order Start reads them.
std::variant<double, Refusal> readNumber(Control field, const std::string& text,
                                         const NumberFormat& format)
{
    const ParsedNumber parsed = parseNumber(text, format);
    if (parsed.kind == ParsedNumber::Kind::NotANumber) {
        return Refusal{field, Refusal::Reason::NotANumber, text, 0, {}, false};
    }
    if (parsed.kind == ParsedNumber::Kind::TooLarge ||
        std::abs(parsed.value) > ranges::largestSetting) {
        return Refusal{field,
                       Refusal::Reason::TooLarge,
                       text,
                       parsed.value,
                       {-ranges::largestSetting, ranges::largestSetting},
                       false};
    }
    return parsed.value;
}

std::variant<double, Refusal> readSetting(Control field, const std::string& text,
                                          const NumberFormat& format, ranges::Range range,
                                          bool inDegrees)
{
    auto number = readNumber(field, text, format);
    if (const double* value = std::get_if<double>(&number); value && !range.contains(*value)) {
        return Refusal{field, Refusal::Reason::OutOfRange, text, *value, range, inDegrees};
    }
    return number;
}
} // namespace

std::variant<RunSettings, Refusal> checkStart(const StartFields& fields, const NumberFormat& format)
{
    const auto index = readSetting(Control::nIndex, fields.index, format, ranges::refrIndex, false);
    if (const auto* refusal = std::get_if<Refusal>(&index)) {
        return *refusal;
    }
    const auto alpha = readSetting(Control::nAlfa, fields.alpha, format, ranges::angle, true);
    if (const auto* refusal = std::get_if<Refusal>(&alpha)) {
        return *refusal;
    }
    return RunSettings::of(std::get<double>(index), std::get<double>(alpha), fields.angleCase,
                           fields.substance, fields.distance);
}
