// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window, form Brontel: a view of the window's model. Its controls show the model's
// state and hand the user's actions to it (the option buttons, the fields, the scroll bar, Start
// and Konec); the picture shows what the model and its runs draw. A run steps from the event
// loop, one sweep step per turn, so the window keeps answering its user: Konec, the close box,
// the pace scroll bar and the run's keys act at once, other input waits for the end of the run.

#include "Control.h"
#include "Countdown.h"
#include "CurveRecord.h"
#include "ModelChange.h"
#include "Twips.h"
#include "WindowLayout.h"

#include <QTimer>
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
class InputHold;
class DetectorRings;
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

    // The window's size. The whole design (controls, fonts, line controls, picture) is shown
    // at one factor, the largest that fits the window, centred on the design's grey.
    double factor() const { return m_placement.factor; }
    const DesignPlacement& placement() const { return m_placement; }
    // A point of the design, in twips, as logical pixels of the window at the current size:
    // where the picture has drawn it, for whatever is laid over the picture.
    QPointF toWidgetPixels(QPointF twips) const;
    // Full screen, or back to the window's own place (maximised again if it was).
    void toggleFullScreen();
    // The window's place when it is neither full screen nor maximised.
    QRect normalPlace() const;
    // Full screen on the window's screen, with or without a window manager to grant it.
    void showFullScreenEverywhere();
    // Resizes the window one size step up (+1) or down (-1), as far as the screen allows; in
    // full screen or maximised, the window returns to a normal window first.
    void stepSize(int direction);
    // The design's own size, 100 %, or as large as fits a screen smaller than the design.
    void resetSize();

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
    // The user's actions, handed to the model.
    void optionClicked(Control option);
    void startClicked();
    void konecClicked();
    // Shows what the model says it changed.
    void showChange(const ModelChange& change);
    // Numbers follow the user's locale, read afresh before every action.
    void updateNumberFormat();
    void complain(const Refusal& refusal);

    // The run, one step per turn of the event loop.
    void beginRun();
    void runStep();
    void endRun();
    // After input that steers the run (the run's keys, Konec, the close box).
    void afterSteering();
    bool steersRun(const QEvent* event);
    void showPaused();

    QWidget* widgetOf(Control control) const { return m_widgets[std::size_t(control)]; }
    void createControls();
    QWidget* createControl(const layout::ControlLayout& c, QWidget* parent);
    void connectHandlers();
    void setTabOrder();
    // Presents what has been drawn on the picture since the last call.
    void showPicture();
    // Places the design in the window at the factor that fits its size, at the screen's pixel
    // density; does nothing when neither changed.
    void placeDesign();
    // Resizes the window (a normal one) to show the design at factor, kept on its screen.
    void showAtFactor(double factor);

    std::array<QWidget*, controlCount> m_widgets{}; // by Control, built from the layout
    std::array<LineControl*, 7> m_lines{};
    Countdown m_countdown;
    PictureLayer* m_pictureLayer = nullptr;
    std::unique_ptr<WindowModel> m_model;
    QTimer m_stepTimer;
    std::unique_ptr<InputHold> m_hold; // during a run
    DetectorRings* m_rings = nullptr;
    QLabel* m_paused = nullptr; // says so while a run is paused
    std::unique_ptr<ProgressSign> m_progress; // how far the run has come
    bool m_startHadFocus = false;
    DesignPlacement m_placement;
    QRect m_normalGeometry; // the window's place before full screen
    qreal m_pixelRatio = 1;
    bool m_watchingScreen = false;
    bool m_refusalsShown = true;
};
