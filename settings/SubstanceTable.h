// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two substances: their keys, refractive indices and critical angles. The critical angles
// are the program's own constants, not computed from the indices.

#include <QString>

struct Substance
{
    const char16_t* key;
    double refrIndex;
    double criticalAngle; // degrees
};

constexpr Substance glass{u"Sklo", 1.5, 41.839};
constexpr Substance water{u"Voda", 1.33, 48.783};

// Exactly "Voda" means water; any other key counts as glass.
inline const Substance& substanceOf(const QString& key)
{
    return key == QStringView(water.key) ? water : glass;
}
