// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The explore window "Zkoumat": beside the main window, free of its three settings. Its controls
// hand every change to the explore model and show the model's state; its pictures are redrawn
// whenever the model changes, live while a slider is dragged. Ctrl+E saves the table, F11
// switches full screen.

#include "ExploreModel.h"

#include <QWidget>

class ExploreView;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

class ExploreWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit ExploreWindow(QWidget* parent = nullptr);

    ExploreModel& model() { return m_model; }
    ExploreView* view() const { return m_view; }

    // Writes the table to path, whole or not at all; why not, if it failed.
    std::optional<QString> saveTable(const QString& path) const;

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void build();
    void retranslate();
    // Shows the model's state in every control, without handing it back.
    void showModel();
    void saveTableAsked();

    ExploreModel m_model;
    ExploreView* m_view = nullptr;
    QSlider* m_angleSlider = nullptr;
    QDoubleSpinBox* m_angle = nullptr;
    QComboBox* m_substance = nullptr;
    QDoubleSpinBox* m_index = nullptr;
    QComboBox* m_beam = nullptr;
    QSlider* m_waistSlider = nullptr;
    QSpinBox* m_waist = nullptr;
    QComboBox* m_step = nullptr;
    QComboBox* m_arrows = nullptr;
    QCheckBox* m_block = nullptr;
    QSlider* m_gap = nullptr;
    QDoubleSpinBox* m_index2 = nullptr;
    QLabel* m_readouts = nullptr;
    QPushButton* m_save = nullptr;
    QList<QLabel*> m_captions;
};
