// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExploreSums.h"

#include "ClassicalOptics.h"
#include "GapTransmission.h"
#include "RunParameters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double k0 = phasePerTwip;

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

double tangentialWaveNumber(const ExploreSettings& s)
{
    return s.index * k0 * std::sin(radians(s.alphaDegrees));
}

// Half the lit stretch's length, twips.
double litHalfWidth(const ExploreSettings& s)
{
    return s.beam == BeamShape::Hard ? explore::hardStretch / 2 : 3 * s.waistTwips;
}

// The face of the second block that its detector's arrows start from: ±faceHalfWidth around
// the point below the detector, tapered so its edges send no light of their own.
constexpr double faceHalfWidth = 60;
constexpr double faceTaper = 20;

std::vector<HeightRow> heightRows(const ExploreSettings& s,
                                  std::complex<double> (*sum)(const SurfacePoints&, double, double,
                                                              double, ArrowKind))
{
    const SurfacePoints folded = foldedAboutZero(litSurface(s));
    const std::optional<double> d = decayLength(s.index, s.alphaDegrees);
    std::vector<HeightRow> rows;
    double atSurface = 0;
    for (double z : exploreHeights(s)) {
        std::complex<double> amplitude;
        if (z == 0 && s.arrows == ArrowKind::Exact) {
            amplitude = surfaceAmplitude(s, 0);
        } else {
            amplitude = sum(folded, 0, z, k0, s.arrows);
        }
        HeightRow row;
        row.z = z;
        row.amplitudeSquared = std::norm(amplitude);
        if (z == 0) {
            atSurface = row.amplitudeSquared;
        }
        row.relative = atSurface > 0 ? row.amplitudeSquared / atSurface : 0;
        if (d) {
            row.classical = std::exp(-2 * z / *d);
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

std::complex<double> surfaceAmplitude(const ExploreSettings& s, double x)
{
    double envelope = 0;
    if (s.beam == BeamShape::Hard) {
        envelope = std::abs(x) <= explore::hardStretch / 2 ? 1 : 0;
    } else if (std::abs(x) <= 3 * s.waistTwips) {
        envelope = std::exp(-(x / s.waistTwips) * (x / s.waistTwips));
    }
    return std::polar(envelope, tangentialWaveNumber(s) * x);
}

SurfacePoints litSurface(const ExploreSettings& s)
{
    SurfacePoints points;
    points.step = s.stepTwips;
    const auto half = static_cast<long>(std::floor(litHalfWidth(s) / s.stepTwips + 1e-9));
    points.x.reserve(2 * half + 1);
    points.re.reserve(2 * half + 1);
    points.im.reserve(2 * half + 1);
    for (long j = -half; j <= half; ++j) {
        const double x = j * s.stepTwips;
        const std::complex<double> a = surfaceAmplitude(s, x);
        points.x.push_back(x);
        points.re.push_back(a.real());
        points.im.push_back(a.imag());
    }
    return points;
}

std::optional<double> decayLength(double n, double alphaDegrees)
{
    return optics::penetrationDepth(n, alphaDegrees);
}

double largestCleanStep(double n, double alphaDegrees)
{
    const double sine = n * std::sin(radians(alphaDegrees));
    const double intoAir = optics::wavelengthInAir / (1 + sine);
    if (sine <= 0) {
        return intoAir;
    }
    return std::min(intoAir, optics::wavelengthInAir / (2 * sine));
}

std::vector<double> exploreHeights(const ExploreSettings& s)
{
    constexpr int intervals = 60;
    const std::optional<double> d = decayLength(s.index, s.alphaDegrees);
    const double top = d ? 6 * *d : 10;
    std::vector<double> heights;
    for (int i = 0; i <= intervals; ++i) {
        heights.push_back(top * i / intervals);
    }
    return heights;
}

std::vector<HeightRow> heightCurve(const ExploreSettings& s)
{
    return heightRows(s, &arrowSum);
}

std::vector<HeightRow> heightCurvePlain(const ExploreSettings& s)
{
    return heightRows(s, &arrowSumPlain);
}

std::vector<GapRow> gapCurve(const ExploreSettings& s)
{
    const SurfacePoints lit = litSurface(s);
    const double step = s.stepTwips;
    const auto litHalf = static_cast<long>(lit.size() / 2);
    const auto faceHalf = static_cast<long>(std::lround(faceHalfWidth / step));

    // The detector in the block: on the refracted ray from the face's centre, or straight above
    // it where the block reflects the light totally as well.
    const double k2 = s.index2 * k0;
    const double sine2 = tangentialWaveNumber(s) / k2;
    const double detectorX =
        sine2 < 1 ? explore::blockDepth * sine2 / std::sqrt(1 - sine2 * sine2) : 0;

    // The block's detector sees the face through fixed weights: its arrows and the taper.
    std::vector<std::complex<double>> faceToBlock(2 * faceHalf + 1);
    std::vector<double> faceX(2 * faceHalf + 1);
    for (long f = -faceHalf; f <= faceHalf; ++f) {
        const double x = f * step;
        faceX[f + faceHalf] = x;
        const double taper = std::exp(-(x / faceTaper) * (x / faceTaper));
        const std::complex<double> w =
            s.arrows == ArrowKind::Exact
                ? arrowWeightFast(detectorX - x, explore::blockDepth, k2, step)
                : arrowWeight(detectorX - x, explore::blockDepth, k2, step, ArrowKind::Equal);
        faceToBlock[f + faceHalf] = taper * w;
    }

    // The lit surface backwards, so that a face point's sum runs forwards through both arrays.
    const std::size_t litCount = lit.size();
    std::vector<double> backRe(lit.re.rbegin(), lit.re.rend());
    std::vector<double> backIm(lit.im.rbegin(), lit.im.rend());
    const long offsets = litHalf + faceHalf;
    std::vector<double> arrowRe(2 * offsets + 1);
    std::vector<double> arrowIm(2 * offsets + 1);

    std::vector<GapRow> rows;
    double touching = 0;
    for (int i = 0; i <= explore::gapIntervals; ++i) {
        const double gap = s.gapTwips * i / explore::gapIntervals;
        std::complex<double> block = 0;
        if (gap == 0 && s.arrows == ArrowKind::Exact) {
            for (std::size_t f = 0; f < faceX.size(); ++f) {
                block += surfaceAmplitude(s, faceX[f]) * faceToBlock[f];
            }
        } else {
            // A face point and a surface point on the same grid: the arrow depends on the
            // difference of their indices only, so each arrow is computed once.
            for (long m = -offsets; m <= offsets; ++m) {
                const std::complex<double> w =
                    s.arrows == ArrowKind::Exact
                        ? arrowWeightFast(m * step, gap, k0, step)
                        : arrowWeight(m * step, gap, k0, step, ArrowKind::Equal);
                arrowRe[m + offsets] = w.real();
                arrowIm[m + offsets] = w.imag();
            }
            for (long f = -faceHalf; f <= faceHalf; ++f) {
                // Σ_j lit[j] · arrow[f − j], j = −litHalf … litHalf, read forwards.
                const double* __restrict wr = arrowRe.data() + (f + faceHalf);
                const double* __restrict wi = arrowIm.data() + (f + faceHalf);
                const double* __restrict ar = backRe.data();
                const double* __restrict ai = backIm.data();
                double re = 0;
                double im = 0;
#pragma omp simd reduction(+ : re, im)
                for (std::size_t t = 0; t < litCount; ++t) {
                    re += ar[t] * wr[t] - ai[t] * wi[t];
                    im += ar[t] * wi[t] + ai[t] * wr[t];
                }
                block += std::complex<double>(re, im) * faceToBlock[f + faceHalf];
            }
        }
        GapRow row;
        row.gap = gap;
        row.amplitudeSquared = std::norm(block);
        if (i == 0) {
            touching = row.amplitudeSquared;
        }
        row.relative = touching > 0 ? row.amplitudeSquared / touching : 0;
        row.classicalTransmission =
            optics::gapTransmission(s.index, s.alphaDegrees, gap, s.index2).s;
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::complex<double>> arrowChain(const ExploreSettings& s, double z)
{
    const SurfacePoints lit = litSurface(s);
    // On the surface itself the exact wavelet is the surface's amplitude: look from just above.
    if (s.arrows == ArrowKind::Exact) {
        z = std::max(z, 1e-3 * lit.step);
    }
    std::vector<std::complex<double>> chain;
    chain.reserve(lit.size() + 1);
    std::complex<double> at = 0;
    chain.push_back(at);
    for (std::size_t i = 0; i < lit.size(); ++i) {
        const std::complex<double> w =
            s.arrows == ArrowKind::Exact ? arrowWeightFast(lit.x[i], z, k0, lit.step)
                                         : arrowWeight(lit.x[i], z, k0, lit.step, ArrowKind::Equal);
        at += std::complex<double>(lit.re[i], lit.im[i]) * w;
        chain.push_back(at);
    }
    return chain;
}

std::optional<double> fittedDecayLength(const std::vector<double>& z,
                                        const std::vector<double>& intensity, double from,
                                        double to)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < z.size() && i < intensity.size(); ++i) {
        if (z[i] < from - 1e-12 || z[i] > to + 1e-12 || !(intensity[i] > 0)) {
            continue;
        }
        const double y = std::log(intensity[i]);
        n += 1;
        sx += z[i];
        sy += y;
        sxx += z[i] * z[i];
        sxy += z[i] * y;
    }
    if (n < 3) {
        return std::nullopt;
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    if (!(slope < 0)) {
        return std::nullopt;
    }
    return -2 / slope;
}
