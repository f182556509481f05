// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Opens the explore window from the main window (its menu entry and the key F3), and remembers
// whether it was open for the next start, as the teaching overlay is remembered.

#include <QObject>

class ExploreWindow;
class QAction;
class QSettings;
class QWidget;

class ExploreSwitch final : public QObject
{
    Q_OBJECT
public:
    // Owned by window; its action is the window's too, so the key works without the menu.
    explicit ExploreSwitch(QWidget& window);

    QAction* action() const { return m_action; }
    // Opens (or raises) the explore window and remembers that it is open.
    void open();
    // The window, made on first opening; none before.
    ExploreWindow* exploreWindow() const { return m_explore; }
    // Opens the window if it was open when the program last ended.
    void openIfRemembered();
    void retranslate();

    static bool remembered(const QSettings& settings);
    static void remember(QSettings& settings, bool open);

private:
    QWidget& m_window;
    QAction* m_action = nullptr;
    ExploreWindow* m_explore = nullptr;
};
