// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel as a view of the model: the user's clicks and typing go to the model, the
// controls show what the model says each one changed, and a refused Start is said in a message.

#include "Brontel.h"
#include "LineControl.h"
#include "OptionButton.h"
#include "PictureLayer.h"
#include "RefusalText.h"
#include "RunDriver.h"
#include "WindowModel.h"
#include "WindowTexts.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
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

void Brontel::startClicked()
{
    if (m_model->running()) {
        return; // a run never starts inside another
    }
    updateNumberFormat();
    // A click on Start gives it the focus, but where the window was not active yet, the window
    // system makes it so only after the click (X11 does): Start would have had the focus.
    const bool startHadFocus =
        control<QPushButton>(Control::cmdStart)->hasFocus() || !isActiveWindow();
    // Start is disabled as the run begins, which moves the focus on if Start had it.
    if (const std::optional<Refusal> refusal = m_model->start()) {
        complain(*refusal);
        return;
    }
    m_driver->begin(startHadFocus);
}

void Brontel::complain(const Refusal& refusal)
{
    const QString message = refusalText(windowTextContext, refusalInWindow(refusal), refusal,
                                        m_model->numberFormat(), longestTypedInWindow);
    Q_EMIT runRefused(message);
    if (!m_refusalsShown) {
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brontel"), message, QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText); // the user's text is shown, never interpreted
    box.exec();
}

void Brontel::konecClicked()
{
    if (m_model->requestEnd() == EndAction::CloseNow) {
        close();
        return;
    }
    m_driver->afterSteering();
}

void Brontel::followModel()
{
    m_model->subscribe([this](const ModelChange& change) {
        showChange(change);
        Q_EMIT modelChanged(change);
    });
    // The controls begin as the model's design state; after this, only what changes is shown.
    ModelChange everything;
    for (const layout::ControlLayout& c : layout::controls) {
        everything.controls.push_back(c.control);
    }
    everything.marker = true;
    showChange(everything);
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
        m_pictureLayer->showChanges();
    }
}
