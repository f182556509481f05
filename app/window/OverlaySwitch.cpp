// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OverlaySwitch.h"

#include "Brontel.h"
#include "SettingsFile.h"
#include "TeachingOverlayLayer.h"
#include "WindowModel.h"

#include <QSettings>

namespace {
const QString settingsKey = QStringLiteral("teachingOverlay");
} // namespace

OverlaySwitch::OverlaySwitch(Brontel& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("overlaySwitch"));
    m_layer = new TeachingOverlayLayer(&window);
    m_layer->setVisible(remembered(QSettings()));
    // The overlay follows the settings as they are chosen, and the run's once it has ended.
    connect(&window, &Brontel::modelChanged, this, &OverlaySwitch::refresh);
    refresh();
}

bool OverlaySwitch::isOn() const
{
    return !m_layer->isHidden();
}

void OverlaySwitch::setOn(bool on)
{
    m_layer->setVisible(on);
    m_layer->raise();
    if (QSettings settings; settingsWritable(settings)) {
        remember(settings, on);
    }
}

bool OverlaySwitch::remembered(const QSettings& settings)
{
    return settings.value(settingsKey, false).toBool();
}

void OverlaySwitch::remember(QSettings& settings, bool on)
{
    settings.setValue(settingsKey, on);
}

void OverlaySwitch::refresh()
{
    const RunSettings now = m_window.model().shownSettings();
    const overlay::Picture next = overlay::teachingOverlay(now);
    // Every step of a run asks; only a change of settings repaints.
    if (next == m_layer->picture()) {
        return;
    }
    m_layer->setSettings(now);
}
