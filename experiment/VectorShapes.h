// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A retained picture as the few shapes a vector file needs: the lines of each colour joined
// into polylines, sweeps of parallel lines as one filled outline, circles as circles. Both the
// window's vector painting and the SVG writer draw these shapes, in this order.

#include "DrawingList.h"

#include <vector>

struct VectorPoint
{
    double x = 0;
    double y = 0;
    friend bool operator==(const VectorPoint&, const VectorPoint&) = default;
};

struct VectorRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct VectorShape
{
    enum class Kind
    {
        Polyline, // an open line through points
        Circle,   // points[0] the centre
        Polygon,  // an outline, filled in the colour and stroked at the width
    };
    Kind kind = Kind::Polyline;
    Colour colour = colours::black;
    int width = 1; // design pixels
    std::vector<VectorPoint> points;
    double radius = 0;
};

// The shapes of commands in list that reach into clip (in twips), in the order they are drawn:
// for each run of commands of one colour, its polylines by width, its circles, then its fills.
std::vector<VectorShape> vectorShapes(const DrawingList& list, const VectorRect& clip);
