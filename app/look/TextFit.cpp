// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextFit.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QVariant>

namespace {
constexpr const char* designFontProperty = "designFont";
// Below this share of its size a text is cut rather than shrunk further out of reading.
constexpr double smallestShare = 0.6;
// The step the size goes down by, in points at factor 1.
constexpr double shrinkStep = 0.25;

// A line edit keeps two pixels free at each side and a pixel for the caret; its line is
// centred in the box and cut at its edges.
bool lineEditFits(const QLineEdit* box)
{
    const QFontMetrics metrics(box->font());
    const QString text = box->displayText();
    const int height = box->contentsRect().height();
    if (metrics.horizontalAdvance(text) > box->contentsRect().width() - 5) {
        return false;
    }
    if (text.isEmpty()) {
        return true;
    }
    const int lineTop = (height - metrics.height() + 1) / 2;
    const int baseline = lineTop + metrics.ascent();
    const QRect ink = metrics.tightBoundingRect(text);
    return baseline + ink.top() >= 0 && baseline + ink.bottom() < height;
}

bool optionFits(const QRadioButton* option)
{
    const QFontMetrics metrics(option->font());
    const QStyle* style = option->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                          style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
    return indicator + metrics.horizontalAdvance(option->text()) + 2 <= option->width() &&
           metrics.height() <= option->height();
}

bool frameFits(const QGroupBox* frame)
{
    const QFontMetrics metrics(frame->font());
    return metrics.horizontalAdvance(frame->title()) + 12 <= frame->width();
}

bool labelFits(const QLabel* label)
{
    return !label->wordWrap() || label->heightForWidth(label->width()) <= label->height();
}
} // namespace

bool textFits(const QWidget* control)
{
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        return lineEditFits(box);
    }
    if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
        return optionFits(option);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frameFits(frame);
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return labelFits(label);
    }
    return true;
}

QFont designFont(const QWidget* control)
{
    const QVariant stored = control->property(designFontProperty);
    return stored.isValid() ? stored.value<QFont>() : control->font();
}

void fitFont(QWidget* control, double factor)
{
    if (!control->property(designFontProperty).isValid()) {
        control->setProperty(designFontProperty, QVariant::fromValue(control->font()));
    }
    const QFont design = designFont(control);
    const double full = design.pointSizeF() * factor;
    QFont font = design;
    font.setPointSizeF(full);
    control->setFont(font);
    double size = full;
    while (!textFits(control) && size - shrinkStep * factor >= full * smallestShare) {
        size -= shrinkStep * factor;
        font.setPointSizeF(size);
        control->setFont(font);
    }
}
