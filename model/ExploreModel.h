// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The explore view without a window: its settings with their ranges, the height the Cornu
// spiral is shown at, the sums it shows (summed again only when a setting they depend on
// changes) and the readouts of classical optics. Every front end shows this state and hands
// the user's changes to it; listeners hear of every change.

#include "ExploreSums.h"

#include <complex>
#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class ExploreSubstance
{
    Water,
    Glass,
    Other // any index typed in
};

struct ExploreReadouts
{
    std::optional<double> criticalAngle; // degrees; none for an index of 1
    double brewsterAngle = 0;            // degrees
    std::optional<double> depthTwips;    // amplitude decay length d
    std::optional<double> depthWavelengths;
    double reflectanceS = 0; // per cent
    double reflectanceP = 0;
    double transmittanceS = 0; // per cent, 100 − R: the power that leaves into the air
    double transmittanceP = 0;
    // With the second block: the gap's transmission at the chosen gap, per cent.
    std::optional<double> gapTransmissionS;
    std::optional<double> gapTransmissionP;
};

class ExploreModel
{
public:
    ExploreModel();
    // With these settings; the chosen gap is s.gapTwips in decay lengths (at most 10).
    explicit ExploreModel(const ExploreSettings& s);

    const ExploreSettings& settings() const { return m_settings; }
    ExploreSubstance substance() const { return m_substance; }
    // The chosen gap in decay lengths (0 … 10); below the critical angle in wavelengths.
    double gapInDepths() const { return m_gapInDepths; }
    // The chosen gap in twips.
    double gapTwips() const;
    double pickedHeight() const;

    // Each clamps to its range and rounds as the view's controls do; a change that changes
    // nothing tells no listener.
    void setAlpha(double degrees); // 0 … 89.9, to 0.1
    void setSubstance(ExploreSubstance substance);
    void setIndex(double n); // 1 … 3; water's or glass's index chooses that substance
    void setBeam(BeamShape beam);
    void setWaist(double twips); // 100 … 5000
    void setStep(double twips);  // 0.5 or the main window's 1
    void setArrows(ArrowKind arrows);
    void setSecondBlock(bool on);
    void setGapInDepths(double depths); // 0 … 10
    void setIndex2(double n);           // 1 … 3
    // The height of the Cornu spiral, twips, within the heights summed.
    void setPickedHeight(double z);

    // The sums, summed on first use after a change.
    const std::vector<HeightRow>& heights() const;
    // Empty without the second block. The curve runs from 0 to 10 decay lengths.
    const std::vector<GapRow>& gaps() const;
    // The chain of arrows at the picked height.
    const std::vector<std::complex<double>>& chain() const;

    ExploreReadouts readouts() const;
    // Whether the sampling is coarse enough to send a false beam, and the largest step that
    // does not.
    bool falseBeam() const;
    double largestCleanStep() const;
    // Whether a Gaussian beam this narrow lets its edges' light hide the evanescent field: the
    // waist falls short of what the angle needs (none needed below the critical angle).
    std::optional<double> neededWaist() const;

    // The table Ctrl+E saves, as `brontel --explore` writes it.
    std::string csv() const;

    using Listener = std::function<void()>;
    void addListener(Listener listener) { m_listeners.push_back(std::move(listener)); }

private:
    void changed(bool sumsChange, bool gapsChange, bool chainChanges);
    double heightTop() const;

    ExploreSettings m_settings;
    ExploreSubstance m_substance = ExploreSubstance::Water;
    double m_gapInDepths = 2;
    // The picked height as a share of the heights summed, so that it keeps its place on the
    // plot as the decay length changes: d at first.
    double m_pickedShare = 1.0 / 6;
    std::vector<Listener> m_listeners;

    mutable std::optional<std::vector<HeightRow>> m_heights;
    mutable std::optional<std::vector<GapRow>> m_gaps;
    mutable std::optional<std::vector<std::complex<double>>> m_chain;
};
