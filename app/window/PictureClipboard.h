// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ctrl+C copies the scene to the clipboard as an image, as "Save picture" saves it (the run's
// picture, its captions and the settings line, without the control panel) and as large as the
// window shows it, unless a text box has selected text to copy. Nothing is written to any file.

#include <QObject>

class Brontel;
class QAction;

class PictureClipboard final : public QObject
{
    Q_OBJECT
public:
    // Adds the copy action (Ctrl+C) to window; owned by window.
    explicit PictureClipboard(Brontel& window);

    QAction* copyAction() const { return m_copy; }
    // Puts the scene on the clipboard now.
    void copy();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    Brontel& m_window;
    QAction* m_copy = nullptr;
};
