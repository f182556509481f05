// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OverlaySwitch.h"

#include "Brontel.h"
#include "NumberText.h"
#include "SettingsFile.h"
#include "TeachingOverlayLayer.h"

#include <QLineEdit>
#include <QSettings>

namespace {
const QString settingsKey = QStringLiteral("teachingOverlay");

std::string keyOf(const QLineEdit* field)
{
    return field->text().toStdString();
}
} // namespace

OverlaySwitch::OverlaySwitch(Brontel& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("overlaySwitch"));
    m_layer = new TeachingOverlayLayer(&window);
    m_layer->setVisible(remembered(QSettings()));
    connect(&window, &Brontel::runEnded, this, &OverlaySwitch::refresh);
    connect(&window, &Brontel::stepShown, this, &OverlaySwitch::refresh);
    // Before any run the overlay follows the settings as they are chosen.
    for (QLineEdit* field :
         {window.nIndex, window.nAlfa, window.nAlfaCaption, window.nLátka, window.nDistance}) {
        connect(field, &QLineEdit::textChanged, this, &OverlaySwitch::refresh);
    }
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

RunSettings OverlaySwitch::shownSettings(const Brontel& window)
{
    if (window.lastCurves() && !window.isRunning()) {
        return window.lastCurves()->settings;
    }
    return chosenSettings(window);
}

RunSettings OverlaySwitch::chosenSettings(const Brontel& window)
{
    const auto number = [](const QLineEdit* field) {
        return textToNumber(field->text()).value_or(0);
    };
    return RunSettings::fromFields(number(window.nIndex), number(window.nAlfa),
                                   keyOf(window.nAlfaCaption), keyOf(window.nLátka),
                                   keyOf(window.nDistance), number(window.nDistance));
}

void OverlaySwitch::refresh()
{
    const RunSettings now = shownSettings(m_window);
    const overlay::Picture next = overlay::teachingOverlay(now);
    // Every step of a run asks; only a change of settings repaints.
    if (next == m_layer->picture()) {
        return;
    }
    m_layer->setSettings(now);
}
