// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A finished run kept for comparison with others. A squared resultant grows with the square of
// the run's arrow length, and the arrow lengths differ from one angle case to another, so two
// runs compare only once each squared resultant is divided by its arrow length squared: what is
// left is the squared length of the sum of unit arrows, the same measure in every run.

#include "CurveRecord.h"
#include "RunParameters.h"

#include <optional>
#include <vector>

enum class Detector
{
    V,
    H,
    L
};

inline constexpr Detector allDetectors[] = {Detector::V, Detector::H, Detector::L};

class KeptRun
{
public:
    // The run of this record, or nothing when the record is not of a whole run (a stopped run
    // compares with nothing: its curves end part-way).
    static std::optional<KeptRun> of(const CurveRecord& record);

    const RunSettings& settings() const { return m_record.settings; }
    const std::vector<CurvePoint>& points() const { return m_record.points; }
    // The length of each of this detector's arrows in this run.
    double arrowLength(Detector detector) const;

    // Where the detector stood at this point: V's height on the probe line, H's and L's place
    // along their lines, in twips.
    static double place(const CurvePoint& point, Detector detector);
    // The detector's squared resultant at this point, divided by its arrow length squared.
    double perUnitArrow(const CurvePoint& point, Detector detector) const;

private:
    KeptRun(const CurveRecord& record, const RunParameters& parameters);

    CurveRecord m_record;
    RunParameters m_parameters;
};
