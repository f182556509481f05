// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Start button: read and check the settings, then run the experiment while the window
// keeps repainting and holds the user's input back until the run is over. Konec, the close box,
// the run's keys (RunControl) and the pace scroll bar act at once.

#include "Brontel.h"
#include "DetectorRings.h"
#include "ExperimentRun.h"
#include "InputHold.h"
#include "NumberText.h"
#include "PictureSurface.h"
#include "RunControl.h"
#include "RunHost.h"
#include "RunSettings.h"
#include "SettingRanges.h"
#include "SettingsFields.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>
#include <optional>

namespace {
using ranges::largestSetting;

QString quoted(const QString& text)
{
    constexpr int longest = 40;
    const QString shown = text.size() > longest ? text.left(longest) + QStringLiteral("…") : text;
    return QStringLiteral("„") + shown + QStringLiteral("“");
}

void complain(Brontel* window, const QString& message)
{
    Q_EMIT window->runRefused(message);
    if (!window->refusalsShown()) {
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brontel"), message, QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText); // the user's text is shown, never interpreted
    box.exec();
}

std::optional<double> readNumber(Brontel* window, const QLineEdit* field, const QString& caption)
{
    const QString text = field->text();
    const std::optional<double> value = textToNumber(text);
    if (!value) {
        complain(window,
                 QCoreApplication::translate("Brontel", "V poli %1 je %2, a to není číslo.\n\n"
                                                        "Zapište do pole číslo, například %3, "
                                                        "a stiskněte Start znovu.")
                     .arg(quoted(caption), quoted(text), numberText(1.33)));
        return std::nullopt;
    }
    if (std::abs(*value) > largestSetting) {
        complain(window, QCoreApplication::translate(
                             "Brontel", "V poli %1 je číslo %2, které je pro výpočet příliš "
                                        "velké (nejvýše %3).\n\n"
                                        "Zapište do pole menší číslo a stiskněte Start znovu.")
                             .arg(quoted(caption), quoted(text), numberText(largestSetting)));
        return std::nullopt;
    }
    return value;
}

// A number that is one but means nothing for the experiment, refused with the range it needs.
bool withinRange(Brontel* window, double value, ranges::Range range, const QString& caption,
                 const QString& unit)
{
    if (range.contains(value)) {
        return true;
    }
    complain(window, QCoreApplication::translate(
                         "Brontel", "S číslem %1 v poli %2 pokus nemá smysl: %3 musí být "
                                    "od %4 do %5%6.\n\n"
                                    "Zapište do pole číslo z tohoto rozsahu a stiskněte Start "
                                    "znovu.")
                         .arg(numberText(value), quoted(caption), caption.toLower(),
                              numberText(range.lowest), numberText(range.highest), unit));
    return false;
}

std::optional<RunSettings> readSettings(Brontel& w)
{
    const QString indexCaption = QCoreApplication::translate("Brontel", "Index lomu");
    const auto index = readNumber(&w, w.nIndex, indexCaption);
    if (!index || !withinRange(&w, *index, ranges::refrIndex, indexCaption, {})) {
        return std::nullopt;
    }
    const QString angleCaption = QCoreApplication::translate("Brontel", "Úhel dopadu");
    const auto alpha = readNumber(&w, w.nAlfa, angleCaption);
    if (!alpha || !withinRange(&w, *alpha, ranges::angle, angleCaption,
                               QCoreApplication::translate("Brontel", " stupňů"))) {
        return std::nullopt;
    }
    const auto distance =
        readNumber(&w, w.nDistance, QCoreApplication::translate("Brontel", "Distance detektoru"));
    if (!distance) {
        return std::nullopt;
    }
    if (!readNumber(&w, w.nSpomaleni, QCoreApplication::translate("Brontel", "Animace"))) {
        return std::nullopt;
    }
    return RunSettings::fromFields(*index, *alpha, fieldKey(w.nAlfaCaption), fieldKey(w.nLátka),
                                   fieldKey(w.nDistance), *distance);
}

// Start presses: clicks of any kind, and the keys that press a focused button.
bool pressesButton(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
               key == Qt::Key_Select;
    }
    default:
        return false;
    }
}

bool within(const QObject* receiver, const QWidget* widget)
{
    const auto* w = qobject_cast<const QWidget*>(receiver);
    return w && (w == widget || widget->isAncestorOf(w));
}

// What becomes of the user's input during a run (see RunInProgress); asked again when the held
// input is handed on, so that presses of Start stay dropped then too.
InputHold::Verdict inputDuringRun(const Brontel& window, const QObject* receiver,
                                  const QEvent* event)
{
    if (within(receiver, window.cmdStart)) {
        return pressesButton(event) ? InputHold::Verdict::Drop : InputHold::Verdict::Hold;
    }
    if (within(receiver, window.HScroll1) ||
        (within(receiver, window.cmdKonec) && pressesButton(event))) {
        return InputHold::Verdict::Deliver;
    }
    return InputHold::Verdict::Hold;
}
} // namespace

// The window while a run is in progress: Start is disabled and its presses dropped; Konec, the
// close box and the pace scroll bar act at once; every other input is held until the run is
// over; after every step the picture is shown, the detectors are ringed, and the window system
// is answered.
class RunInProgress final : public RunHost
{
public:
    RunInProgress(Brontel& window, double detectorDistance)
        : m_window(window), m_detectorDistance(detectorDistance),
          m_startHadFocus(window.cmdStart->hasFocus())
    {
        m_window.m_running = true;
        m_window.cmdStart->setEnabled(false); // moves the focus on if Start had it
        m_focusInstead = QApplication::focusWidget();
        m_endRequest = QObject::connect(&m_window, &Brontel::endRequested, &m_window,
                                        [this] { m_control.stop(); });
        m_rings = m_window.findChild<DetectorRings*>();
        if (m_rings == nullptr) {
            m_rings = new DetectorRings(&m_window);
            m_rings->stackUnder(m_window.nuBrontel); // just above the picture layer
        }
    }
    ~RunInProgress() override
    {
        QObject::disconnect(m_endRequest);
        m_rings->hide();
        m_window.m_running = false;
        m_window.showPicture();
        if (m_window.m_closeAfterRun) {
            m_window.m_closeAfterRun = false;
            m_hold->discard(); // nothing is left for it to act on
            m_window.close();
            return;
        }
        // Start comes back at once, with the focus it had, so that the held input, handed on
        // after this handler has returned, acts as if it had been made now; presses of Start
        // among it stay dropped.
        m_window.cmdStart->setEnabled(true);
        if (m_startHadFocus && QApplication::focusWidget() == m_focusInstead) {
            m_window.cmdStart->setFocus(Qt::OtherFocusReason);
        }
        m_hold.reset();
    }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

    void stepDrawn(SweepStep step) override
    {
        m_window.showPicture();
        m_rings->mark(step, m_detectorDistance);
        m_rings->show();
        QApplication::processEvents();
        Q_EMIT m_window.stepShown();
    }

    std::int64_t slowDownCount() override
    {
        const auto count = textToNumber(m_window.nSpomaleni->text());
        return count && *count > 0 ? std::int64_t(std::llround(*count)) : 0;
    }

    AfterStep stepEnded() override
    {
        return m_control.nextStep() ? AfterStep::Continue : AfterStep::Stop;
    }

private:
    Brontel& m_window;
    double m_detectorDistance;
    bool m_startHadFocus;
    QPointer<QWidget> m_focusInstead;
    QMetaObject::Connection m_endRequest;
    DetectorRings* m_rings = nullptr;
    std::optional<InputHold> m_hold{std::in_place, &m_window,
                                    [window = &m_window](QObject* receiver, const QEvent* event) {
                                        return inputDuringRun(*window, receiver, event);
                                    }};
    RunControl m_control{m_window}; // after the hold, so that its keys are seen first
};

void Brontel::cmdStart_Click()
{
    if (m_running) {
        return; // a run never starts inside another
    }
    const std::optional<RunSettings> settings = readSettings(*this);
    if (!settings) {
        return;
    }
    // The run paints the whole picture over: what was drawn before need not be kept.
    picture().clear();
    {
        RunInProgress inProgress(*this, settings->detectorDistance);
        m_lastCurves = ExperimentRun(picture(), inProgress, m_countdown).run(*settings);
    }
    Q_EMIT runEnded();
}
