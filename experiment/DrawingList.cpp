// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawingList.h"

#include <algorithm>
#include <limits>

void DrawingList::setDrawWidth(int pixels)
{
    // The width needs no command of its own: every command carries the one in force.
    m_drawWidth = std::clamp(pixels, 1, int(std::numeric_limits<std::uint16_t>::max()));
}

void DrawingList::line(float x1, float y1, float x2, float y2)
{
    m_commands.push_back(
        {x1, y1, x2, y2, m_foreColour, std::uint16_t(m_drawWidth), DrawCommand::Kind::Line});
}

void DrawingList::line(float x1, float y1, float x2, float y2, Colour colour)
{
    m_commands.push_back(
        {x1, y1, x2, y2, colour, std::uint16_t(m_drawWidth), DrawCommand::Kind::ColouredLine});
}

void DrawingList::circle(float x, float y, float radius)
{
    m_commands.push_back(
        {x, y, radius, 0, m_foreColour, std::uint16_t(m_drawWidth), DrawCommand::Kind::Circle});
}

void DrawingList::clear()
{
    m_commands.clear();
}
