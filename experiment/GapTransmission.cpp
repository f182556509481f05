// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GapTransmission.h"

#include "RunParameters.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace optics {

namespace {

using Complex = std::complex<double>;

// The normal component of the wave vector in a medium of index m for the tangential component
// kx; imaginary (decaying) where the wave cannot propagate.
Complex normalWaveNumber(double m, double kx)
{
    const double k = m * phasePerTwip;
    return std::sqrt(Complex(k * k - kx * kx, 0));
}

// Amplitude transmission through a layer between media 1 and 3, given the interface's
// admittances (kz for s, kz/ε for p) and the layer's phase kz2·g.
Complex layer(Complex y1, Complex y2, Complex y3, Complex phase)
{
    const Complex r12 = (y1 - y2) / (y1 + y2);
    const Complex r23 = (y2 - y3) / (y2 + y3);
    const Complex t12 = 2.0 * y1 / (y1 + y2);
    const Complex t23 = 2.0 * y2 / (y2 + y3);
    const Complex e = std::exp(Complex(0, 1) * phase);
    return t12 * t23 * e / (1.0 + r12 * r23 * e * e);
}

} // namespace

Transmission gapTransmission(double n, double incidenceDegrees, double gapTwips, double n2)
{
    const double kx = n * phasePerTwip * std::sin(incidenceDegrees * std::numbers::pi / 180);
    const Complex kz1 = normalWaveNumber(n, kx);
    const Complex kz2 = normalWaveNumber(1, kx);
    const Complex kz3 = normalWaveNumber(n2, kx);
    if (kz3.real() <= 0) {
        return {};
    }
    const Complex phase = kz2 * gapTwips;
    // s: the field E and its normal derivative are continuous; p: H and its derivative over ε.
    const Complex ts = layer(kz1, kz2, kz3, phase);
    const double e1 = n * n;
    const double e3 = n2 * n2;
    const Complex tp = layer(kz1 / e1, kz2, kz3 / e3, phase);
    return {(kz3.real() / kz1.real()) * std::norm(ts),
            ((kz3.real() / e3) / (kz1.real() / e1)) * std::norm(tp)};
}

double brewsterAngle(double n)
{
    return std::atan(1 / n) * 180 / std::numbers::pi;
}

} // namespace optics
