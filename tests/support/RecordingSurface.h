// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A surface that lists every drawing call, so tests can check exactly what a run draws.

#include "Surface.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

struct DrawCall
{
    enum class Kind
    {
        DrawWidth,
        Line,
        Circle
    };
    Kind kind = Kind::Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a circle keeps its centre in x1, y1 and radius in x2
    std::optional<Colour> colour;         // lines in an explicit colour only
    int width = 0;                        // DrawWidth calls
    int drawWidth = 0;                    // the width in force when the call was made
};

class RecordingSurface final : public Surface
{
public:
    std::vector<DrawCall> calls;
    int clears = 0; // how often the picture was cleared, forgetting its calls

    void setDrawWidth(int pixels) override
    {
        m_width = pixels;
        DrawCall c;
        c.kind = DrawCall::Kind::DrawWidth;
        c.width = pixels;
        c.drawWidth = pixels;
        calls.push_back(c);
    }
    void line(float x1, float y1, float x2, float y2) override
    {
        calls.push_back({DrawCall::Kind::Line, x1, y1, x2, y2, std::nullopt, 0, m_width});
    }
    void line(float x1, float y1, float x2, float y2, Colour colour) override
    {
        calls.push_back({DrawCall::Kind::Line, x1, y1, x2, y2, colour, 0, m_width});
    }
    void circle(float x, float y, float radius) override
    {
        calls.push_back({DrawCall::Kind::Circle, x, y, radius, 0, std::nullopt, 0, m_width});
    }
    void clear() override
    {
        calls.clear();
        ++clears;
    }

    std::size_t count(const std::function<bool(const DrawCall&)>& pred) const
    {
        std::size_t n = 0;
        for (const auto& c : calls) {
            n += pred(c) ? 1 : 0;
        }
        return n;
    }

private:
    int m_width = 1;
};
