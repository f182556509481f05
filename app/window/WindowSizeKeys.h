// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's size as actions of the window, so that their keys work wherever the focus is in
// it and the picture's menu can offer them: full screen (F11 and the desktop's own key for it),
// larger (Ctrl+plus), smaller (Ctrl+minus), the design's size (Ctrl+0). Esc leaves full screen
// too, but only when no run is in progress: during a run Esc stops the run.

#include <QObject>

class Brontel;
class QAction;

class WindowSizeKeys final : public QObject
{
    Q_OBJECT
public:
    // Adds the actions to window; owned by window.
    explicit WindowSizeKeys(Brontel& window);

    // Checkable: checked while the window is full screen.
    QAction* fullScreenAction() const { return m_fullScreen; }
    QAction* largerAction() const { return m_larger; }
    QAction* smallerAction() const { return m_smaller; }
    QAction* designSizeAction() const { return m_designSize; }
    // Esc: enabled only while the window is full screen and no run is in progress.
    QAction* leaveFullScreenAction() const { return m_leaveFullScreen; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    // Follows the window's state and whether a run is in progress.
    void update();
    void retranslate();

    Brontel& m_window;
    QAction* m_fullScreen = nullptr;
    QAction* m_larger = nullptr;
    QAction* m_smaller = nullptr;
    QAction* m_designSize = nullptr;
    QAction* m_leaveFullScreen = nullptr;
};
