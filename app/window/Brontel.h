// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window, form Brontel: a view of the window's model. It builds its controls from the
// layout; they show the model's state and hand the user's actions to it (the option buttons, the
// fields, the scroll bar, Start and Konec); the picture shows what the model and its runs draw.
// A RunDriver steps each run from the event loop, so the window keeps answering its user; a
// WindowSizer fits the design to the window's size.

#include "Control.h"
#include "Countdown.h"
#include "CurveRecord.h"
#include "ModelChange.h"
#include "Twips.h"
#include "WindowLayout.h"
#include "WindowSizer.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class ProgressSign;
class QLineEdit;
class QPushButton;
class QScrollBar;
class LineControl;
class OptionButton;
class RunDriver;
class WindowModel;
struct Refusal;
class PictureLayer;
class PictureSurface;

class Brontel final : public QWidget
{
    Q_OBJECT
public:
    // Builds the window with every control in its design state; load() comes next. The
    // countdown paces every run's steps.
    explicit Brontel(Countdown countdown, QWidget* parent = nullptr);
    ~Brontel() override;

    // Raises Load: start-up selects the start options and fills the settings fields. Called
    // once, before the window is first shown.
    void load();

    // The run's picture, persistent across repaints.
    PictureSurface& picture();
    const PictureSurface& picture() const;
    // The window's state and behaviour, which these widgets show.
    WindowModel& model() { return *m_model; }
    const WindowModel& model() const { return *m_model; }
    bool isRunning() const;
    // The curves of the last run, finished or stopped; none before the first run.
    const std::optional<CurveRecord>& lastCurves() const;

    // Whether settings that cannot be run are explained in a message box (the default) or
    // only announced by runRefused, for a caller without a window on screen.
    void setRefusalsShown(bool shown) { m_refusalsShown = shown; }
    bool refusalsShown() const { return m_refusalsShown; }

    // The window's size (see WindowSizer).
    double factor() const { return m_sizer->factor(); }
    const DesignPlacement& placement() const { return m_sizer->placement(); }
    // A point of the design, in twips, as logical pixels of the window at the current size:
    // where the picture has drawn it, for whatever is laid over the picture.
    QPointF toWidgetPixels(QPointF twips) const { return m_sizer->toWidgetPixels(twips); }
    void toggleFullScreen() { m_sizer->toggleFullScreen(); }
    QRect normalPlace() const { return m_sizer->normalPlace(); }
    void showFullScreenEverywhere() { m_sizer->showFullScreenEverywhere(); }
    void stepSize(int direction) { m_sizer->stepSize(direction); }
    void resetSize() { m_sizer->resetSize(); }

    // Gives every caption, tooltip and accessible name its words in the interface's language,
    // and fits the captions to their boxes again. Done on every LanguageChange; the settings
    // fields keep their keys, which are data, not words.
    void retranslate();

    // The control that shows control, as its kind of widget (QLineEdit, QPushButton,
    // OptionButton, QGroupBox, QScrollBar, QLabel); null when it is not of that kind.
    template <typename Widget = QWidget> Widget* control(Control control) const
    {
        return qobject_cast<Widget*>(m_widgets[std::size_t(control)]);
    }
    // The line controls Line1 to Line7, by their number.
    LineControl* line(int number) const { return m_lines[std::size_t(number - 1)]; }

Q_SIGNALS:
    // The model changed what change says; the controls show it already.
    void modelChanged(const ModelChange& change);
    // A run has begun; input to the window waits for its end, the run's keys aside.
    void runStarted();
    // A sweep step of a run has been drawn and shown, before its pause.
    void stepShown();
    // Start found settings it cannot run; message says why, in the window's words.
    void runRefused(const QString& message);
    // A run has ended and its curves are in lastCurves().
    void runEnded();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The user's actions, handed to the model, and what it answers.
    void optionClicked(Control option);
    void startClicked();
    void konecClicked();
    void complain(const Refusal& refusal);
    // The controls show the model's state from now on: all of it once, then what each change
    // names.
    void followModel();
    void showChange(const ModelChange& change);
    // How far a run has come, shown as the model's notices tell of steps and of the run.
    void followProgress();
    // Numbers follow the user's locale, read afresh before every action.
    void updateNumberFormat();

    QWidget* widgetOf(Control control) const { return m_widgets[std::size_t(control)]; }
    void createControls();
    QWidget* createControl(const layout::ControlLayout& c, QWidget* parent);
    void connectHandlers();
    void setTabOrder();

    std::array<QWidget*, controlCount> m_widgets{}; // by Control, built from the layout
    std::array<LineControl*, 7> m_lines{};
    PictureLayer* m_pictureLayer = nullptr;
    // made at the first run, at the factor then; outlives the model and the driver, whose
    // notices it follows
    std::unique_ptr<ProgressSign> m_progress;
    std::unique_ptr<WindowModel> m_model;
    std::unique_ptr<WindowSizer> m_sizer;
    std::unique_ptr<RunDriver> m_driver; // goes before the model it drives
    bool m_refusalsShown = true;
};
