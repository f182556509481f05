// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The looks the window's controls share: fonts, colours, and the display text box.

#include "Twips.h"

#include <QString>

#include <QPalette>

class QFont;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;
class OptionButton;

namespace look {

// "Times New Roman" (Liberation Serif on Linux, its metric twin) bold at the given size.
QFont serifBold(double pointSize);
// The frames' "MS Sans Serif" 8.25 pt bold.
QFont frameFont();
// The option buttons' plain 8.25 pt control font.
QFont controlFont();

enum class Ground
{
    Grey,
    Green
};
enum class Alignment
{
    Left,
    Centre,
    Right
};

struct TextBoxLook
{
    double pointSize = 12;
    Ground ground = Ground::Grey;
    Alignment alignment = Alignment::Left;
    bool blackText = false; // otherwise the system's button-text colour
};

// A borderless, editable single-line text box used as a caption or value display.
QLineEdit* displayTextBox(const QString& name, const QString& text, const TwipsRect& rect,
                          const TextBoxLook& style, QWidget* parent);
// A captioned frame holding a group of option buttons.
QGroupBox* frame(const QString& name, const QString& caption, const TwipsRect& rect,
                 QWidget* parent);
// An option button of a frame, placed relative to the frame.
OptionButton* option(const QString& name, const QString& caption, const TwipsRect& rect,
                     QGroupBox* frame);
QPushButton* commandButton(const QString& name, const QString& caption, const TwipsRect& rect,
                           QWidget* parent);
// A hidden settings field with the platform's default look.
QLineEdit* hiddenField(const QString& name, const QString& text, const TwipsRect& rect,
                       QWidget* parent);

} // namespace look
