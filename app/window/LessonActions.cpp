// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LessonActions.h"

#include "Brontel.h"
#include "ComparisonWindow.h"
#include "PredictionLayer.h"
#include "WorksheetWindow.h"

#include <QAction>
#include <QMessageBox>

LessonActions::LessonActions(Brontel& window) : QObject(&window), m_window(window)
{
    const auto action = [this](const char* name, QKeySequence keys, auto slot) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    m_keep = action("keepRunAction", QKeySequence(Qt::Key_K), &LessonActions::keepRun);
    m_compare = action("comparisonAction", QKeySequence(), &LessonActions::showComparison);
    m_predict = action("predictionAction", QKeySequence(),
                       [this](bool on) { m_prediction.setSketching(on); });
    m_predict->setCheckable(true);
    m_clear = action("clearPredictionAction", QKeySequence(), [this] { m_prediction.clear(); });
    m_inExports = action("predictionInExportsAction", QKeySequence(),
                         [this](bool on) { m_prediction.setInExports(on); });
    m_inExports->setCheckable(true);
    m_worksheet = action("worksheetAction", QKeySequence(), [this] {
        if (m_worksheetWindow == nullptr) {
            m_worksheetWindow = new WorksheetWindow(&m_window);
        }
        m_worksheetWindow->show();
        m_worksheetWindow->raise();
    });

    m_layer = new PredictionLayer(m_window, m_prediction);
    m_prediction.subscribe([this] { refresh(); });
    // A run that begins ends the sketching; the sketch stays over the run.
    connect(&m_window, &Brontel::runStarted, this, [this] { m_prediction.setSketching(false); });
    connect(&m_window, &Brontel::runEnded, this, &LessonActions::refresh);
    connect(&m_window, &Brontel::modelChanged, m_layer, &PredictionLayer::follow);
    retranslate();
    refresh();
}

QList<QAction*> LessonActions::actions() const
{
    return {m_keep, m_compare, m_predict, m_clear, m_inExports, m_worksheet};
}

void LessonActions::retranslate()
{
    m_keep->setText(tr("Ponechat běh"));
    m_compare->setText(tr("Srovnání běhů…"));
    m_predict->setText(tr("Předpověď"));
    m_clear->setText(tr("Smazat předpověď"));
    m_inExports->setText(tr("Předpověď i v uložených obrázcích"));
    m_worksheet->setText(tr("Pracovní list…"));
}

void LessonActions::refresh()
{
    const auto& last = m_window.lastCurves();
    m_keep->setEnabled(!m_window.isRunning() && last &&
                       last->points.size() == std::size_t(scene::sweepSteps));
    m_predict->setChecked(m_prediction.sketching());
    m_predict->setEnabled(!m_window.isRunning());
    m_clear->setEnabled(!m_prediction.empty());
    m_inExports->setChecked(m_prediction.inExports());
    m_layer->follow();
}

void LessonActions::keepRun()
{
    const auto& last = m_window.lastCurves();
    if (m_window.isRunning() || !last) {
        return;
    }
    switch (m_comparison.keep(*last)) {
    case RunComparison::Keeping::Kept:
        showComparison();
        return;
    case RunComparison::Keeping::NotWhole:
        QMessageBox::information(&m_window, QStringLiteral("Brontel"),
                                 tr("Ponechat lze jen běh, který doběhl do konce."));
        return;
    case RunComparison::Keeping::AlreadyKept:
        showComparison();
        return;
    case RunComparison::Keeping::Full:
        QMessageBox::information(&m_window, QStringLiteral("Brontel"),
                                 tr("Srovnat lze nejvýš čtyři běhy; nejdřív jeden odeberte."));
        showComparison();
        return;
    }
}

void LessonActions::showComparison()
{
    if (m_comparisonWindow == nullptr) {
        m_comparisonWindow = new ComparisonWindow(m_comparison, &m_window);
        m_comparisonWindow->resize(760, 900);
    }
    m_comparisonWindow->show();
    m_comparisonWindow->raise();
}
