// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pupils' worksheet and the teacher's key, as HTML for printing: tasks tied to the program
// (predict, run, read a value, compute and check), room to write, and a key whose every number the
// program computes here, from its own runs or a formula. Both front ends print this one text: the
// desktop through its printer, the page through the browser's print.

#include "NumberFormat.h"

#include <functional>
#include <string>
#include <string_view>

inline constexpr const char* worksheetTextContext = "Worksheet";

enum class WorksheetPart
{
    Sheet, // for the pupils
    Key    // for the teacher
};

// The numbers of the key, each from a formula or a whole run of the program.
struct WorksheetNumbers
{
    double criticalWater = 0; // degrees, sin θc = 1/n
    double criticalGlass = 0;
    double programCriticalWater = 0; // what "Mezní" writes, the program's degrees
    double programCriticalGlass = 0;
    double programCriticalWaterTrue = 0; // ... in true degrees
    double programCriticalGlassTrue = 0;
    double refractionWater35 = 0; // degrees at a true 35°
    double refractionGlass35 = 0;
    double vAboveWater35 = 0; // V's largest squared resultant above the surface, water 35°/750
    double vBelowWater35 = 0; // ... and below it
    double lWater35 = 0;      // L's largest squared resultant, water at 35° and 60°, 750 twips
    double lWater60 = 0;
    double lPerUnitWater35 = 0; // ... and per unit arrow
    double lPerUnitWater60 = 0;
    double rsWater35 = 0; // per cent, at the program's 35
    double rpWater35 = 0;
    double brewsterWater = 0;     // the internal Brewster angle, degrees
    double depthCritical = 0;     // d at the critical setting in water, twips
    double factorAt100 = 0;       // e^(−2·100/d): the evanescent intensity 100 twips up
    double depthGlass60 = 0;      // d in glass at 60°, twips
    double depthGlass60Waves = 0; // ... in wavelengths in air
    double gapOneWave = 0;        // e^(−2 λ0 / d): light across a gap of one wavelength
};

WorksheetNumbers worksheetNumbers();

using TextLookup = std::function<std::string(std::string_view source)>;

// The part as a whole HTML document, its words looked up by lookup (the Czech source in, the
// language's text out) and its numbers written with the language's decimal separator.
std::string worksheetHtml(WorksheetPart part, const TextLookup& lookup, const NumberFormat& format,
                          const WorksheetNumbers& numbers = worksheetNumbers());
