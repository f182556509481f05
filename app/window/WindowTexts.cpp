// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's words: captions, tooltips and accessible names in the interface's language.

#include "WindowTexts.h"
#include "AccessibleNames.h"
#include "Brontel.h"
#include "TextFit.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

void Brontel::retranslate()
{
    for (const ControlTexts& texts : controlTexts) {
        QWidget* widget = widgetOf(texts.control);
        if (widget == nullptr) {
            continue;
        }
        if (texts.caption != nullptr) {
            const QString caption =
                texts.captionTranslated
                    ? QCoreApplication::translate(windowTextContext, texts.caption)
                    : QString::fromUtf8(texts.caption);
            if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                box->setText(caption);
            } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
                frame->setTitle(caption);
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                button->setText(caption);
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                label->setText(caption);
            }
        }
        if (texts.toolTip != nullptr) {
            widget->setToolTip(QCoreApplication::translate(windowTextContext, texts.toolTip));
        }
    }
    if (auto* pictureWidget = findChild<QWidget*>(QStringLiteral("picture"))) {
        pictureWidget->setToolTip(
            tr("Obrázek pokusu; pravé tlačítko myši: kopírovat, uložit, tisknout, nápověda"));
    }

    nameForScreenReaders(*this);
    // Words of another language are another width: every caption is fitted again.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->testAttribute(Qt::WA_SetFont)) {
            fitFont(control, factor());
        }
    }
}
