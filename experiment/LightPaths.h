// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The second stage of a run: the incident beam, the edges of the reflected beam and, by angle
// case, the edges of the refracted beam or the ray grazing along the surface.

class Surface;
struct RunSettings;

// Draws the light paths for the settings, starting and ending at draw width 1.
// In case "35" an index and angle with refrIndex * sin(alpha) > 1 have no refracted ray, so its
// edges are left out.
void drawLightPaths(Surface& surface, const RunSettings& settings);
