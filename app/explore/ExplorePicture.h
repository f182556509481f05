// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The explore view's pictures on a painter or in a file: the model's retained drawing rendered
// as the main picture is, with its labels translated and its numbers in the user's format.

#include "ExploreDrawing.h"
#include "ScenePicture.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>

class QPainter;

// The drawing's size in design pixels (15 twips each).
QSizeF exploreDesignSize();

// A label's text in the interface's language with its numbers in place.
QString exploreLabelText(const exploreview::Label& label);

// Paints drawing at factor painter units per design pixel, its corner at the painter's origin.
void paintExplore(QPainter& painter, const exploreview::Drawing& drawing, double factor);

// The pictures of model as a file: a PNG at twice the design's size, or vectors in SVG or PDF.
// Empty when it could not be made.
QByteArray explorePictureFile(const ExploreModel& model, PictureFormat format);
