// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An option button of a frame. Selecting it from the program behaves as a click does: the other
// options of the frame are deselected and its Click handler has run when select() returns.
//
// Its circle grows and shrinks with the window's size factor, as its caption's font does: at
// factor 1 it is the style's own circle.

#include <QRadioButton>

class IndicatorScale;

class OptionButton final : public QRadioButton
{
    Q_OBJECT
public:
    OptionButton(const QString& name, const QString& caption, QWidget* frame);

    void select();

    // The window's size factor; a factor that is not a positive finite number is ignored.
    void setScale(double factor);

private:
    IndicatorScale* m_style;
};
