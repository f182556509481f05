// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Hankel function of the first kind and order one, H1(x) = J1(x) + i Y1(x), for x > 0: the
// 2-D Huygens wavelet's far part. The reference comes from Boost.Math; the fast form, which the
// explore sums call hundreds of thousands of times per picture, is a cubic table below 25 and
// the asymptotic series above.

#include <complex>

namespace hankel {

// Where the fast form changes from the table to the asymptotic series.
inline constexpr double asymptoticFrom = 25;

// Boost.Math's value.
std::complex<double> referenceOne(double x);

// The fast value: relative error below 1e-9 for x ≥ 1e-3 (tests/experiment/test_hankel_one).
std::complex<double> fastOne(double x);

// The asymptotic series alone, for x ≥ asymptoticFrom; the explore kernel inlines its terms.
std::complex<double> asymptoticOne(double x);

} // namespace hankel
