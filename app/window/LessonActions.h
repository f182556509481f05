// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The lesson's tools in the window's menu: keep the last run (K) and compare the kept runs in a
// window of their own, sketch a prediction over the picture before a run, and the worksheet.

#include "PredictionSketch.h"
#include "RunComparison.h"

#include <QObject>

class Brontel;
class ComparisonWindow;
class PredictionLayer;
class QAction;
class WorksheetWindow;

class LessonActions final : public QObject
{
    Q_OBJECT
public:
    explicit LessonActions(Brontel& window);

    QList<QAction*> actions() const;
    QAction* keepRunAction() const { return m_keep; }
    QAction* comparisonAction() const { return m_compare; }
    QAction* predictionAction() const { return m_predict; }
    QAction* clearPredictionAction() const { return m_clear; }
    QAction* predictionInExportsAction() const { return m_inExports; }
    QAction* worksheetAction() const { return m_worksheet; }

    RunComparison& comparison() { return m_comparison; }
    PredictionSketch& prediction() { return m_prediction; }
    const PredictionSketch& prediction() const { return m_prediction; }

    void retranslate();
    // Whether the last run can be kept now, and the actions' checks as the state has them.
    void refresh();

private:
    void keepRun();
    void showComparison();

    Brontel& m_window;
    RunComparison m_comparison;
    PredictionSketch m_prediction;
    PredictionLayer* m_layer = nullptr;
    ComparisonWindow* m_comparisonWindow = nullptr;
    WorksheetWindow* m_worksheetWindow = nullptr;
    QAction* m_keep = nullptr;
    QAction* m_compare = nullptr;
    QAction* m_predict = nullptr;
    QAction* m_clear = nullptr;
    QAction* m_inExports = nullptr;
    QAction* m_worksheet = nullptr;
};
