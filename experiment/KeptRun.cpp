// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeptRun.h"

#include "SceneGeometry.h"

KeptRun::KeptRun(const CurveRecord& record, const RunParameters& parameters)
    : m_record(record), m_parameters(parameters)
{}

std::optional<KeptRun> KeptRun::of(const CurveRecord& record)
{
    if (record.points.size() != std::size_t(scene::sweepSteps)) {
        return std::nullopt;
    }
    const RunSettings& s = record.settings;
    return KeptRun(record, chooseRunParameters(s.angleCase, s.substance, s.distance));
}

double KeptRun::arrowLength(Detector detector) const
{
    return detector == Detector::L ? m_parameters.arrowLenL : m_parameters.arrowLenVH;
}

double KeptRun::place(const CurvePoint& point, Detector detector)
{
    return detector == Detector::V ? double(point.y) : point.x;
}

double KeptRun::perUnitArrow(const CurvePoint& point, Detector detector) const
{
    const double length = arrowLength(detector);
    if (length == 0) {
        return 0; // a detector whose arrows have no length saw nothing
    }
    const double squared = detector == Detector::V   ? point.vSquared
                           : detector == Detector::H ? point.hSquared
                                                     : point.lSquared;
    return squared / (length * length);
}
