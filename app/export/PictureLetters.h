// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The letters of a saved picture: each caption in the design's serif in its box, and the line
// naming the settings in sans. The picture paints them, and so does the glyph atlas that lets the
// page set the same pixels.

#include "Control.h"

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// Text as XML 1.0 allows it, so that a picture's letters are the same in every format.
QString xmlText(const QString& text);

// The font of the settings line, at its size in design pixels.
QFont settingsLineFont();

// A caption's text in the interface's language, as a picture shows it.
QString captionText(Control caption);

// The font of a caption, at its size in design pixels.
QFont captionFont(Control caption);

// A caption's text in the interface's language, in its box (design pixels) as the window sets it.
void paintCaptionLetters(QPainter& painter, Control caption, const QRectF& box);

// The settings line in its box (design pixels).
void paintSettingsLine(QPainter& painter, const QRectF& box, const QString& text);
