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
// the line controls) and the controls. Every handler is a method without arguments; the option
// and scroll-bar handlers live in settings/, Start in experiment/, Load and exit in app/.

#include "Countdown.h"

#include <QWidget>

#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class LineControl;
class OptionButton;
class PictureLayer;
class PictureSurface;

class Brontel final : public QWidget
{
    Q_OBJECT
public:
    // Builds the window with every control in its design state; Form_Load comes next.
    explicit Brontel(Countdown countdown = Countdown::calibrated(), QWidget* parent = nullptr);
    ~Brontel() override;

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

    // The run's picture, persistent across repaints.
    PictureSurface& picture() { return *m_picture; }
    // Presents what has been drawn on the picture since the last call.
    void showPicture();
    bool isRunning() const { return m_running; }
    // Called after every sweep step is shown; lets tests act while a run is in progress.
    void setStepObserver(std::function<void()> observer) { m_stepObserver = std::move(observer); }

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class RunInProgress;

    void createControls();
    void connectHandlers();
    void setTabOrder();

    Countdown m_countdown;
    std::unique_ptr<PictureSurface> m_picture;
    PictureLayer* m_pictureLayer = nullptr;
    bool m_running = false;
    bool m_closeAfterRun = false;
    std::function<void()> m_stepObserver;
};
