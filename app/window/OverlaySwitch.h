// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Switches the teaching overlay over the window's picture on and off, remembers the choice for
// the next start (off until chosen, so the picture stays as designed), and keeps the overlay on
// the settings of the picture it lies over.

#include <QObject>

class Brontel;
class QSettings;
class TeachingOverlayLayer;

class OverlaySwitch final : public QObject
{
    Q_OBJECT
public:
    // Owned by window; makes the overlay's layer, shown as remembered.
    explicit OverlaySwitch(Brontel& window);

    bool isOn() const;
    // Shows or hides the overlay and remembers the choice.
    void setOn(bool on);
    TeachingOverlayLayer* layer() const { return m_layer; }

    static bool remembered(const QSettings& settings);
    static void remember(QSettings& settings, bool on);

private:
    void refresh();

    Brontel& m_window;
    TeachingOverlayLayer* m_layer = nullptr;
};
