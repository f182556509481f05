// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunParameters.h"

namespace {

struct ByDistance
{
    double near = 0;   // 100 twips
    double middle = 0; // 750 twips
    double far = 0;    // 1500 twips

    double operator[](DetectorDistance distance) const
    {
        switch (distance) {
        case DetectorDistance::Near:
            return near;
        case DetectorDistance::Middle:
            return middle;
        case DetectorDistance::Far:
            return far;
        }
        return 0;
    }
};

void chooseCritical(RunParameters& p, Substance substance, DetectorDistance distance)
{
    p.arrowLenVH = 1;
    const bool water = substance == Substance::Water;
    p.scaleH = ByDistance{0.0001, 0.02, 0.01}[distance];
    p.scaleL = water ? 0.0025 : 0.004;
    p.scaleV = 0.0015;
    p.arrowLenL = 5;
}

void choose35(RunParameters& p, Substance substance, DetectorDistance distance)
{
    p.arrowLenVH = 3;
    const bool water = substance == Substance::Water;
    p.scaleV = water ? 0.005 : 0.003;
    p.scaleH = (water ? ByDistance{0.12, 0.02, 0.01} : ByDistance{0.05, 0.01, 0.005})[distance];
    p.scaleL = 0.004;
    p.arrowLenL = 6;
}

void choose60(RunParameters& p)
{
    // Beyond the critical angle nothing leaves the substance: detector H's curve stays flat.
    p.scaleV = 0.013;
    p.scaleH = 0;
    p.scaleL = 0.005;
    p.arrowLenL = 3;
    p.arrowLenVH = 2;
}

} // namespace

RunParameters chooseRunParameters(AngleCase angleCase, Substance substance,
                                  DetectorDistance distance)
{
    RunParameters p;
    switch (angleCase) {
    case AngleCase::Critical:
        chooseCritical(p, substance, distance);
        break;
    case AngleCase::Angle35:
        choose35(p, substance, distance);
        break;
    case AngleCase::Angle60:
        choose60(p);
        break;
    }
    return p;
}
