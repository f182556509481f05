// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The retained picture: every drawing call a run makes, in order and in twips, so the picture
// can be drawn again at any size or pixel density, or onto any other device (an image, a
// printer, a vector file), and look as it did on the screen.
//
// A DrawingList is itself a Surface: hand it to ExperimentRun (or draw on it by hand) and it
// records. Reading it back:
//
//     for (std::size_t i = from; i < list.size(); ++i) {
//         const DrawCommand& c = list[i];
//         switch (c.kind) { ... }
//     }
//
// Each command carries everything needed to draw it alone: the colour it is drawn in (the
// foreground colour in force is resolved when it is recorded) and the draw width in force.
// The platform layer's PictureRenderer replays a range of commands onto a QPainter or QImage.
//
// A run paints the whole picture over before it draws, so whoever starts a run clears the list
// first; otherwise the list of one run after another would grow without end.

#include "Surface.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct DrawCommand
{
    enum class Kind : std::uint8_t
    {
        Line,         // a line in the foreground colour (colour holds that colour)
        ColouredLine, // a line in an explicit colour
        Circle,       // a circle's outline in the foreground colour: centre x1, y1, radius x2
    };
    // Points in twips; for a circle x1, y1 are its centre and x2 its radius (y2 unused).
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colour colour = colours::black;
    // The draw width in force, in design pixels (at least 1).
    std::uint16_t width = 1;
    Kind kind = Kind::Line;

    friend bool operator==(const DrawCommand&, const DrawCommand&) = default;
};

class DrawingList final : public Surface
{
public:
    DrawingList() = default;

    void setDrawWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void circle(float x, float y, float radius) override;

    // The colour of lines and circles drawn without an explicit colour from now on.
    void setForeColour(Colour colour) { m_foreColour = colour; }
    int drawWidth() const { return m_drawWidth; }

    std::size_t size() const { return m_commands.size(); }
    bool empty() const { return m_commands.empty(); }
    const DrawCommand& operator[](std::size_t i) const { return m_commands[i]; }
    const std::vector<DrawCommand>& commands() const { return m_commands; }

    // Forgets every command, for a new run; the fore colour and the draw width stay in force.
    void clear() override;

private:
    std::vector<DrawCommand> m_commands;
    Colour m_foreColour = colours::black;
    int m_drawWidth = 1;
};
