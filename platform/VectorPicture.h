// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Draws a retained picture onto a painter as few vector shapes as it takes, for files that are
// read by other programs (SVG, PDF, a printer). Lines of one colour are drawn in any order
// without changing the result, so within each run of same-coloured commands:
// - repeated lines are drawn once;
// - a sweep of long parallel lines a pixel or less apart, which only fills an area (the grey
//   paint-over, the substance, the incident beam), becomes one filled polygon;
// - segments that join end to start (the Cornu spirals) become polylines.
// The painter's coordinates are twips; set its transform for the size wanted.

#include "DrawingList.h"

#include <QRectF>

class QPainter;

// Draws list on painter, cut to clip (in twips). Restores the painter's state afterwards.
void drawAsVectors(QPainter& painter, const DrawingList& list, const QRectF& clip);
