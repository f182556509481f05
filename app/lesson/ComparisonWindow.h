// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The comparison of kept runs in a window of its own: the chart on one scale, linear or
// logarithmic, each kept run with its legend entry and a button that drops it, and the chart
// saved as a picture or its table as CSV. A view of RunComparison: it shows what the model holds
// and hands the user's choices to it.

#include "RunComparison.h"

#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QLabel;
class QVBoxLayout;

class ComparisonWindow : public QWidget
{
    Q_OBJECT
public:
    ComparisonWindow(RunComparison& comparison, QWidget* parent = nullptr);

    // The chart's view, for tests and screenshots.
    QWidget* chartView() const { return m_chart; }

public Q_SLOTS:
    void savePicture();
    void saveTable();

private:
    void showModel();
    // Asks for a file name among filters and writes what bytesFor makes for it (nothing when it
    // makes none), whole; a message when the file could not be written.
    using BytesFor =
        std::function<std::optional<QByteArray>(const QString& path, const QString& filter)>;
    void saveAs(const QString& title, const QString& name, const QStringList& filters,
                const BytesFor& bytesFor);

    RunComparison& m_comparison;
    QButtonGroup* m_scale = nullptr;
    QVBoxLayout* m_runList = nullptr;
    QLabel* m_empty = nullptr;
    QWidget* m_chart = nullptr;
    QString m_lastFolder;
};
