// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fast amplitude sums: the phases of a whole chain at once, then vector sines and cosines
// on the widest vector unit the processor has: the C library's vector maths (libmvec) on x86-64,
// SLEEF's Advanced SIMD functions on AArch64, and the plain sine and cosine elsewhere.

#include "StepSums.h"

#include <array>
#include <span>
#include <string_view>

// The ways the kernel can take the sines and cosines. Every path exists on every architecture so
// that callers need no conditions of their own; simdPathSupported tells which this machine runs.
// Baseline runs on every x86-64, AdvSimd on every AArch64 built with SLEEF, Portable anywhere.
enum class SimdPath
{
    Baseline,
    Avx2,
    Avx512,
    AdvSimd,
    Portable
};

inline constexpr std::array allSimdPaths{SimdPath::Baseline, SimdPath::Avx2, SimdPath::Avx512,
                                         SimdPath::AdvSimd, SimdPath::Portable};

bool simdPathSupported(SimdPath path);
SimdPath bestSimdPath();
std::string_view simdPathName(SimdPath path);

inline constexpr int chainArrows = scene::stripSteps + 1;

// The arrows of the chains that a step draws, in the order of the surface points.
struct StepArrows
{
    std::array<Arrow, chainArrows> v{};
    std::array<Arrow, chainArrows> l{};
};

class ChainSums
{
public:
    // path must be supported by this processor.
    explicit ChainSums(const SumInputs& inputs, SimdPath path = bestSimdPath());

    // Safe to call from several threads at once.
    StepResultants resultants(SweepStep step) const;
    // The same, also handing out every arrow of chains V and L.
    StepResultants resultants(SweepStep step, StepArrows& arrows) const;

    SimdPath path() const { return m_path; }

private:
    StepResultants sum(SweepStep step, StepArrows* arrows) const;

    SumInputs m_in;
    SimdPath m_path;
    // The incoming part a of every surface point and detector V's horizontal distances squared
    // are the same at every step.
    std::array<double, chainArrows> m_incoming{};
    std::array<double, chainArrows> m_probeDx2{};
};
