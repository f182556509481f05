// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel as a view of the model: the user's clicks and typing go to the model, and
// the controls show the model's state afterwards.

#include "Brontel.h"
#include "LineControl.h"
#include "OptionButton.h"
#include "PictureSurface.h"
#include "WindowModel.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>

QWidget* Brontel::widgetOf(Control control) const
{
    return findChild<QWidget*>(
        QString::fromUtf8(nameOf(control).data(), qsizetype(nameOf(control).size())));
}

void Brontel::updateNumberFormat()
{
    m_model->setNumberFormat({QLocale().decimalPoint().toStdString()});
}

void Brontel::load()
{
    updateNumberFormat();
    m_model->load();
    showModel();
    showPicture();
}

void Brontel::optionClicked(Control option)
{
    updateNumberFormat();
    m_model->click(option);
    showModel();
    showPicture(); // the 35° option draws
}

void Brontel::konecClicked()
{
    if (m_model->requestEnd() == EndAction::CloseNow) {
        close();
        return;
    }
    afterSteering();
}

void Brontel::showModel()
{
    const PanelState& panel = m_model->panel();
    for (std::size_t i = 0; i < controlCount; ++i) {
        const auto control = Control(i);
        const ControlState& state = panel[control];
        QWidget* widget = widgetOf(control);
        if (widget == nullptr) {
            continue;
        }
        if (auto* field = qobject_cast<QLineEdit*>(widget);
            field &&
            (!state.text.empty() || control == Control::nIndex || control == Control::nAlfa)) {
            const QString text = QString::fromStdString(state.text);
            if (field->text() != text) {
                field->setText(text);
            }
        }
        if (auto* option = qobject_cast<OptionButton*>(widget)) {
            option->setChecked(state.checked);
        }
        // Controls inside a hidden frame stay as they are: the frame hides them.
        if (widget->parentWidget() == this || qobject_cast<QGroupBox*>(widget)) {
            widget->setVisible(state.visible);
        }
    }
    if (Line1->y1() != panel.markerY) {
        // Hidden while its end points change, shown only at its new place.
        Line1->setVisible(false);
        Line1->setY1(panel.markerY);
        Line1->setY2(panel.markerY);
        Line1->setVisible(true);
    }
    moveInTwips(nDetektorH, panel.detectorHLabelLeft, panel.detectorHLabelTop);
    cmdStart->setEnabled(!m_model->running());
}
