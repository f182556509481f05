// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesignScale.h"

#include "Twips.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// Below 100 % for screens smaller than the design (640 x 480 takes 75 %).
constexpr std::array steps{0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 8.0};
// Factors this close count as the same step, so a window a pixel off a step stays on it.
constexpr double sameStep = 0.01;
} // namespace

namespace designscale {

QSize designSize()
{
    return {designWidthTwips / twipsPerPixel, designHeightTwips / twipsPerPixel};
}

double fittingFactor(QSize area)
{
    const QSize design = designSize();
    const double factor =
        std::min(double(area.width()) / design.width(), double(area.height()) / design.height());
    if (!std::isfinite(factor)) {
        return 1.0;
    }
    // A window sized for a step (rounded to whole pixels) shows exactly that step.
    for (const double step : steps) {
        const QSize used = scaledSize(step);
        if (std::abs(factor - step) * design.width() < 1 && used.width() <= area.width() &&
            used.height() <= area.height()) {
            return step;
        }
    }
    return std::max(factor, smallestFactor);
}

QPoint centredOrigin(QSize area, double factor)
{
    const QSize used = scaledSize(factor);
    return {std::max(0, (area.width() - used.width()) / 2),
            std::max(0, (area.height() - used.height()) / 2)};
}

QSize scaledSize(double factor)
{
    const QSize design = designSize();
    return {int(std::lround(design.width() * factor)), int(std::lround(design.height() * factor))};
}

double nextStep(double factor, double largest)
{
    for (const double step : steps) {
        if (step > factor + sameStep) {
            return step <= largest + sameStep ? step : factor;
        }
    }
    return factor;
}

double previousStep(double factor)
{
    double below = steps.front();
    for (const double step : steps) {
        if (step < factor - sameStep) {
            below = step;
        }
    }
    return below;
}

} // namespace designscale
