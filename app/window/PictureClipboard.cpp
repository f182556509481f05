// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureClipboard.h"

#include "Brontel.h"
#include "SceneMenu.h"
#include "ScenePicture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

PictureClipboard::PictureClipboard(Brontel& window) : QObject(&window), m_window(window)
{
    m_copy = new QAction(this);
    m_copy->setObjectName(QStringLiteral("copyAction"));
    m_copy->setShortcuts(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WindowShortcut);
    connect(m_copy, &QAction::triggered, this, &PictureClipboard::copy);
    m_window.addAction(m_copy);
    // A focused text box claims Ctrl+C before any shortcut sees it; it keeps the key only when
    // it has selected text to copy.
    for (QLineEdit* box : m_window.findChildren<QLineEdit*>()) {
        box->installEventFilter(this);
    }
}

void PictureClipboard::copy()
{
    QApplication::clipboard()->setImage(SceneMenu::sceneOf(m_window).image(m_window.factor()));
}

bool PictureClipboard::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        return false;
    }
    const auto* box = qobject_cast<const QLineEdit*>(receiver);
    if (box == nullptr || box->hasSelectedText()) {
        return false;
    }
    event->ignore(); // not the text box's: the shortcut goes to the copy action
    return true;
}
