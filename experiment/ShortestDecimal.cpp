// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShortestDecimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// libc++ declares to_chars for doubles deleted where it has no implementation.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define BRONTEL_HAVE_TO_CHARS_DOUBLE 1
#endif

namespace {

// "%.{digits-1}e": one digit before the point, the others after, and the exponent.
std::string scientific(double value, int digits)
{
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%.*e", digits - 1, value);
    return text.data();
}

// The fewest significant digits whose text reads back to the same double (1 to 17).
std::string shortestScientific(double value)
{
    for (int digits = 1; digits < 17; ++digits) {
        std::string text = scientific(value, digits);
        if (std::strtod(text.c_str(), nullptr) == value) {
            return text;
        }
    }
    return scientific(value, 17);
}

// The same digits in plain notation: "1.2345e+02" becomes "123.45", "1.5e-03" "0.0015".
std::string plain(std::string_view sci)
{
    std::string sign;
    if (sci.front() == '-') {
        sign = "-";
        sci.remove_prefix(1);
    }
    const auto e = sci.find('e');
    const int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
    std::string digits;
    for (const char c : sci.substr(0, e)) {
        if (c != '.') {
            digits += c;
        }
    }
    const int point = exponent + 1; // digits before the decimal point
    std::string out;
    if (point <= 0) {
        out = "0." + std::string(std::size_t(-point), '0') + digits;
    } else if (std::size_t(point) >= digits.size()) {
        out = digits + std::string(std::size_t(point) - digits.size(), '0');
    } else {
        out = digits.substr(0, std::size_t(point)) + "." + digits.substr(std::size_t(point));
    }
    return sign + out;
}

} // namespace

std::string shortestDecimalByPrintf(double value)
{
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    if (value == 0) {
        return std::signbit(value) ? "-0" : "0";
    }
    const std::string sci = shortestScientific(value);
    std::string fixed = plain(sci);
    // Large whole numbers in plain notation are written exactly, every digit of the double, as
    // to_chars does; with 2^53 and above the shortest digits padded with zeros may differ.
    if (std::abs(value) >= 9007199254740992.0) {
        std::array<char, 400> text{};
        std::snprintf(text.data(), text.size(), "%.0f", value);
        fixed = text.data();
    }
    return fixed.size() <= sci.size() ? fixed : sci;
}

std::string shortestDecimal(double value)
{
#if defined(BRONTEL_HAVE_TO_CHARS_DOUBLE)
    std::array<char, 400> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} ? std::string(text.data(), end) : std::string();
#else
    return shortestDecimalByPrintf(value);
#endif
}
