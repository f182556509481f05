// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExploreSwitch.h"

#include "ExploreWindow.h"

#include <QAction>
#include <QSettings>

namespace {
const QString openKey = QStringLiteral("explore/open");
}

ExploreSwitch::ExploreSwitch(QWidget& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("exploreSwitch"));
    m_action = new QAction(this);
    m_action->setObjectName(QStringLiteral("exploreAction"));
    m_action->setShortcut(QKeySequence(Qt::Key_F3));
    m_action->setShortcutContext(Qt::WindowShortcut);
    connect(m_action, &QAction::triggered, this, &ExploreSwitch::open);
    m_window.addAction(m_action);
    retranslate();
}

void ExploreSwitch::retranslate()
{
    m_action->setText(tr("Zkoumat…"));
}

void ExploreSwitch::open()
{
    if (!m_explore) {
        // A window of its own, owned by the main window, so it goes when the program ends.
        m_explore = new ExploreWindow(&m_window);
        m_explore->resize(1280, 760);
        connect(m_explore, &ExploreWindow::closed, this, [] {
            QSettings settings;
            remember(settings, false);
        });
    }
    m_explore->show();
    m_explore->raise();
    m_explore->activateWindow();
    QSettings settings;
    remember(settings, true);
}

void ExploreSwitch::openIfRemembered()
{
    if (remembered(QSettings())) {
        open();
    }
}

bool ExploreSwitch::remembered(const QSettings& settings)
{
    return settings.value(openKey, false).toBool();
}

void ExploreSwitch::remember(QSettings& settings, bool open)
{
    settings.setValue(openKey, open);
}
