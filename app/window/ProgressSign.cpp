// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgressSign.h"

#include "ControlLook.h"
#include "TextFit.h"
#include "Twips.h"
#include "WindowTexts.h"

#include <QCoreApplication>
#include <QProgressBar>

ProgressSign::ProgressSign(QWidget* window, double factor) : m_bar(new QProgressBar(window))
{
    m_bar->setObjectName(QStringLiteral("progress"));
    m_bar->setTextVisible(true);
    m_bar->setAlignment(Qt::AlignCenter);
    m_bar->setFont(look::serifBold(9)); // set: it grows with the window as the captions do
    fitFont(m_bar, factor);
    // Under the paused sign, right of Konec: out of the picture.
    setTwipsGeometry(m_bar, {9360, 375, 2040, 210});
    m_bar->hide();
}

void ProgressSign::show(const std::optional<RunProgress>& progress, bool paused)
{
    if (!progress) {
        m_bar->hide();
        m_saidStage = -1;
        return;
    }
    const QString text = QCoreApplication::translate(windowTextContext, progressText)
                             .arg(progress->drawn)
                             .arg(progress->total);
    m_bar->setRange(0, progress->total);
    m_bar->setValue(progress->drawn);
    m_bar->setFormat(text);
    m_bar->show();
    const int stage = progressStage(*progress);
    if (stage != m_saidStage || paused != m_saidPaused) {
        m_saidStage = stage;
        m_saidPaused = paused;
        const QString pausedWords =
            paused
                ? QCoreApplication::translate(windowTextContext, pausedText) + QStringLiteral(", ")
                : QString();
        m_bar->setAccessibleDescription(pausedWords + text);
    }
}
