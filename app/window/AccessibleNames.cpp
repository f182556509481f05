// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibleNames.h"

#include "Brontel.h"
#include "WindowTexts.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>

void nameForScreenReaders(Brontel& window)
{
    // The display text boxes are captions: each is named by what it says.
    for (const layout::ControlLayout& c : layout::controls) {
        if (c.kind == layout::Kind::Caption) {
            auto* caption = window.control<QLineEdit>(c.control);
            caption->setAccessibleName(caption->text());
        }
    }
    for (const AccessibleText& text : accessibleTexts) {
        QWidget* widget = text.control ? window.control(*text.control)
                                       : window.findChild<QWidget*>(QStringLiteral("picture"));
        if (widget == nullptr) {
            continue;
        }
        widget->setAccessibleName(QCoreApplication::translate(accessibleTextContext, text.name));
        if (text.description != nullptr) {
            widget->setAccessibleDescription(
                QCoreApplication::translate(accessibleTextContext, text.description));
        }
    }
}
