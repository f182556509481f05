// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ControlLook.h"

#include "OptionButton.h"
#include "PictureSurface.h"
#include "Surface.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace {
void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}
} // namespace

namespace look {

QFont serifBold(double pointSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

QFont frameFont()
{
    QFont font = controlFont();
    font.setWeight(QFont::Bold);
    return font;
}

QFont controlFont()
{
    // Without the Windows face, its narrow look-alike rather than the wider default sans, so
    // captions fit the boxes they were laid out for.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

QGroupBox* frame(const QString& name, const QString& caption, const TwipsRect& rect,
                 QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setFont(frameFont());
    setColour(box, QPalette::Window, toQColor(colours::sceneGrey));
    setColour(box, QPalette::WindowText, Qt::black);
    setTwipsGeometry(box, rect);
    return box;
}

OptionButton* option(const QString& name, const QString& caption, const TwipsRect& rect,
                     QGroupBox* frame)
{
    auto* button = new OptionButton(name, caption, frame);
    // The plain control font, not the frame's bold one.
    button->setFont(controlFont());
    setColour(button, button->backgroundRole(), toQColor(colours::sceneGrey));
    button->setAutoFillBackground(true);
    setTwipsGeometry(button, rect);
    return button;
}

QPushButton* commandButton(const QString& name, const QString& caption, const TwipsRect& rect,
                           QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(serifBold(18));
    setColour(button, QPalette::Button, toQColor(colours::sceneGrey));
    setTwipsGeometry(button, rect);
    return button;
}

QLineEdit* displayTextBox(const QString& name, const QString& text, const TwipsRect& rect,
                          const TextBoxLook& style, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFrame(false);
    box->setFont(serifBold(style.pointSize));
    const Colour ground =
        style.ground == Ground::Green ? colours::substanceGreen : colours::sceneGrey;
    setColour(box, QPalette::Base, toQColor(ground));
    setColour(box, QPalette::Text,
              style.blackText ? QColor(Qt::black)
                              : QApplication::palette().color(QPalette::ButtonText));
    switch (style.alignment) {
    case Alignment::Left:
        box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case Alignment::Centre:
        box->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    case Alignment::Right:
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    }
    box->setTextMargins(0, 0, 0, 0);
    box->setCursorPosition(0);
    // Show a text from its start, as a caption should, unless the user is editing it.
    QObject::connect(box, &QLineEdit::textChanged, box, [box] {
        if (!box->hasFocus()) {
            box->setCursorPosition(0);
        }
    });
    setTwipsGeometry(box, rect);
    return box;
}

QLineEdit* hiddenField(const QString& name, const QString& text, const TwipsRect& rect,
                       QWidget* parent)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    setTwipsGeometry(field, rect);
    field->hide();
    return field;
}

} // namespace look
