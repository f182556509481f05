// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window, form Brontel: the control panel of the experiment, the store of its settings
// and the surface a run draws on.
//
// How data flows: the option buttons and the scroll bar write the settings fields (nIndex,
// nAlfa, and the hidden nAlfaCaption, nLátka, nDistance, nSpomaleni) and move Line1 and
// nDetektorH; Start reads those fields, checks the numbers, and lets the experiment run draw
// into the persistent picture, which is shown between the window's own surface (the prompt and
// the line controls) and the controls. Every handler is a private method without arguments,
// reached through the controls' signals: the option and scroll-bar handlers in the files named
// after their frames, Start in StartClick.cpp, Load and exit in StartUp.cpp.

#include "AngleCase.h"
#include "Countdown.h"
#include "CurveRecord.h"
#include "DetectorDistance.h"
#include "Substance.h"
#include "Twips.h"

#include <QWidget>

#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class LineControl;
class OptionButton;
class PictureLayer;
class PictureSurface;
class RunInProgress;

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
    bool isRunning() const { return m_running; }
    // The curves of the last run, finished or stopped; none before the first run.
    const std::optional<CurveRecord>& lastCurves() const { return m_lastCurves; }

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
    void toggleFullScreen();
    // The window's place when it is neither full screen nor maximised.
    QRect normalPlace() const;
    // Full screen on the window's screen, with or without a window manager to grant it.
    void showFullScreenEverywhere();
    // Resizes the window one size step up (+1) or down (-1), as far as the screen allows; in
    // full screen or maximised, the window returns to a normal window first.
    void stepSize(int direction);
    // The design's own size, 100 %.
    void resetSize();

    // Gives every caption, tooltip and accessible name its words in the interface's language,
    // and fits the captions to their boxes again. Done on every LanguageChange; the settings
    // fields keep their keys, which are data, not words.
    void retranslate();

    // The controls, named as in the design.
    QLineEdit* nuBrontel = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdKonec = nullptr;
    QScrollBar* HScroll1 = nullptr;

    QLineEdit* nTextIndex = nullptr;
    QLineEdit* nIndex = nullptr;
    QGroupBox* frmLátka = nullptr;
    OptionButton* opVoda = nullptr;
    OptionButton* opSklo = nullptr;
    QGroupBox* frmDistance = nullptr;
    OptionButton* opVelkáDistance = nullptr;
    OptionButton* opStředníDistance = nullptr;
    OptionButton* opMaláDistance = nullptr;
    QLineEdit* nAlfa = nullptr;
    QGroupBox* frmDopad = nullptr;
    OptionButton* opMenší = nullptr;
    OptionButton* opMezní = nullptr;
    OptionButton* opVětší = nullptr;
    QGroupBox* frmAnimace = nullptr;
    OptionButton* opRychlá = nullptr;
    OptionButton* opPomalejší = nullptr;
    OptionButton* opPomalá = nullptr;

    QLabel* labKlepnete = nullptr;
    QLineEdit* nDetektorV = nullptr;
    QLineEdit* nDetektorH = nullptr;
    QLineEdit* nDetektorS = nullptr;
    QLineEdit* nPravd2podobnost = nullptr;
    QLineEdit* nCornuovySpirály = nullptr;
    QLineEdit* nCornuLatka = nullptr;
    QLineEdit* nVoda = nullptr;
    QLineEdit* nSklo = nullptr;

    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    LineControl* Line3 = nullptr;
    LineControl* Line4 = nullptr;
    LineControl* Line5 = nullptr;
    LineControl* Line6 = nullptr;
    LineControl* Line7 = nullptr;

    QLineEdit* nLátka = nullptr;
    QLineEdit* nAlfaCaption = nullptr;
    QLineEdit* nDistance = nullptr;
    QLineEdit* nSpomaleni = nullptr;

Q_SIGNALS:
    // A sweep step of a run has been drawn and shown, before its pause.
    void stepShown();
    // Start found settings it cannot run; message says why, in the window's words.
    void runRefused(const QString& message);
    // A run has ended and its curves are in lastCurves().
    void runEnded();
    // Konec or the close box during a run: the run ends at the end of its current step, and
    // the window closes then.
    void endRequested();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class RunInProgress;

    // The handlers, one per handled event.
    void Form_Load();
    void cmdKonec_Click();
    void cmdStart_Click();
    void HScroll1_Change();
    void opMaláDistance_Click();
    void opMenší_Click();
    void opMezní_Click();
    void opPomalá_Click();
    void opPomalejší_Click();
    void opRychlá_Click();
    void opSklo_Click();
    void opStředníDistance_Click();
    void opVelkáDistance_Click();
    void opVětší_Click();
    void opVoda_Click();

    // What the handlers of one frame share.
    void chooseSubstance(Substance substance);
    void chooseFixedAngle(AngleCase angleCase);
    void chooseDistance(DetectorDistance distance);

    void createControls();
    void connectHandlers();
    void setTabOrder();
    // Presents what has been drawn on the picture since the last call.
    void showPicture();
    // Places the design in the window at the factor that fits its size, at the screen's pixel
    // density; does nothing when neither changed.
    void placeDesign();
    // Resizes the window (a normal one) to show the design at factor, kept on its screen.
    void showAtFactor(double factor);

    Countdown m_countdown;
    PictureLayer* m_pictureLayer = nullptr;
    DesignPlacement m_placement;
    QRect m_normalGeometry; // the window's place before full screen
    qreal m_pixelRatio = 1;
    bool m_watchingScreen = false;
    bool m_running = false;
    bool m_closeAfterRun = false;
    bool m_refusalsShown = true;
    std::optional<CurveRecord> m_lastCurves;
};
