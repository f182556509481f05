// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ctrl+C copies the window's client area, as shown, to the clipboard as an image, unless a text
// box has selected text to copy. Nothing is written to any file.

#include <QObject>

class QWidget;

class PictureClipboard final : public QObject
{
    Q_OBJECT
public:
    // Watches the keys that reach window or any of its controls; owned by window.
    explicit PictureClipboard(QWidget* window);
    ~PictureClipboard() override;

    // Puts the client area on the clipboard now.
    void copy();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    QWidget* m_window;
};
