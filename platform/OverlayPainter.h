// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Draws the teaching overlay's shapes and texts with a QPainter: on the window above the picture
// and into exported pictures alike. The overlay itself is worked out without Qt; this only
// translates its words, writes its numbers in the user's number format and puts it all at the
// window's scale.

#include "TeachingOverlay.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// A phrase in the interface's language with its numbers in place.
QString overlayText(const overlay::Phrase& phrase);

// Where the overlay's twips land: a design pixel (15 twips) is factor units of the painter,
// and the design's corner lies at origin.
struct OverlayPlacement
{
    double factor = 1;
    QPointF origin;
};

// Where the overlay is drawn: the window has the controls that some of its captions name.
enum class OverlayOn
{
    Window,
    Export
};

// Draws picture and returns the boxes of all it drew, in the painter's units.
std::vector<QRectF> paintOverlay(QPainter& painter, const overlay::Picture& picture,
                                 const OverlayPlacement& placement, OverlayOn on);
