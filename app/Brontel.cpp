// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Brontel.h"

#include "ControlLook.h"
#include "DesignScale.h"
#include "HomePage.h"
#include "KeyboardAccess.h"
#include "LineControl.h"
#include "OptionButton.h"
#include "Pace.h"
#include "PictureClipboard.h"
#include "PictureLayer.h"
#include "PictureSurface.h"
#include "SceneMenu.h"
#include "Surface.h"
#include "TextFit.h"
#include "Twips.h"
#include "WindowSizeKeys.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

using look::Alignment;
using look::Ground;
using look::TextBoxLook;

Brontel::Brontel(Countdown countdown, QWidget* parent)
    : QWidget(parent), m_countdown(std::move(countdown))
{
    setObjectName(QStringLiteral("Brontel"));
    setWindowTitle(QStringLiteral("Brontel - ") + QLatin1String(homepage::address));
    const QSize client = designscale::designSize();
    resize(client);
    setMinimumSize(designscale::scaledSize(designscale::smallestFactor));

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(colours::sceneGrey));
    palette.setColor(QPalette::WindowText, toQColor(colours::black));
    setPalette(palette);
    setAutoFillBackground(true);

    createControls();
    connectHandlers();
    setTabOrder();
    // Start is what a newcomer wants first, not a caret blinking in the title.
    cmdStart->setFocus(Qt::OtherFocusReason);
    enableKeyboardAccess(*this);
    new PictureClipboard(this);
    new SceneMenu(*this);
    new WindowSizeKeys(this);
    // Texts that do not fit their boxes as designed get their fitting size from the start.
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { fitFont(box, factor()); });
    }
    m_pixelRatio = m_pictureLayer->picture().image().devicePixelRatio();
    retranslate();
}

Brontel::~Brontel() = default;

void Brontel::createControls()
{
    const TextBoxLook caption;
    TextBoxLook value;
    value.pointSize = 14.25;
    TextBoxLook green;
    green.ground = Ground::Green;

    // The window's own surface: the prompt lies below the run's picture.
    labKlepnete = new QLabel(QString(), this);
    labKlepnete->setObjectName(QStringLiteral("labKlepnete"));
    labKlepnete->setFont(look::serifBold(18));
    labKlepnete->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labKlepnete->setWordWrap(true);
    labKlepnete->setAutoFillBackground(true);
    setTwipsGeometry(labKlepnete, {3960, 1800, 3255, 855});

    const auto lineControl = [this](const char* name, int x1, int y1, int x2, int y2, int width) {
        auto* line = new LineControl(QString::fromUtf8(name), x1, y1, x2, y2, width, this);
        connect(line, &LineControl::changed, this, qOverload<>(&QWidget::update));
        return line;
    };
    Line1 = lineControl("Line1", 2880, 3720, 11400, 3720, 1);
    Line2 = lineControl("Line2", 7320, 720, 7320, 7800, 1);
    Line3 = lineControl("Line3", 2880, 6480, 11400, 6480, 1);
    Line4 = lineControl("Line4", 2880, 5040, 11400, 5040, 2);
    Line5 = lineControl("Line5", 2880, 7080, 11400, 7080, 1);
    Line6 = lineControl("Line6", 9840, 600, 9840, 7800, 1);
    Line7 = lineControl("Line7", 3120, 840, 3120, 7800, 1);

    // The ratio of the screen the window opens on, so the picture's lines stay sharp there.
    const QScreen* screen = this->screen();
    m_pictureLayer =
        new PictureLayer(designscale::designSize(), screen ? screen->devicePixelRatio() : 1, this);
    m_pictureLayer->picture().setForeColour(colours::black);
    m_pictureLayer->setObjectName(QStringLiteral("picture"));
    m_pictureLayer->setGeometry(QRect(QPoint(0, 0), designscale::designSize()));

    // Controls that are windows of their own stand in front of the picture.
    TextBoxLook title;
    title.pointSize = 15.75;
    nuBrontel = look::displayTextBox(QStringLiteral("nuBrontel"), QString(), {4440, 0, 2295, 375},
                                     title, this);
    cmdStart =
        look::commandButton(QStringLiteral("cmdStart"), QString(), {6840, 0, 975, 375}, this);
    cmdKonec =
        look::commandButton(QStringLiteral("cmdKonec"), QString(), {8040, 0, 1215, 375}, this);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(pace::scrollMinimum, pace::scrollMaximum);
    HScroll1->setValue(0);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setTracking(false);              // Change comes at the end of a drag, never during it
    HScroll1->setFocusPolicy(Qt::StrongFocus); // reachable with Tab, moved with the arrow keys
    setTwipsGeometry(HScroll1, {4080, 480, 2415, 255});

    nTextIndex = look::displayTextBox(QStringLiteral("nTextIndex"), QString(),
                                      {480, 1200, 1095, 285}, caption, this);
    nIndex = look::displayTextBox(QStringLiteral("nIndex"), QStringLiteral("nIndex"),
                                  {720, 1440, 855, 330}, value, this);

    frmLátka = look::frame(QStringLiteral("frmLátka"), QString(), {480, 1800, 975, 975}, this);
    opVoda = look::option(QStringLiteral("opVoda"), QString(), {120, 240, 735, 255}, frmLátka);
    opSklo = look::option(QStringLiteral("opSklo"), QString(), {120, 600, 735, 255}, frmLátka);

    frmDistance =
        look::frame(QStringLiteral("frmDistance"), QString(), {240, 3120, 1935, 1335}, this);
    opVelkáDistance = look::option(QStringLiteral("opVelkáDistance"), QStringLiteral("1500"),
                                   {120, 240, 1335, 255}, frmDistance);
    opStředníDistance = look::option(QStringLiteral("opStředníDistance"), QStringLiteral("750"),
                                     {600, 600, 855, 255}, frmDistance);
    opMaláDistance = look::option(QStringLiteral("opMaláDistance"), QStringLiteral("100"),
                                  {1080, 960, 615, 255}, frmDistance);

    nAlfa = look::displayTextBox(QStringLiteral("nAlfa"), QStringLiteral("nAlfa"),
                                 {960, 5040, 855, 330}, value, this);
    frmDopad = look::frame(QStringLiteral("frmDopad"), QString(), {480, 5400, 1335, 1095}, this);
    opMenší = look::option(QStringLiteral("opMenší"), QStringLiteral("35"), {240, 240, 735, 195},
                           frmDopad);
    opMezní = look::option(QStringLiteral("opMezní"), QString(), {360, 480, 735, 255}, frmDopad);
    opVětší = look::option(QStringLiteral("opVětší"), QStringLiteral("60"), {480, 720, 615, 255},
                           frmDopad);

    frmAnimace =
        look::frame(QStringLiteral("frmAnimace"), QString(), {480, 6600, 1335, 1095}, this);
    opRychlá =
        look::option(QStringLiteral("opRychlá"), QString(), {120, 240, 855, 255}, frmAnimace);
    opPomalejší =
        look::option(QStringLiteral("opPomalejší"), QString(), {120, 480, 1095, 255}, frmAnimace);
    opPomalá =
        look::option(QStringLiteral("opPomalá"), QString(), {120, 720, 975, 255}, frmAnimace);
    frmAnimace->hide();

    nDetektorV = look::displayTextBox(QStringLiteral("nDetektorV"), QString(),
                                      {5880, 1200, 1215, 285}, caption, this);
    nDetektorH = look::displayTextBox(QStringLiteral("nDetektorH"), QString(),
                                      {5640, 3840, 1215, 285}, caption, this);
    TextBoxLook greenCentred = green;
    greenCentred.alignment = Alignment::Centre;
    nDetektorS = look::displayTextBox(QStringLiteral("nDetektorS"), QString(),
                                      {8400, 6120, 1215, 255}, greenCentred, this);
    TextBoxLook probability;
    probability.alignment = Alignment::Right;
    probability.blackText = true;
    nPravd2podobnost = look::displayTextBox(QStringLiteral("nPravd2podobnost"), QString(),
                                            {7440, 960, 1935, 285}, probability, this);
    nCornuovySpirály = look::displayTextBox(QStringLiteral("nCornuovySpirály"), QString(),
                                            {7800, 600, 1815, 255}, caption, this);
    nCornuLatka = look::displayTextBox(QStringLiteral("nCornuLatka"), QString(),
                                       {3240, 6600, 1815, 330}, green, this);
    TextBoxLook tag = greenCentred;
    tag.pointSize = 14.25;
    nVoda =
        look::displayTextBox(QStringLiteral("nVoda"), QString(), {8280, 5280, 735, 285}, tag, this);
    nSklo =
        look::displayTextBox(QStringLiteral("nSklo"), QString(), {8160, 5280, 615, 285}, tag, this);

    nLátka = look::hiddenField(QStringLiteral("nLátka"), QStringLiteral("nLátka"),
                               {2040, 120, 735, 285}, this);
    nAlfaCaption = look::hiddenField(QStringLiteral("nAlfaCaption"), QStringLiteral("nAlfaCaption"),
                                     {2880, 120, 735, 285}, this);
    nDistance = look::hiddenField(QStringLiteral("nDistance"), QStringLiteral("nDistance"),
                                  {2040, 3960, 495, 285}, this);
    nSpomaleni = look::hiddenField(QStringLiteral("nSpomaleni"), QStringLiteral("Spomalení"),
                                   {5040, 720, 855, 375}, this);
}

void Brontel::connectHandlers()
{
    connect(cmdStart, &QPushButton::clicked, this, &Brontel::cmdStart_Click);
    connect(cmdKonec, &QPushButton::clicked, this, &Brontel::cmdKonec_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Brontel::HScroll1_Change);
    const std::pair<OptionButton*, void (Brontel::*)()> options[] = {
        {opVoda, &Brontel::opVoda_Click},
        {opSklo, &Brontel::opSklo_Click},
        {opMenší, &Brontel::opMenší_Click},
        {opMezní, &Brontel::opMezní_Click},
        {opVětší, &Brontel::opVětší_Click},
        {opVelkáDistance, &Brontel::opVelkáDistance_Click},
        {opStředníDistance, &Brontel::opStředníDistance_Click},
        {opMaláDistance, &Brontel::opMaláDistance_Click},
        {opRychlá, &Brontel::opRychlá_Click},
        {opPomalejší, &Brontel::opPomalejší_Click},
        {opPomalá, &Brontel::opPomalá_Click},
    };
    for (const auto& [button, handler] : options) {
        connect(button, &OptionButton::clicked, this, handler);
    }
}

void Brontel::setTabOrder()
{
    QWidget* const order[] = {
        nuBrontel,  cmdStart,     nAlfa,       frmDopad,        opMezní,           opVětší,
        opMenší,    nAlfaCaption, nLátka,      nIndex,          frmLátka,          opVoda,
        opSklo,     nDistance,    frmDistance, opVelkáDistance, opStředníDistance, opMaláDistance,
        nTextIndex, nDetektorH,   nDetektorS,  nDetektorV,      nCornuovySpirály,  nPravd2podobnost,
        cmdKonec,   labKlepnete,  nSklo,       nVoda,           nCornuLatka,       nSpomaleni,
        frmAnimace, opRychlá,     opPomalejší, opPomalá,        HScroll1,
    };
    // Frames and the label take no focus; the chain runs through the others in design order.
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void Brontel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const LineControl* line : {Line1, Line2, Line3, Line4, Line5, Line6, Line7}) {
        line->paint(painter, m_placement);
    }
}

PictureSurface& Brontel::picture()
{
    return m_pictureLayer->picture();
}

void Brontel::showPicture()
{
    m_pictureLayer->showChanges();
}

void Brontel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void Brontel::closeEvent(QCloseEvent* event)
{
    // A run ends at the end of its current step; the window closes then.
    if (m_running) {
        m_closeAfterRun = true;
        Q_EMIT endRequested();
        event->ignore();
        return;
    }
    event->accept();
}
