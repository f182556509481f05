// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The teaching overlay laid over the picture: the normal at the lit stretch, the angles of
// incidence and refraction as arcs with their values, the critical angle as a dashed line, what
// the detectors V, H and L are, a legend for the spirals, a caption for the pace's scroll bar and
// a panel with what classical optics predicts. Worked out here once, as plain shapes and texts in
// the picture's twips, so that every front end only draws them. Texts are the program's Czech
// words, marked for translation in the scope overlay::textScope; a front end translates a text's
// words and puts its numbers, in the user's number format, in place of %1, %2, ...

#include "RunSettings.h"

#include <string_view>
#include <vector>

namespace overlay {

inline constexpr const char* textScope = "TeachingOverlay";

struct Point
{
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
};

// Guides (the normal, the arcs) and the critical angle, which is dashed.
enum class Ink
{
    Guide,
    Critical
};

struct Line
{
    Point from;
    Point to;
    Ink ink = Ink::Guide;

    bool operator==(const Line&) const = default;
};

// Angles as the screen has them: 0 along x to the right, 90 straight down, growing clockwise.
struct Arc
{
    Point centre;
    double radius = 0;
    double startDegrees = 0;
    double spanDegrees = 0;

    bool operator==(const Arc&) const = default;
};

struct Number
{
    double value = 0;
    int decimals = 0;

    bool operator==(const Number&) const = default;
};

// Words with their numbers.
struct Phrase
{
    std::string_view words;
    std::vector<Number> numbers;

    bool operator==(const Phrase&) const = default;
};

// Which point of the text's box lies on the text's place.
enum class Anchor
{
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
    Left,
    Right
};

struct Text
{
    Point at;
    Anchor anchor = Anchor::Left;
    Phrase phrase;

    bool operator==(const Text&) const = default;
};

struct Picture
{
    std::vector<Line> lines;
    std::vector<Arc> arcs;
    std::vector<Text> texts;
    // Captions of the window's controls (the pace's scroll bar): on the window only, never in
    // an exported picture, which has no controls.
    std::vector<Text> controlCaptions;
    // The theory panel: its lines, one under the other from its top-left corner.
    Point panelTopLeft;
    std::vector<Phrase> panel;

    bool operator==(const Picture&) const = default;
};

// The overlay for a run with these settings.
Picture teachingOverlay(const RunSettings& settings);

// The theory panel's lines alone: what classical optics predicts for these settings, and which
// angle option's parameters the run takes. Only its heading and a note when the settings have
// no prediction.
std::vector<Phrase> theoryPanel(const RunSettings& settings);

// Every text the overlay may show, for the translation's completeness.
std::vector<std::string_view> allWords();

} // namespace overlay
