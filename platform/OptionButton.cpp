// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OptionButton.h"

#include <QProxyStyle>

#include <cmath>

// The application's style with the option circle and its gap to the caption scaled.
class IndicatorScale final : public QProxyStyle
{
public:
    double factor = 1;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_RadioButtonLabelSpacing:
            return std::max(1, int(std::lround(size * factor)));
        default:
            return size;
        }
    }
};

OptionButton::OptionButton(const QString& name, const QString& caption, QWidget* frame)
    : QRadioButton(caption, frame), m_style(new IndicatorScale)
{
    setObjectName(name);
    // The button owns its style; the style leaves the application's style alone.
    m_style->setParent(this);
    setStyle(m_style);
}

void OptionButton::select()
{
    setChecked(true);
    Q_EMIT clicked(true);
}

void OptionButton::setScale(double factor)
{
    if (!std::isfinite(factor) || factor <= 0 || factor == m_style->factor) {
        return;
    }
    m_style->factor = factor;
    // The metrics changed under the same style: setting it again makes the button measure anew.
    setStyle(m_style);
    updateGeometry();
    update();
}
