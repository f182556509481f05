// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberFormat.h"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace {
// The shortest text that reads back as the same double, without an exponent. Streams under the
// classic locale, so that the C library's locale (which a GUI toolkit may set) plays no part.
std::string shortestFixed(double value)
{
    for (int precision = 1; precision <= 17; ++precision) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out.precision(precision);
        out << value;
        std::string text = out.str();
        std::istringstream in(text);
        in.imbue(std::locale::classic());
        double back = 0;
        in >> back;
        if (back == value) {
            if (text.find_first_of("eE") == std::string::npos) {
                return text;
            }
            break;
        }
    }
    // Very large or very small: every digit written out, trailing zeros dropped.
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(std::ios::fixed);
    out.precision(17);
    out << value;
    std::string text = out.str();
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

bool isSpace(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number in the C form: sign, digits with at most one point, an optional exponent.
bool wellFormed(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    int digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        int exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}
} // namespace

std::string formatNumber(double value, const NumberFormat& format)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    std::string text = shortestFixed(value);
    const auto point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, format.decimalSeparator);
    }
    return text;
}

ParsedNumber parseNumber(std::string_view text, const NumberFormat& format)
{
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    std::string plain(text);
    const std::string& separator = format.decimalSeparator;
    if (separator != ".") {
        const auto at = plain.find(separator);
        if (at != std::string::npos) {
            // The locale's separator; a point beside it would be grouping, which is refused.
            if (plain.find('.') != std::string::npos) {
                return {};
            }
            plain.replace(at, separator.size(), ".");
        } else if (separator != ",") {
            // Only where the separator is a comma is a point accepted in its place.
            if (plain.find('.') != std::string::npos) {
                return {};
            }
        }
    }
    if (!wellFormed(plain)) {
        return {};
    }
    std::istringstream in(plain);
    in.imbue(std::locale::classic());
    double value = 0;
    in >> value;
    if (in.fail()) {
        // Out of range: the stream gives the largest double for too large a magnitude, zero
        // for too small a one, which is as good as zero for every setting.
        if (std::abs(value) >= std::numeric_limits<double>::max()) {
            return {ParsedNumber::Kind::TooLarge, value};
        }
        return {ParsedNumber::Kind::Number, 0.0};
    }
    return {ParsedNumber::Kind::Number, value};
}
