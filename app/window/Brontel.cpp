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
#include "ProgressSign.h"
#include "RunDriver.h"
#include "SceneMenu.h"
#include "Surface.h"
#include "TextFit.h"
#include "Twips.h"
#include "WindowLayout.h"
#include "WindowModel.h"
#include "WindowSizeKeys.h"
#include "WindowTexts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>

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

Brontel::Brontel(Countdown countdown, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Brontel"));
    setWindowTitle(QString::fromUtf8(homepage::windowTitle));
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
    m_sizer = std::make_unique<WindowSizer>(*this, *m_pictureLayer);
    m_driver =
        std::make_unique<RunDriver>(*this, m_widgets, *m_model, *m_sizer, std::move(countdown));
    connect(m_driver.get(), &RunDriver::runStarted, this, &Brontel::runStarted);
    connect(m_driver.get(), &RunDriver::stepShown, this, &Brontel::stepShown);
    connect(m_driver.get(), &RunDriver::runEnded, this, &Brontel::runEnded);
    followModel();
    followProgress();
    connectHandlers();
    setTabOrder();
    // Start is what a newcomer wants first, not a caret blinking in the title.
    control<QPushButton>(Control::cmdStart)->setFocus(Qt::OtherFocusReason);
    enableKeyboardAccess(*this);
    auto* clipboard = new PictureClipboard(*this);
    auto* sizeKeys = new WindowSizeKeys(*this);
    new SceneMenu(*this, *clipboard, *sizeKeys);
    // Texts that do not fit their boxes as designed get their fitting size from the start.
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { fitFont(box, factor()); });
    }
    retranslate();
}

Brontel::~Brontel() = default;

namespace {
TwipsRect twipsOf(const layout::Box& box)
{
    return {box.left, box.top, box.width, box.height};
}

QString nameText(Control control)
{
    const std::string_view name = nameOf(control);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

TextBoxLook lookOf(const layout::ControlLayout& c)
{
    return {c.points, c.ground == layout::Ground::Green ? Ground::Green : Ground::Grey,
            c.alignment == layout::Alignment::Centre  ? Alignment::Centre
            : c.alignment == layout::Alignment::Right ? Alignment::Right
                                                      : Alignment::Left,
            c.blackText};
}
} // namespace

void Brontel::followProgress()
{
    connect(this, &Brontel::modelChanged, this, [this](const ModelChange& change) {
        if (!change.run && !change.step) {
            return;
        }
        if (m_progress == nullptr) {
            m_progress = std::make_unique<ProgressSign>(this, m_sizer->factor());
        }
        m_progress->show(m_model->progress(), m_model->steering().state() == RunState::Paused);
    });
}

void Brontel::createControls()
{
    // The window's own surface: the prompt lies below the run's picture.
    const layout::ControlLayout& prompt = layout::of(Control::labKlepnete);
    auto* label = new QLabel(QString(), this);
    label->setObjectName(nameText(Control::labKlepnete));
    label->setFont(look::serifBold(prompt.points));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    setTwipsGeometry(label, twipsOf(prompt.box));
    m_widgets[std::size_t(Control::labKlepnete)] = label;

    for (std::size_t i = 0; i < layout::lines.size(); ++i) {
        const layout::LineControl& l = layout::lines[i];
        auto* line = new LineControl(QStringLiteral("Line%1").arg(i + 1), l.x1, l.y1, l.x2, l.y2,
                                     l.width, this);
        connect(line, &LineControl::changed, this, qOverload<>(&QWidget::update));
        m_lines[i] = line;
    }

    // The ratio of the screen the window opens on, so the picture's lines stay sharp there.
    const QScreen* screen = this->screen();
    m_pictureLayer =
        new PictureLayer(designscale::designSize(), screen ? screen->devicePixelRatio() : 1, this);
    m_pictureLayer->picture().setForeColour(colours::black);
    m_pictureLayer->setObjectName(QStringLiteral("picture"));
    m_pictureLayer->setGeometry(QRect(QPoint(0, 0), designscale::designSize()));

    // Controls that are windows of their own stand in front of the picture, in tab order. The
    // frames come last, each with its options: a frame takes no focus, and made after the
    // controls around it, it stands between none of them in the focus chain.
    for (const bool frames : {false, true}) {
        for (const layout::ControlLayout& c : layout::controls) {
            if (c.kind == layout::Kind::Label || c.frame ||
                (c.kind == layout::Kind::Frame) != frames) {
                continue;
            }
            QWidget* widget = createControl(c, this);
            m_widgets[std::size_t(c.control)] = widget;
            for (const layout::ControlLayout& option : layout::controls) {
                if (option.frame == c.control) {
                    m_widgets[std::size_t(option.control)] =
                        look::option(nameText(option.control), QString(), twipsOf(option.box),
                                     static_cast<QGroupBox*>(widget));
                }
            }
        }
    }
    // A field stands in front of the caption above it, which its top edge touches.
    for (const layout::ControlLayout& c : layout::controls) {
        if (c.kind == layout::Kind::Field) {
            widgetOf(c.control)->raise();
        }
    }
}

QWidget* Brontel::createControl(const layout::ControlLayout& c, QWidget* parent)
{
    const QString name = nameText(c.control);
    const TwipsRect box = twipsOf(c.box);
    switch (c.kind) {
    case layout::Kind::Caption:
    case layout::Kind::Field:
        return look::displayTextBox(name, QString(), box, lookOf(c), parent);
    case layout::Kind::HiddenField:
        return look::hiddenField(name, QString(), box, parent);
    case layout::Kind::Button:
        return look::commandButton(name, QString(), box, parent);
    case layout::Kind::Frame:
        return look::frame(name, QString(), box, parent);
    case layout::Kind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, parent);
        bar->setObjectName(name);
        bar->setRange(pace::scrollMinimum, pace::scrollMaximum);
        bar->setValue(0);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setTracking(false);              // Change comes at the end of a drag, never during it
        bar->setFocusPolicy(Qt::StrongFocus); // reachable with Tab, moved with the arrow keys
        setTwipsGeometry(bar, box);
        return bar;
    }
    case layout::Kind::Option:
    case layout::Kind::Label:
        break;
    }
    return nullptr;
}

void Brontel::connectHandlers()
{
    connect(control<QPushButton>(Control::cmdStart), &QPushButton::clicked, this,
            &Brontel::startClicked);
    connect(control<QPushButton>(Control::cmdKonec), &QPushButton::clicked, this,
            &Brontel::konecClicked);
    connect(control<QScrollBar>(Control::HScroll1), &QScrollBar::valueChanged, this,
            [this](int value) {
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
        // Qt's own limit (32767) cut a long paste without a word; this one is said.
        box->setMaxLength(int(longestFieldText));
        connect(box, &QLineEdit::inputRejected, this, [box] {
            if (box->text().size() >= box->maxLength()) {
                QToolTip::showText(
                    box->mapToGlobal(QPoint(0, box->height())),
                    QCoreApplication::translate("Brontel", fieldFullText).arg(box->maxLength()),
                    box);
            }
        });
    }
}

void Brontel::setTabOrder()
{
    // Frames and the label take no focus; the chain runs through the others in design order.
    QWidget* previous = nullptr;
    for (QWidget* widget : m_widgets) {
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
    for (const LineControl* line : m_lines) {
        line->paint(painter, m_sizer->placement());
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
        m_driver->afterSteering();
        return;
    }
    event->accept();
}

void Brontel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_sizer->placeDesign();
}

void Brontel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_sizer->windowShown();
}
