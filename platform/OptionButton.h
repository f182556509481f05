// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An option button of a frame. Selecting it from the program behaves as a click does: the other
// options of the frame are deselected and its Click handler has run when select() returns.

#include <QRadioButton>

class OptionButton final : public QRadioButton
{
    Q_OBJECT
public:
    OptionButton(const QString& name, const QString& caption, QWidget* frame);

    void select();
};
