// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Brontel.h"

#include "ControlLook.h"
#include "DesignScale.h"
#include "HomePage.h"
#include "InputHold.h"
#include "KeyboardAccess.h"
#include "LineControl.h"
#include "OptionButton.h"
#include "Pace.h"
#include "PictureClipboard.h"
#include "PictureLayer.h"
#include "PictureSurface.h"
#include "SceneCaptions.h"
#include "SceneMenu.h"
#include "Surface.h"
#include "TextFit.h"
#include "Twips.h"
#include "WindowModel.h"
#include "WindowSizeKeys.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace {
// Text as the model keeps it, UTF-8; a lone surrogate (half a character, which only a program
// or a broken input method types) cannot be written in it and is left out.
std::string utf8Of(const QString& text)
{
    QString whole;
    whole.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            whole += text[i];
            whole += text[++i];
        } else if (!text[i].isSurrogate()) {
            whole += text[i];
        }
    }
    return whole.toStdString();
}
} // namespace

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
    m_model = std::make_unique<WindowModel>(m_pictureLayer->picture());
    m_model->subscribe([this](const ModelChange& change) {
        showChange(change);
        Q_EMIT modelChanged(change);
    });
    m_stepTimer.setSingleShot(true);
    m_stepTimer.setInterval(0);
    connect(&m_stepTimer, &QTimer::timeout, this, &Brontel::runStep);
    connectHandlers();
    setTabOrder();
    // Start is what a newcomer wants first, not a caret blinking in the title.
    cmdStart->setFocus(Qt::OtherFocusReason);
    enableKeyboardAccess(*this);
    auto* clipboard = new PictureClipboard(*this);
    auto* sizeKeys = new WindowSizeKeys(*this);
    new SceneMenu(*this, *clipboard, *sizeKeys);
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

    // The window's own surface: the prompt lies below the run's picture.
    labKlepnete = new QLabel(QString(), this);
    labKlepnete->setObjectName(QStringLiteral("labKlepnete"));
    labKlepnete->setFont(look::serifBold(18));
    labKlepnete->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labKlepnete->setWordWrap(true);
    labKlepnete->setAutoFillBackground(true);
    setTwipsGeometry(labKlepnete, {3960, 1800, 3255, 855});

    LineControl** const lines[] = {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7};
    for (std::size_t i = 0; i < sceneLines.size(); ++i) {
        const SceneLine& l = sceneLines[i];
        auto* line = new LineControl(QStringLiteral("Line%1").arg(i + 1), l.x1, l.y1, l.x2, l.y2,
                                     l.width, this);
        connect(line, &LineControl::changed, this, qOverload<>(&QWidget::update));
        *lines[i] = line;
    }

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

    for (const SceneCaption& caption : sceneCaptions) {
        const std::string_view name = nameOf(caption.control);
        look::displayTextBox(QString::fromUtf8(name.data(), qsizetype(name.size())), QString(),
                             caption.box, caption.look, this);
    }
    nDetektorV = findChild<QLineEdit*>(QStringLiteral("nDetektorV"));
    nDetektorH = findChild<QLineEdit*>(QStringLiteral("nDetektorH"));
    nDetektorS = findChild<QLineEdit*>(QStringLiteral("nDetektorS"));
    nPravd2podobnost = findChild<QLineEdit*>(QStringLiteral("nPravd2podobnost"));
    nCornuovySpirály = findChild<QLineEdit*>(QStringLiteral("nCornuovySpirály"));
    nCornuLatka = findChild<QLineEdit*>(QStringLiteral("nCornuLatka"));
    nVoda = findChild<QLineEdit*>(QStringLiteral("nVoda"));
    nSklo = findChild<QLineEdit*>(QStringLiteral("nSklo"));

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
    connect(cmdStart, &QPushButton::clicked, this, &Brontel::startClicked);
    connect(cmdKonec, &QPushButton::clicked, this, &Brontel::konecClicked);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        updateNumberFormat();
        m_model->scroll(value);
    });
    for (const OptionRow& row : optionTable) {
        auto* button = static_cast<OptionButton*>(widgetOf(row.option));
        connect(button, &OptionButton::clicked, this,
                [this, option = row.option] { optionClicked(option); });
    }
    // What is typed into a field, or written there by a program, is the model's. The hidden
    // fields only show the choices.
    for (Control field : {Control::nIndex, Control::nAlfa}) {
        auto* box = static_cast<QLineEdit*>(widgetOf(field));
        connect(box, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { m_model->setText(field, utf8Of(text)); });
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

const PictureSurface& Brontel::picture() const
{
    return m_pictureLayer->picture();
}

bool Brontel::isRunning() const
{
    return m_model->running();
}

const std::optional<CurveRecord>& Brontel::lastCurves() const
{
    return m_model->lastCurves();
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
    if (m_model->requestEnd() == EndAction::CloseAfterRun) {
        event->ignore();
        afterSteering();
        return;
    }
    event->accept();
}
