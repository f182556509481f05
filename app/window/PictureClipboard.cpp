// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureClipboard.h"

#include "Brontel.h"
#include "SceneMenu.h"
#include "ScenePicture.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>

PictureClipboard::PictureClipboard(Brontel* window) : QObject(window), m_window(window)
{
    // A focused text box takes Ctrl+C for itself before any shortcut sees it, so the key is
    // watched application-wide and only text with a selection is left to the text box.
    QCoreApplication::instance()->installEventFilter(this);
}

PictureClipboard::~PictureClipboard()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void PictureClipboard::copy()
{
    QApplication::clipboard()->setImage(SceneMenu::sceneOf(*m_window).image(m_window->factor()));
}

bool PictureClipboard::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::KeyPress ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || (widget != m_window && !m_window->isAncestorOf(widget))) {
        return false;
    }
    if (const auto* text = qobject_cast<const QLineEdit*>(widget);
        text && text->hasSelectedText()) {
        return false;
    }
    copy();
    return true;
}
