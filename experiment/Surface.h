// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawing operations of the window as a run sees them: twips in, nothing out. Every
// coordinate is in twips; the window system behind it turns them into pixels.
// Free of Qt so that the experiment can draw into a recorder in tests and benchmarks.

#include <cstdint>

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour black = 0x00000000;
constexpr Colour white = 0x00FFFFFF;
constexpr Colour sceneGrey = 0x00C0C0C0;
constexpr Colour substanceGreen = 0x00C0FFC0;
} // namespace colours

class Surface
{
public:
    virtual ~Surface() = default;

    // Width in pixels of everything drawn afterwards.
    virtual void setDrawWidth(int pixels) = 0;
    // A straight line between two absolute points, in the foreground colour.
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    // The same in an explicit colour.
    virtual void line(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // A full circle in the foreground colour.
    virtual void circle(float x, float y, float radius) = 0;
    // Forgets what was drawn, before a run paints the whole picture over. A surface that keeps
    // nothing has nothing to forget.
    virtual void clear() {}

protected:
    Surface() = default;
    Surface(const Surface&) = default;
    Surface& operator=(const Surface&) = default;
};
