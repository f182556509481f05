// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings of one run, read from the window when Start is pressed.

#include <string>

struct RunSettings
{
    double refrIndex = 0;        // nIndex
    double alpha = 0;            // nAlfa, degrees
    std::string angleCase;       // nAlfaCaption: "35", "60" or "Mezní" (UTF-8)
    std::string substance;       // nLátka: "Voda" or "Sklo"
    std::string distanceKey;     // nDistance as text: "100", "750" or "1500"
    double detectorDistance = 0; // nDistance as a number
};
