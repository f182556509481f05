// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The first stage of a run: wipe the picture and draw the fixed apparatus.

class Surface;

// Paints the whole picture over in grey, paints the substance and draws the surface, the
// spiral axes, the probe line, the lines of detectors H and L and the normal of the lit stretch.
// Leaves the draw width at 1.
void drawScene(Surface& surface, double detectorDistance);
