// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers for the experiment tests: readable drawing calls and comparisons of their points.

#include "RecordingSurface.h"

#include <QString>
#include <QTest>

#include <cmath>

inline QString describe(const DrawCall& c)
{
    switch (c.kind) {
    case DrawCall::Kind::DrawWidth:
        return QStringLiteral("DrawWidth %1").arg(c.width);
    case DrawCall::Kind::Circle:
        return QStringLiteral("Circle (%1, %2) r %3").arg(c.x1).arg(c.y1).arg(c.x2);
    case DrawCall::Kind::Line:
        break;
    }
    const QString colour =
        c.colour ? QStringLiteral(" colour %1").arg(*c.colour, 8, 16, QLatin1Char('0'))
                 : QStringLiteral(" foreground");
    return QStringLiteral("Line (%1, %2)-(%3, %4)%5 width %6")
        .arg(c.x1)
        .arg(c.y1)
        .arg(c.x2)
        .arg(c.y2)
        .arg(colour)
        .arg(c.drawWidth);
}

inline bool near(double actual, double expected, double tolerance)
{
    return std::abs(actual - expected) <= tolerance;
}

// A line between the given points, in the foreground colour unless one is given.
inline bool isLine(const DrawCall& c, double x1, double y1, double x2, double y2,
                   std::optional<Colour> colour = std::nullopt, double tolerance = 1e-3)
{
    return c.kind == DrawCall::Kind::Line && c.colour == colour && near(c.x1, x1, tolerance) &&
           near(c.y1, y1, tolerance) && near(c.x2, x2, tolerance) && near(c.y2, y2, tolerance);
}

inline bool isCircle(const DrawCall& c, double x, double y, double radius)
{
    return c.kind == DrawCall::Kind::Circle && near(c.x1, x, 1e-3) && near(c.y1, y, 1e-3) &&
           near(c.x2, radius, 0);
}

inline bool isDrawWidth(const DrawCall& c, int width)
{
    return c.kind == DrawCall::Kind::DrawWidth && c.width == width;
}

// Fails the test with both calls spelt out.
#define VERIFY_CALL(check, call)                                                                   \
    QVERIFY2((check), qPrintable(QStringLiteral("unexpected call: ") + describe(call)))
