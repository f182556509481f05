// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HankelOne.h"

#include <boost/math/special_functions/hankel.hpp>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace hankel {

namespace {

// Below this the table's cubic cannot follow x·H1's x² ln x term; Boost answers directly.
constexpr double tableFrom = 1;
constexpr double step = 1.0 / 64;
constexpr int tableSize = static_cast<int>(asymptoticFrom / step) + 2;

// x·H1(x) and its derivative x·H0(x) at every table point: a cubic Hermite between two points
// is then accurate to about step⁴.
struct Table
{
    std::vector<std::complex<double>> value;
    std::vector<std::complex<double>> slope;
};

const Table& table()
{
    static const Table t = [] {
        Table built;
        built.value.resize(tableSize);
        built.slope.resize(tableSize);
        for (int i = 1; i < tableSize; ++i) {
            const double x = i * step;
            built.value[i] = x * boost::math::cyl_hankel_1(1, x);
            built.slope[i] = x * boost::math::cyl_hankel_1(0, x);
        }
        return built;
    }();
    return t;
}

} // namespace

std::complex<double> referenceOne(double x)
{
    return boost::math::cyl_hankel_1(1, x);
}

std::complex<double> asymptoticOne(double x)
{
    // H1(x) ~ √(2/(πx)) e^{i(x − 3π/4)} Σ i^k a_k / x^k, a_k = a_{k−1} (4 − (2k−1)²) / (8k).
    constexpr int terms = 9;
    std::complex<double> series = 0;
    std::complex<double> power = 1; // (i/x)^k
    double a = 1;
    for (int k = 0; k < terms; ++k) {
        series += a * power;
        const int odd = 2 * k + 1;
        a *= (4.0 - odd * odd) / (8.0 * (k + 1));
        power *= std::complex<double>(0, 1 / x);
    }
    const double phase = x - 0.75 * std::numbers::pi;
    return std::sqrt(2 / (std::numbers::pi * x)) * std::polar(1.0, phase) * series;
}

std::complex<double> fastOne(double x)
{
    if (x >= asymptoticFrom) {
        return asymptoticOne(x);
    }
    if (x < tableFrom) {
        return referenceOne(x);
    }
    const Table& t = table();
    const double at = x / step;
    const int i = static_cast<int>(at);
    const double u = at - i;
    // Cubic Hermite on [i, i+1] with the derivatives scaled to the step.
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double h00 = 2 * u3 - 3 * u2 + 1;
    const double h10 = u3 - 2 * u2 + u;
    const double h01 = -2 * u3 + 3 * u2;
    const double h11 = u3 - u2;
    // d/dx (x H1(x)) = x H0(x).
    const std::complex<double> xh1 = h00 * t.value[i] + h10 * step * t.slope[i] +
                                     h01 * t.value[i + 1] + h11 * step * t.slope[i + 1];
    return xh1 / x;
}

} // namespace hankel
