// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel as a view of the model: the user's clicks and typing go to the model, and
// the controls show what the model says each one changed.

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

void Brontel::updateNumberFormat()
{
    m_model->setNumberFormat({QLocale().decimalPoint().toStdString()});
}

void Brontel::load()
{
    updateNumberFormat();
    m_model->load();
}

void Brontel::optionClicked(Control option)
{
    updateNumberFormat();
    m_model->click(option);
}

void Brontel::konecClicked()
{
    if (m_model->requestEnd() == EndAction::CloseNow) {
        close();
        return;
    }
    afterSteering();
}

void Brontel::showChange(const ModelChange& change)
{
    for (const Control control : change.controls) {
        const ControlState& state = m_model->state(control);
        QWidget* widget = widgetOf(control);
        if (widget == nullptr) {
            continue;
        }
        // The fields show the model's text; the captions show words, which are the window's.
        if (auto* field = qobject_cast<QLineEdit*>(widget); field && isField(control)) {
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
        widget->setEnabled(state.enabled);
    }
    if (change.marker) {
        const PanelState& panel = m_model->panel();
        // Hidden while its end points change, shown only at its new place.
        line(1)->setVisible(false);
        line(1)->setY1(panel.markerY);
        line(1)->setY2(panel.markerY);
        line(1)->setVisible(true);
        moveInTwips(control<QLineEdit>(Control::nDetektorH), panel.detectorHLabelLeft,
                    panel.detectorHLabelTop);
    }
    if (change.picture) {
        showPicture();
    }
}
