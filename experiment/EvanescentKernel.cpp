// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EvanescentKernel.h"

#include "HankelOne.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using std::numbers::pi;

// Within this many twips of the detector's foot the near part is summed over each point's
// stretch; further out the difference from one point's value is below 1e-6 of the surface's
// amplitude.
constexpr double nearWidth = 10;

// The near part z/(πr²) of the wavelet over the stretch of width step around offset dx, less
// the point's own share step·z/(πr²).
double nearCorrection(double dx, double z, double step)
{
    const double a = std::abs(dx) - step / 2;
    const double b = std::abs(dx) + step / 2;
    const double overStretch = (std::atan(b / z) - std::atan(a / z)) / pi;
    return overStretch - step * z / (pi * (dx * dx + z * z));
}

// The asymptotic series' coefficients a_k of H1 (see HankelOne.cpp).
constexpr double a1 = 0.375;
constexpr double a2 = a1 * (4.0 - 9) / 16;
constexpr double a3 = a2 * (4.0 - 25) / 24;
constexpr double a4 = a3 * (4.0 - 49) / 32;
constexpr double a5 = a4 * (4.0 - 81) / 40;
constexpr double a6 = a5 * (4.0 - 121) / 48;
constexpr double a7 = a6 * (4.0 - 169) / 56;
constexpr double a8 = a7 * (4.0 - 225) / 64;

} // namespace

std::complex<double> arrowWeightFast(double dx, double z, double k, double step)
{
    const double r = std::sqrt(dx * dx + z * z);
    const double x = k * r;
    double wRe;
    double wIm;
    if (x >= hankel::asymptoticFrom) {
        // (i k z / 2r) √(2/(πx)) e^{i(x − 3π/4)} Σ i^j a_j / x^j, with i·e^{−3πi/4} = e^{−πi/4}.
        const double u = 1 / x;
        const double u2 = u * u;
        const double seriesRe = 1 + u2 * (-a2 + u2 * (a4 + u2 * (-a6 + u2 * a8)));
        const double seriesIm = u * (a1 + u2 * (-a3 + u2 * (a5 - u2 * a7)));
        const double size = step * k * z / (2 * r) * std::sqrt(2 / (pi * x));
        const double phase = x - pi / 4;
        const double c = std::cos(phase);
        const double s = std::sin(phase);
        wRe = size * (c * seriesRe - s * seriesIm);
        wIm = size * (c * seriesIm + s * seriesRe);
    } else {
        const std::complex<double> w =
            step * std::complex<double>(0, k * z / (2 * r)) * hankel::fastOne(x);
        wRe = w.real();
        wIm = w.imag();
    }
    if (std::abs(dx) < nearWidth) {
        wRe += nearCorrection(dx, z, step);
    }
    return {wRe, wIm};
}

SurfacePoints foldedAboutZero(const SurfacePoints& points)
{
    SurfacePoints folded;
    folded.step = points.step;
    // Points are on a grid through 0 (x = j·step); pair j with −j by the index of |x|.
    std::size_t largest = 0;
    for (double x : points.x) {
        largest =
            std::max(largest, static_cast<std::size_t>(std::lround(std::abs(x) / points.step)));
    }
    folded.x.resize(largest + 1);
    folded.re.assign(largest + 1, 0);
    folded.im.assign(largest + 1, 0);
    for (std::size_t j = 0; j <= largest; ++j) {
        folded.x[j] = j * points.step;
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto j = static_cast<std::size_t>(std::lround(std::abs(points.x[i]) / points.step));
        folded.re[j] += points.re[i];
        folded.im[j] += points.im[i];
    }
    return folded;
}

std::complex<double> arrowWeight(double dx, double z, double k, double step, ArrowKind kind)
{
    const double r = std::sqrt(dx * dx + z * z);
    if (kind == ArrowKind::Equal) {
        return step * std::polar(1.0, k * r);
    }
    const std::complex<double> wavelet =
        std::complex<double>(0, k * z / (2 * r)) * hankel::referenceOne(k * r);
    const double near = std::abs(dx) < nearWidth ? nearCorrection(dx, z, step) : 0;
    return step * wavelet + near;
}

std::complex<double> arrowSumPlain(const SurfacePoints& points, double detectorX, double z,
                                   double k, ArrowKind kind)
{
    std::complex<double> sum = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        sum += std::complex<double>(points.re[i], points.im[i]) *
               arrowWeight(points.x[i] - detectorX, z, k, points.step, kind);
    }
    return sum;
}

std::complex<double> arrowSum(const SurfacePoints& points, double detectorX, double z, double k,
                              ArrowKind kind)
{
    const std::size_t count = points.size();
    const double* __restrict xs = points.x.data();
    const double* __restrict res = points.re.data();
    const double* __restrict ims = points.im.data();
    const double step = points.step;
    double sumRe = 0;
    double sumIm = 0;
    if (kind == ArrowKind::Equal) {
        for (std::size_t i = 0; i < count; ++i) {
            const double dx = xs[i] - detectorX;
            const double phase = k * std::sqrt(dx * dx + z * z);
            const double c = std::cos(phase);
            const double s = std::sin(phase);
            sumRe += res[i] * c - ims[i] * s;
            sumIm += res[i] * s + ims[i] * c;
        }
        return step * std::complex<double>(sumRe, sumIm);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::complex<double> w = arrowWeightFast(xs[i] - detectorX, z, k, step);
        const double wRe = w.real();
        const double wIm = w.imag();
        sumRe += res[i] * wRe - ims[i] * wIm;
        sumIm += res[i] * wIm + ims[i] * wRe;
    }
    return {sumRe, sumIm};
}
