// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The keys of the window's size: F11 toggles full screen, Esc leaves it (when no run is in
// progress; during a run the run's own keys have Esc), Ctrl+plus and Ctrl+minus step the size
// up and down, Ctrl+0 returns to the design's size.

#include <QObject>

class Brontel;

class WindowSizeKeys final : public QObject
{
    Q_OBJECT
public:
    // Watches the keys that reach window or any of its controls; owned by window.
    explicit WindowSizeKeys(Brontel* window);
    ~WindowSizeKeys() override;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    // Acts on the key; false when it is none of the size keys or has nothing to do now.
    bool handle(int key, Qt::KeyboardModifiers modifiers);

    Brontel* m_window;
};
