// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Start button: read and check the settings, then run the experiment while the window
// keeps repainting and holds the user's input back until the run is over.

#include "Brontel.h"
#include "ExperimentRun.h"
#include "InputHold.h"
#include "NumberText.h"
#include "PictureSurface.h"
#include "RunHost.h"
#include "RunSettings.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

#include <cmath>
#include <optional>

namespace {
// Beyond this magnitude an index or angle makes no sense to teach with, and the run's phases
// and drawing coordinates would lose all precision or overflow.
constexpr double largestSetting = 1e6;

QString quoted(const QString& text)
{
    constexpr int longest = 40;
    const QString shown = text.size() > longest ? text.left(longest) + QStringLiteral("…") : text;
    return QStringLiteral("„") + shown + QStringLiteral("“");
}

void complain(QWidget* window, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brontel"), message, QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText); // the user's text is shown, never interpreted
    box.exec();
}

std::optional<double> readNumber(QWidget* window, const QLineEdit* field, const QString& caption)
{
    const QString text = field->text();
    const std::optional<double> value = textToNumber(text);
    if (!value) {
        complain(window, QStringLiteral("V poli %1 je %2, a to není číslo.\n\n"
                                        "Zapište do pole číslo, například %3, "
                                        "a stiskněte Start znovu.")
                             .arg(quoted(caption), quoted(text), numberText(1.33)));
        return std::nullopt;
    }
    if (std::abs(*value) > largestSetting) {
        complain(window, QStringLiteral("V poli %1 je číslo %2, které je pro výpočet příliš "
                                        "velké (nejvýše %3).\n\n"
                                        "Zapište do pole menší číslo a stiskněte Start znovu.")
                             .arg(quoted(caption), quoted(text), numberText(largestSetting)));
        return std::nullopt;
    }
    return value;
}

std::optional<RunSettings> readSettings(Brontel& w)
{
    RunSettings settings;
    const auto index = readNumber(&w, w.nIndex, QStringLiteral("Index lomu"));
    if (!index) {
        return std::nullopt;
    }
    const auto alpha = readNumber(&w, w.nAlfa, QStringLiteral("Úhel dopadu"));
    if (!alpha) {
        return std::nullopt;
    }
    const auto distance = readNumber(&w, w.nDistance, QStringLiteral("Distance detektoru"));
    if (!distance) {
        return std::nullopt;
    }
    if (!readNumber(&w, w.nSpomaleni, QStringLiteral("Animace"))) {
        return std::nullopt;
    }
    settings.refrIndex = *index;
    settings.alpha = *alpha;
    settings.detectorDistance = *distance;
    settings.angleCase = w.nAlfaCaption->text().toStdString();
    settings.substance = w.nLátka->text().toStdString();
    settings.distanceKey = w.nDistance->text().toStdString();
    return settings;
}
} // namespace

// The window while a run is in progress: input is held back, close requests wait, and after
// every step the picture is shown and the window system is answered.
class RunInProgress final : public RunHost
{
public:
    explicit RunInProgress(Brontel& window) : m_window(window) { m_window.m_running = true; }
    ~RunInProgress() override
    {
        m_hold.reset(); // the held input goes back to the event queue, in order
        m_window.m_running = false;
        m_window.showPicture();
        if (m_window.m_closeAfterRun) {
            m_window.m_closeAfterRun = false;
            m_window.close();
        }
    }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

    void stepDrawn() override
    {
        m_window.showPicture();
        QApplication::processEvents();
        if (m_window.m_stepObserver) {
            m_window.m_stepObserver();
        }
    }

    std::int64_t slowDownCount() override
    {
        const auto count = textToNumber(m_window.nSpomaleni->text());
        return count && *count > 0 ? std::int64_t(std::llround(*count)) : 0;
    }

private:
    Brontel& m_window;
    std::optional<InputHold> m_hold{std::in_place};
};

void Brontel::cmdStart_Click()
{
    const std::optional<RunSettings> settings = readSettings(*this);
    if (!settings) {
        return;
    }
    RunInProgress inProgress(*this);
    ExperimentRun(picture(), inProgress, m_countdown).run(*settings);
}
