// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StartCheck.h"

#include <cmath>

namespace {
// The number of a field, or why it is none; fields are checked in the order Start reads them.
// A number outside the field's range is refused with that range, whatever its size or sign; it
// is "too large" only past the top of a range that ends at the largest number the run computes
// with (the index), never for an angle of two million degrees or a negative number.
std::variant<double, Refusal> readSetting(Control field, const std::string& text,
                                          const NumberFormat& format, ranges::Range range,
                                          bool inDegrees)
{
    const ParsedNumber parsed = parseNumber(text, format);
    if (parsed.kind == ParsedNumber::Kind::NotANumber) {
        return Refusal{field, Refusal::Reason::NotANumber, text, 0, {}, false};
    }
    // Beyond any double, the stream's value keeps the sign typed.
    const double value = parsed.value;
    if (parsed.kind == ParsedNumber::Kind::TooLarge || !range.contains(value)) {
        const bool pastComputing = value > range.highest && range.highest >= ranges::largestSetting;
        return Refusal{
            field, pastComputing ? Refusal::Reason::TooLarge : Refusal::Reason::OutOfRange,
            text,  value,
            range, inDegrees};
    }
    return value;
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
