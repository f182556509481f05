// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The explore view's pictures, drawn through the drawing port into a retained picture (twips,
// as the main picture): the geometry, H's intensity against the height, the Cornu spiral at the
// picked height, the light in the second block against the gap, and the reflectance against the
// angle. The words and numbers that label them come beside it as texts in the same twips; their
// words are marked for translation in the scope exploreTextScope, and a front end puts the
// numbers, in the user's number format, in place of %1, %2, …

#include "DrawingList.h"
#include "ExploreModel.h"

#include <string>
#include <vector>

inline constexpr const char* exploreTextScope = "ExploreView";

namespace exploreview {

// The whole drawing, twips: 900 × 600 design pixels.
inline constexpr double width = 13500;
inline constexpr double height = 9000;

// Which point of the text's box lies on its place.
enum class Anchor
{
    TopLeft,
    Top,
    TopRight,
    Left,
    Right,
    BottomLeft,
    Bottom
};

struct Number
{
    double value = 0;
    int decimals = 0;
};

struct Label
{
    double x = 0;
    double y = 0;
    Anchor anchor = Anchor::TopLeft;
    // Translated words with %1, %2, … for the numbers; or, when words is null, literal as it is
    // (a power of ten, a symbol).
    const char* words = nullptr;
    std::string literal;
    std::vector<Number> numbers;
    Colour colour = colours::black;
};

// The place of the intensity plot, for turning a click on it into a height: left, top, width,
// height in twips, and the heights it spans.
struct HeightAxis
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double zTop = 0;

    // The height at x (twips), clamped to the plot; none outside the plot's box.
    std::optional<double> heightAt(double x, double y) const;
};

struct Drawing
{
    DrawingList lines;
    std::vector<Label> labels;
    HeightAxis heightAxis;
};

Drawing draw(const ExploreModel& model);

// Every word the pictures may show, for the translation's completeness.
std::vector<const char*> allWords();

} // namespace exploreview
