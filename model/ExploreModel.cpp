// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExploreModel.h"

#include "ClassicalOptics.h"
#include "ExploreCsv.h"
#include "GapTransmission.h"
#include "RunParameters.h"
#include "Substance.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double substanceIndex(ExploreSubstance substance)
{
    return substance == ExploreSubstance::Glass ? facts(Substance::Glass).refrIndex
                                                : facts(Substance::Water).refrIndex;
}

// Finite values within [low, high]; anything else keeps the old value.
bool clampInto(double& value, double wanted, double low, double high)
{
    if (!std::isfinite(wanted)) {
        return false;
    }
    const double clamped = std::clamp(wanted, low, high);
    if (clamped == value) {
        return false;
    }
    value = clamped;
    return true;
}

// How far below the evanescent field at 6 d (e^{−6} in amplitude) the beam's own light that
// leaves into the air must stay: its Gaussian spectrum reaches the air's wave numbers with
// e^{−(w Δk / 2)²}, Δk = k (n sin α − 1).
constexpr double spectrumMargin = 12;

} // namespace

ExploreModel::ExploreModel() = default;

ExploreModel::ExploreModel(const ExploreSettings& s) : ExploreModel()
{
    setIndex(s.index);
    setAlpha(s.alphaDegrees);
    setBeam(s.beam);
    setWaist(s.waistTwips);
    setStep(s.stepTwips);
    setArrows(s.arrows);
    setIndex2(s.index2);
    setSecondBlock(s.secondBlock);
    const std::optional<double> d = decayLength(m_settings.index, m_settings.alphaDegrees);
    setGapInDepths(s.gapTwips / (d ? *d : optics::wavelengthInAir));
}

double ExploreModel::gapTwips() const
{
    const std::optional<double> d = decayLength(m_settings.index, m_settings.alphaDegrees);
    return m_gapInDepths * (d ? *d : optics::wavelengthInAir);
}

void ExploreModel::changed(bool sumsChange, bool gapsChange, bool chainChanges)
{
    if (sumsChange) {
        m_heights.reset();
    }
    if (gapsChange) {
        m_gaps.reset();
    }
    if (chainChanges) {
        m_chain.reset();
    }
    for (const Listener& listener : m_listeners) {
        listener();
    }
}

double ExploreModel::heightTop() const
{
    const std::vector<double> z = exploreHeights(m_settings);
    return z.back();
}

void ExploreModel::setAlpha(double degrees)
{
    if (!std::isfinite(degrees)) {
        return;
    }
    const double rounded = std::round(std::clamp(degrees, 0.0, explore::largestAngle) * 10) / 10;
    if (rounded == m_settings.alphaDegrees) {
        return;
    }
    m_settings.alphaDegrees = rounded;
    changed(true, true, true);
}

void ExploreModel::setSubstance(ExploreSubstance substance)
{
    if (substance == m_substance) {
        return;
    }
    const bool sameBlock = m_settings.index2 == m_settings.index;
    m_substance = substance;
    if (substance != ExploreSubstance::Other) {
        m_settings.index = substanceIndex(substance);
    }
    // A second block of the same substance stays the same substance.
    if (sameBlock) {
        m_settings.index2 = m_settings.index;
    }
    changed(true, true, true);
}

void ExploreModel::setIndex(double n)
{
    const double old = m_settings.index;
    if (!clampInto(m_settings.index, n, explore::smallestIndex, explore::largestIndex)) {
        return;
    }
    if (m_settings.index2 == old) {
        m_settings.index2 = m_settings.index;
    }
    m_substance =
        m_settings.index == substanceIndex(ExploreSubstance::Water)   ? ExploreSubstance::Water
        : m_settings.index == substanceIndex(ExploreSubstance::Glass) ? ExploreSubstance::Glass
                                                                      : ExploreSubstance::Other;
    changed(true, true, true);
}

void ExploreModel::setBeam(BeamShape beam)
{
    if (beam == m_settings.beam) {
        return;
    }
    m_settings.beam = beam;
    changed(true, true, true);
}

void ExploreModel::setWaist(double twips)
{
    if (clampInto(m_settings.waistTwips, twips, explore::smallestWaist, explore::largestWaist)) {
        changed(true, true, true);
    }
}

void ExploreModel::setStep(double twips)
{
    const double step =
        twips >= explore::mainWindowStep ? explore::mainWindowStep : explore::fineStep;
    if (step == m_settings.stepTwips) {
        return;
    }
    m_settings.stepTwips = step;
    changed(true, true, true);
}

void ExploreModel::setArrows(ArrowKind arrows)
{
    if (arrows == m_settings.arrows) {
        return;
    }
    m_settings.arrows = arrows;
    changed(true, true, true);
}

void ExploreModel::setSecondBlock(bool on)
{
    if (on == m_settings.secondBlock) {
        return;
    }
    m_settings.secondBlock = on;
    changed(false, true, false);
}

void ExploreModel::setGapInDepths(double depths)
{
    if (clampInto(m_gapInDepths, depths, 0, explore::largestGapInDepths)) {
        // The gap's curve runs over the whole range; only the marker moves.
        changed(false, false, false);
    }
}

void ExploreModel::setIndex2(double n)
{
    if (clampInto(m_settings.index2, n, explore::smallestIndex, explore::largestIndex)) {
        changed(false, true, false);
    }
}

double ExploreModel::pickedHeight() const
{
    return m_pickedShare * heightTop();
}

void ExploreModel::setPickedHeight(double z)
{
    const double top = heightTop();
    if (top > 0 && clampInto(m_pickedShare, z / top, 0, 1)) {
        changed(false, false, true);
    }
}

const std::vector<HeightRow>& ExploreModel::heights() const
{
    if (!m_heights) {
        m_heights = heightCurve(m_settings);
    }
    return *m_heights;
}

const std::vector<GapRow>& ExploreModel::gaps() const
{
    if (!m_gaps) {
        if (m_settings.secondBlock) {
            ExploreSettings s = m_settings;
            const std::optional<double> d = decayLength(s.index, s.alphaDegrees);
            s.gapTwips = explore::largestGapInDepths * (d ? *d : optics::wavelengthInAir);
            m_gaps = gapCurve(s);
        } else {
            m_gaps.emplace();
        }
    }
    return *m_gaps;
}

const std::vector<std::complex<double>>& ExploreModel::chain() const
{
    if (!m_chain) {
        m_chain = arrowChain(m_settings, pickedHeight());
    }
    return *m_chain;
}

ExploreReadouts ExploreModel::readouts() const
{
    const double n = m_settings.index;
    const double alpha = m_settings.alphaDegrees;
    ExploreReadouts r;
    if (n > 1) {
        r.criticalAngle = optics::criticalAngle(n);
    }
    r.brewsterAngle = optics::brewsterAngle(n);
    r.depthTwips = decayLength(n, alpha);
    if (r.depthTwips) {
        r.depthWavelengths = *r.depthTwips / optics::wavelengthInAir;
    }
    const optics::Reflectance reflectance = optics::reflectance(n, alpha);
    r.reflectanceS = reflectance.s;
    r.reflectanceP = reflectance.p;
    r.transmittanceS = 100 - reflectance.s;
    r.transmittanceP = 100 - reflectance.p;
    if (m_settings.secondBlock) {
        const optics::Transmission t =
            optics::gapTransmission(n, alpha, gapTwips(), m_settings.index2);
        r.gapTransmissionS = 100 * t.s;
        r.gapTransmissionP = 100 * t.p;
    }
    return r;
}

bool ExploreModel::falseBeam() const
{
    return m_settings.stepTwips >= largestCleanStep();
}

double ExploreModel::largestCleanStep() const
{
    return ::largestCleanStep(m_settings.index, m_settings.alphaDegrees);
}

std::optional<double> ExploreModel::neededWaist() const
{
    const double beyond =
        m_settings.index * std::sin(m_settings.alphaDegrees * std::numbers::pi / 180) - 1;
    if (!(beyond > 0)) {
        return std::nullopt;
    }
    return 2 * std::sqrt(spectrumMargin) / (phasePerTwip * beyond);
}

std::string ExploreModel::csv() const
{
    return exploreCsv(heights(), gaps());
}
