// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A ring of a one-pixel pen at any place, traced as the desktop's painter traces it: the circle
// as four cubic curves, each cut into short lines until flat, each line stepped pixel by pixel
// along its major axis, with no pixel set twice where one line meets the next and none left out
// where the tracing turns. At the design's size the run's markers are so small that this gives
// three or four pixels of an L whose shape changes with the place; any other rule gives other
// pixels.

#include "PixelSpans.h"

void tracedRing(const PixelCanvas& canvas, PixelPoint centre, double radius, std::uint32_t argb);
