// Built with -O3 -fno-math-errno -fopenmp-simd so that the loops below turn into vector code, and
// with -ffp-contract=off and without fast-math so the phases come out exactly as in the plain
// loop (see CMakeLists.txt).
#include "ChainSums.h"

#include <immintrin.h>

#include <cmath>
#include <stdexcept>

using namespace scene;

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
__attribute__((target_clones("avx512f", "avx2", "default"))) void
computePhases(const double* incoming, const double* probeDx2, const StepGeometry& g, Lanes& lanes)
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

// The sum of a chain's unit arrows.
__attribute__((target_clones("avx512f", "avx2", "default"))) Arrow sumUnitArrows(const double* cos,
                                                                                 const double* sin)
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
    __builtin_cpu_init(); // may be asked before main, from static initialisers
    switch (path) {
    case SimdPath::Baseline:
        return true;
    case SimdPath::Avx2:
        return __builtin_cpu_supports("avx2");
    case SimdPath::Avx512:
        return __builtin_cpu_supports("avx512f");
    }
    return false;
}

SimdPath bestSimdPath()
{
    for (const auto path : {SimdPath::Avx512, SimdPath::Avx2}) {
        if (simdPathSupported(path)) {
            return path;
        }
    }
    return SimdPath::Baseline;
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
    switch (m_path) {
    case SimdPath::Baseline:
        sinCosBaseline(lanes);
        break;
    case SimdPath::Avx2:
        sinCosAvx2(lanes);
        break;
    case SimdPath::Avx512:
        sinCosAvx512(lanes);
        break;
    }

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
