// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Built with -O3 -fno-math-errno -fopenmp-simd so that the loops below turn into vector code, and
// with -ffp-contract=off and without fast-math so the phases come out exactly as in the plain
// loop (see CMakeLists.txt).
#include "ChainSums.h"

#include <cmath>
#include <stdexcept>

// Which vector sine and cosine this build has: libmvec comes with glibc on x86-64; SLEEF is a
// separate library, so the build says whether it found it (BRONTEL_HAVE_SLEEF).
#if defined(__x86_64__) && defined(__GLIBC__)
#define BRONTEL_MVEC 1
#elif defined(__aarch64__) && defined(BRONTEL_HAVE_SLEEF)
#define BRONTEL_ADVSIMD 1
#endif

#if defined(BRONTEL_MVEC)
#include <immintrin.h>

// libmvec's vector sine and cosine, named by the vector function ABI. Each is itself chosen by
// the C library for the processor it runs on.
extern "C" {
__m128d mvecSin2(__m128d) __asm__("_ZGVbN2v_sin");
__m128d mvecCos2(__m128d) __asm__("_ZGVbN2v_cos");
__attribute__((target("avx2"))) __m256d mvecSin4(__m256d) __asm__("_ZGVdN4v_sin");
__attribute__((target("avx2"))) __m256d mvecCos4(__m256d) __asm__("_ZGVdN4v_cos");
__attribute__((target("avx512f"))) __m512d mvecSin8(__m512d) __asm__("_ZGVeN8v_sin");
__attribute__((target("avx512f"))) __m512d mvecCos8(__m512d) __asm__("_ZGVeN8v_cos");
}

// The phase and sum loops are cloned for each x86 vector width and picked at load time.
#define BRONTEL_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
// Elsewhere the loops are built for the architecture's own baseline vector unit (Advanced SIMD
// is part of every AArch64).
#define BRONTEL_VECTOR_CLONES
#endif

#if defined(BRONTEL_ADVSIMD)
#include <arm_neon.h>
#include <sleef.h>
#endif

using namespace scene;

namespace {

// A chain's values padded to a whole number of the widest vectors.
constexpr int padded = (chainArrows + 7) / 8 * 8;
enum Detector
{
    V,
    H,
    L,
    detectors
};

struct Lanes
{
    alignas(64) double phase[detectors][padded];
    alignas(64) double cos[detectors][padded];
    alignas(64) double sin[detectors][padded];
};

struct StepGeometry
{
    double probeFactor; // n when the probe is in the substance, else 1
    double probeDy2;
    double detectorX;
    double distance2;
    double refrIndex;
    double phaseFactor;
};

// The phases of the three chains. Every expression is the plain loop's, term for term.
BRONTEL_VECTOR_CLONES void computePhases(const double* incoming, const double* probeDx2,
                                         const StepGeometry& g, Lanes& lanes)
{
    double* __restrict phaseV = lanes.phase[V];
    double* __restrict phaseH = lanes.phase[H];
    double* __restrict phaseL = lanes.phase[L];
#pragma omp simd
    for (int i = 0; i < chainArrows; ++i) {
        const double a = incoming[i];
        phaseV[i] = g.phaseFactor * (a + g.probeFactor * std::sqrt(probeDx2[i] + g.probeDy2));
        const double dx = stripLeftX + i - g.detectorX;
        phaseH[i] = g.phaseFactor * (a + std::sqrt(dx * dx + g.distance2));
        phaseL[i] =
            g.phaseFactor * (g.refrIndex * std::sqrt(dx * dx + lowerDepth * lowerDepth) + a);
    }
    for (int d = 0; d < detectors; ++d) {
        for (int i = chainArrows; i < padded; ++i) {
            lanes.phase[d][i] = 0; // keeps the spare lanes harmless
        }
    }
}

#if defined(BRONTEL_MVEC)
void sinCosBaseline(Lanes& lanes)
{
    for (int d = 0; d < detectors; ++d) {
        for (int i = 0; i < padded; i += 2) {
            const __m128d p = _mm_load_pd(&lanes.phase[d][i]);
            _mm_store_pd(&lanes.sin[d][i], mvecSin2(p));
            _mm_store_pd(&lanes.cos[d][i], mvecCos2(p));
        }
    }
}

__attribute__((target("avx2"))) void sinCosAvx2(Lanes& lanes)
{
    for (int d = 0; d < detectors; ++d) {
        for (int i = 0; i < padded; i += 4) {
            const __m256d p = _mm256_load_pd(&lanes.phase[d][i]);
            _mm256_store_pd(&lanes.sin[d][i], mvecSin4(p));
            _mm256_store_pd(&lanes.cos[d][i], mvecCos4(p));
        }
    }
}

__attribute__((target("avx512f"))) void sinCosAvx512(Lanes& lanes)
{
    for (int d = 0; d < detectors; ++d) {
        for (int i = 0; i < padded; i += 8) {
            const __m512d p = _mm512_load_pd(&lanes.phase[d][i]);
            _mm512_store_pd(&lanes.sin[d][i], mvecSin8(p));
            _mm512_store_pd(&lanes.cos[d][i], mvecCos8(p));
        }
    }
}
#endif

#if defined(BRONTEL_ADVSIMD)
// SLEEF's sine and cosine within 1 ulp, both from one call, two lanes at a time.
void sinCosAdvSimd(Lanes& lanes)
{
    for (int d = 0; d < detectors; ++d) {
        for (int i = 0; i < padded; i += 2) {
            const Sleef_float64x2_t_2 sc = Sleef_sincosd2_u10advsimd(vld1q_f64(&lanes.phase[d][i]));
            vst1q_f64(&lanes.sin[d][i], sc.x);
            vst1q_f64(&lanes.cos[d][i], sc.y);
        }
    }
}
#endif

// The C library's own sine and cosine, as in the plain loop; for architectures without a vector
// maths library.
void sinCosPortable(Lanes& lanes)
{
    for (int d = 0; d < detectors; ++d) {
        for (int i = 0; i < padded; ++i) {
            lanes.sin[d][i] = std::sin(lanes.phase[d][i]);
            lanes.cos[d][i] = std::cos(lanes.phase[d][i]);
        }
    }
}

// Only paths that simdPathSupported accepts reach here, so the portable one stands in for the
// paths this build lacks.
void sinCos(SimdPath path, Lanes& lanes)
{
    switch (path) {
#if defined(BRONTEL_MVEC)
    case SimdPath::Baseline:
        sinCosBaseline(lanes);
        return;
    case SimdPath::Avx2:
        sinCosAvx2(lanes);
        return;
    case SimdPath::Avx512:
        sinCosAvx512(lanes);
        return;
#endif
#if defined(BRONTEL_ADVSIMD)
    case SimdPath::AdvSimd:
        sinCosAdvSimd(lanes);
        return;
#endif
    default:
        break;
    }
    sinCosPortable(lanes);
}

// The sum of a chain's unit arrows.
BRONTEL_VECTOR_CLONES Arrow sumUnitArrows(const double* cos, const double* sin)
{
    double x = 0;
    double y = 0;
#pragma omp simd reduction(+ : x, y)
    for (int i = 0; i < chainArrows; ++i) {
        x += cos[i];
        y += sin[i];
    }
    return {x, y};
}

void copyArrows(const Lanes& lanes, Detector d, double length, std::span<Arrow> out)
{
    for (int i = 0; i < chainArrows; ++i) {
        out[i] = {length * lanes.cos[d][i], length * lanes.sin[d][i]};
    }
}

} // namespace

bool simdPathSupported(SimdPath path)
{
#if defined(BRONTEL_MVEC)
    __builtin_cpu_init(); // may be asked before main, from static initialisers
#endif
    switch (path) {
    case SimdPath::Baseline:
#if defined(BRONTEL_MVEC)
        return true;
#else
        return false;
#endif
    case SimdPath::Avx2:
#if defined(BRONTEL_MVEC)
        return __builtin_cpu_supports("avx2");
#else
        return false;
#endif
    case SimdPath::Avx512:
#if defined(BRONTEL_MVEC)
        return __builtin_cpu_supports("avx512f");
#else
        return false;
#endif
    case SimdPath::AdvSimd:
#if defined(BRONTEL_ADVSIMD)
        return true;
#else
        return false;
#endif
    case SimdPath::Portable:
        return true;
    }
    return false;
}

SimdPath bestSimdPath()
{
    for (const auto path :
         {SimdPath::Avx512, SimdPath::Avx2, SimdPath::Baseline, SimdPath::AdvSimd}) {
        if (simdPathSupported(path)) {
            return path;
        }
    }
    return SimdPath::Portable;
}

std::string_view simdPathName(SimdPath path)
{
    switch (path) {
    case SimdPath::Baseline:
        return "baseline (2 lanes)";
    case SimdPath::Avx2:
        return "AVX2 (4 lanes)";
    case SimdPath::Avx512:
        return "AVX-512 (8 lanes)";
    case SimdPath::AdvSimd:
        return "Advanced SIMD (2 lanes)";
    case SimdPath::Portable:
        return "portable (1 lane)";
    }
    return "?";
}

ChainSums::ChainSums(const SumInputs& inputs, SimdPath path) : m_in(inputs), m_path(path)
{
    if (!simdPathSupported(path)) {
        throw std::invalid_argument("vector path not supported by this processor");
    }
    for (int i = 0; i < chainArrows; ++i) {
        m_incoming[i] = m_in.refrIndex * i * m_in.sinAlpha;
        const double dx = stripLeftX + i - probeX;
        m_probeDx2[i] = dx * dx;
    }
}

StepResultants ChainSums::resultants(SweepStep step) const
{
    return sum(step, nullptr);
}

StepResultants ChainSums::resultants(SweepStep step, StepArrows& arrows) const
{
    return sum(step, &arrows);
}

StepResultants ChainSums::sum(SweepStep step, StepArrows* arrows) const
{
    const double dy = step.y() - surfaceY;
    const StepGeometry geometry{
        .probeFactor = step.probeInSubstance() ? m_in.refrIndex : 1.0,
        .probeDy2 = dy * dy,
        .detectorX = step.detectorX(),
        .distance2 = m_in.detectorDistance * m_in.detectorDistance,
        .refrIndex = m_in.refrIndex,
        .phaseFactor = m_in.phaseFactor,
    };
    Lanes lanes;
    computePhases(m_incoming.data(), m_probeDx2.data(), geometry, lanes);
    sinCos(m_path, lanes);

    const double lenL = m_in.effectiveArrowLenL(step);
    if (arrows) {
        copyArrows(lanes, V, m_in.arrowLenVH, arrows->v);
        copyArrows(lanes, L, lenL, arrows->l);
    }
    return {
        .v = m_in.arrowLenVH * sumUnitArrows(lanes.cos[V], lanes.sin[V]),
        .h = m_in.arrowLenVH * sumUnitArrows(lanes.cos[H], lanes.sin[H]),
        .l = lenL * sumUnitArrows(lanes.cos[L], lanes.sin[L]),
    };
}
