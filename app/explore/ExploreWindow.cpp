// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExploreWindow.h"

#include "ExploreView.h"
#include "WholeFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace {
// The gap's slider moves in tenths of a decay length.
constexpr int gapSteps = 10;
} // namespace

ExploreWindow::ExploreWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("exploreWindow"));
    build();
    retranslate();
    showModel();
    m_model.addListener([this] {
        showModel();
        m_view->refresh();
    });
}

void ExploreWindow::build()
{
    auto* controls = new QFormLayout;
    const auto row = [this, controls](QWidget* field) {
        auto* caption = new QLabel(this);
        caption->setBuddy(field);
        m_captions.append(caption);
        controls->addRow(caption, field);
    };

    m_angleSlider = new QSlider(Qt::Horizontal, this);
    m_angleSlider->setObjectName(QStringLiteral("angleSlider"));
    m_angleSlider->setRange(0, int(std::lround(explore::largestAngle * 10)));
    m_angle = new QDoubleSpinBox(this);
    m_angle->setObjectName(QStringLiteral("angleField"));
    m_angle->setRange(0, explore::largestAngle);
    m_angle->setDecimals(1);
    m_angle->setSingleStep(0.1);
    m_angle->setSuffix(QStringLiteral(" °"));
    auto* angleRow = new QHBoxLayout;
    angleRow->addWidget(m_angleSlider, 1);
    angleRow->addWidget(m_angle);
    auto* angleBox = new QWidget(this);
    angleBox->setLayout(angleRow);
    angleRow->setContentsMargins(0, 0, 0, 0);
    row(angleBox);
    m_captions.last()->setBuddy(m_angle);
    connect(m_angleSlider, &QSlider::valueChanged, this,
            [this](int tenths) { m_model.setAlpha(tenths / 10.0); });
    connect(m_angle, &QDoubleSpinBox::valueChanged, this,
            [this](double degrees) { m_model.setAlpha(degrees); });

    m_substance = new QComboBox(this);
    m_substance->setObjectName(QStringLiteral("substance"));
    m_substance->addItems({QString(), QString(), QString()});
    row(m_substance);
    connect(m_substance, &QComboBox::activated, this,
            [this](int i) { m_model.setSubstance(ExploreSubstance(i)); });
    m_index = new QDoubleSpinBox(this);
    m_index->setObjectName(QStringLiteral("index"));
    m_index->setRange(explore::smallestIndex, explore::largestIndex);
    m_index->setDecimals(2);
    m_index->setSingleStep(0.01);
    row(m_index);
    connect(m_index, &QDoubleSpinBox::valueChanged, this,
            [this](double n) { m_model.setIndex(n); });

    m_beam = new QComboBox(this);
    m_beam->setObjectName(QStringLiteral("beam"));
    m_beam->addItems({QString(), QString()});
    row(m_beam);
    connect(m_beam, &QComboBox::activated, this,
            [this](int i) { m_model.setBeam(i == 0 ? BeamShape::Hard : BeamShape::Gaussian); });
    m_waistSlider = new QSlider(Qt::Horizontal, this);
    m_waistSlider->setObjectName(QStringLiteral("waistSlider"));
    m_waistSlider->setRange(int(explore::smallestWaist), int(explore::largestWaist));
    m_waistSlider->setSingleStep(10);
    m_waistSlider->setPageStep(100);
    m_waist = new QSpinBox(this);
    m_waist->setObjectName(QStringLiteral("waist"));
    m_waist->setRange(int(explore::smallestWaist), int(explore::largestWaist));
    m_waist->setSingleStep(10);
    auto* waistRow = new QHBoxLayout;
    waistRow->setContentsMargins(0, 0, 0, 0);
    waistRow->addWidget(m_waistSlider, 1);
    waistRow->addWidget(m_waist);
    auto* waistBox = new QWidget(this);
    waistBox->setLayout(waistRow);
    row(waistBox);
    m_captions.last()->setBuddy(m_waist);
    connect(m_waistSlider, &QSlider::valueChanged, this, [this](int w) { m_model.setWaist(w); });
    connect(m_waist, &QSpinBox::valueChanged, this, [this](int w) { m_model.setWaist(w); });

    m_step = new QComboBox(this);
    m_step->setObjectName(QStringLiteral("sampling"));
    m_step->addItems({QString(), QString()});
    row(m_step);
    connect(m_step, &QComboBox::activated, this, [this](int i) {
        m_model.setStep(i == 0 ? explore::fineStep : explore::mainWindowStep);
    });
    m_arrows = new QComboBox(this);
    m_arrows->setObjectName(QStringLiteral("arrows"));
    m_arrows->addItems({QString(), QString()});
    row(m_arrows);
    connect(m_arrows, &QComboBox::activated, this,
            [this](int i) { m_model.setArrows(i == 0 ? ArrowKind::Exact : ArrowKind::Equal); });

    m_block = new QCheckBox(this);
    m_block->setObjectName(QStringLiteral("secondBlock"));
    controls->addRow(m_block);
    connect(m_block, &QCheckBox::toggled, this, [this](bool on) { m_model.setSecondBlock(on); });
    m_gap = new QSlider(Qt::Horizontal, this);
    m_gap->setObjectName(QStringLiteral("gapSlider"));
    m_gap->setRange(0, int(explore::largestGapInDepths * gapSteps));
    row(m_gap);
    connect(m_gap, &QSlider::valueChanged, this,
            [this](int steps) { m_model.setGapInDepths(double(steps) / gapSteps); });
    m_index2 = new QDoubleSpinBox(this);
    m_index2->setObjectName(QStringLiteral("index2"));
    m_index2->setRange(explore::smallestIndex, explore::largestIndex);
    m_index2->setDecimals(2);
    m_index2->setSingleStep(0.01);
    row(m_index2);
    connect(m_index2, &QDoubleSpinBox::valueChanged, this,
            [this](double n) { m_model.setIndex2(n); });

    m_readouts = new QLabel(this);
    m_readouts->setObjectName(QStringLiteral("readouts"));
    m_readouts->setTextFormat(Qt::PlainText);
    m_readouts->setWordWrap(true);
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("saveTable"));
    connect(m_save, &QPushButton::clicked, this, &ExploreWindow::saveTableAsked);
    auto* saveKey = new QAction(this);
    saveKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(saveKey, &QAction::triggered, this, &ExploreWindow::saveTableAsked);
    addAction(saveKey);
    auto* fullScreenKey = new QAction(this);
    fullScreenKey->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreenKey, &QAction::triggered, this,
            [this] { isFullScreen() ? showNormal() : showFullScreen(); });
    addAction(fullScreenKey);

    auto* left = new QVBoxLayout;
    left->addLayout(controls);
    left->addWidget(m_readouts);
    left->addStretch(1);
    left->addWidget(m_save);
    auto* leftBox = new QWidget(this);
    leftBox->setLayout(left);
    leftBox->setFixedWidth(330);

    m_view = new ExploreView(m_model, this);
    auto* whole = new QHBoxLayout(this);
    whole->addWidget(leftBox);
    whole->addWidget(m_view, 1);
}

void ExploreWindow::retranslate()
{
    setWindowTitle(tr("Zkoumat: evanescentní vlna a tunelování"));
    const QStringList captions{
        tr("Úhel dopadu:"),        tr("Látka:"),      tr("Index lomu:"), tr("Svazek:"),
        tr("Pás svazku (twipy):"), tr("Vzorkování:"), tr("Šipky:"),      tr("Mezera (d):"),
        tr("Index bloku:")};
    for (qsizetype i = 0; i < m_captions.size() && i < captions.size(); ++i) {
        m_captions[i]->setText(captions[i]);
    }
    m_substance->setItemText(0, tr("voda"));
    m_substance->setItemText(1, tr("sklo"));
    m_substance->setItemText(2, tr("jiný index"));
    m_beam->setItemText(0, tr("ostré okraje, 1000 twipů (hlavní okno)"));
    m_beam->setItemText(1, tr("Gaussův svazek"));
    m_step->setItemText(0, tr("0,5 twipu"));
    m_step->setItemText(1, tr("1 twip (hlavní okno)"));
    m_arrows->setItemText(0, tr("přesné Huygensovy vlnky"));
    m_arrows->setItemText(1, tr("stejně dlouhé šipky hlavního okna"));
    m_block->setText(tr("Druhý blok za vzduchovou mezerou"));
    m_save->setText(tr("Uložit tabulku jako CSV… (Ctrl+E)"));
    showModel();
}

void ExploreWindow::showModel()
{
    const ExploreSettings& s = m_model.settings();
    const QSignalBlocker blocks[] = {
        QSignalBlocker(m_angleSlider), QSignalBlocker(m_angle), QSignalBlocker(m_substance),
        QSignalBlocker(m_index),       QSignalBlocker(m_beam),  QSignalBlocker(m_waistSlider),
        QSignalBlocker(m_waist),       QSignalBlocker(m_step),  QSignalBlocker(m_arrows),
        QSignalBlocker(m_block),       QSignalBlocker(m_gap),   QSignalBlocker(m_index2)};
    m_angleSlider->setValue(int(std::lround(s.alphaDegrees * 10)));
    m_angle->setValue(s.alphaDegrees);
    m_substance->setCurrentIndex(int(m_model.substance()));
    m_index->setValue(s.index);
    m_beam->setCurrentIndex(s.beam == BeamShape::Hard ? 0 : 1);
    m_waistSlider->setValue(int(std::lround(s.waistTwips)));
    m_waist->setValue(int(std::lround(s.waistTwips)));
    m_waistSlider->setEnabled(s.beam == BeamShape::Gaussian);
    m_waist->setEnabled(s.beam == BeamShape::Gaussian);
    m_step->setCurrentIndex(s.stepTwips < explore::mainWindowStep ? 0 : 1);
    m_arrows->setCurrentIndex(s.arrows == ArrowKind::Exact ? 0 : 1);
    m_block->setChecked(s.secondBlock);
    m_gap->setValue(int(std::lround(m_model.gapInDepths() * gapSteps)));
    m_gap->setEnabled(s.secondBlock);
    m_index2->setValue(s.index2);
    m_index2->setEnabled(s.secondBlock);

    const QLocale locale;
    const auto number = [&locale](double value, int decimals) {
        return locale.toString(value, 'f', decimals);
    };
    const ExploreReadouts r = m_model.readouts();
    QStringList lines;
    lines << (r.criticalAngle ? tr("Mezní úhel θc = %1°").arg(number(*r.criticalAngle, 2))
                              : tr("Mezní úhel: žádný (n = 1)"));
    lines << tr("Brewsterův úhel θB = %1°").arg(number(r.brewsterAngle, 2));
    if (r.depthTwips) {
        lines << tr("Hloubka průniku d = %1 twipu = %2 λ₀")
                     .arg(number(*r.depthTwips, 3), number(*r.depthWavelengths, 3));
    } else {
        lines << tr("Pod mezním úhlem: světlo se láme do vzduchu, d není.");
    }
    lines << tr("Odrazivost R: s %1 %, p %2 %")
                 .arg(number(r.reflectanceS, 1), number(r.reflectanceP, 1));
    lines << tr("Propustnost T: s %1 %, p %2 %")
                 .arg(number(r.transmittanceS, 1), number(r.transmittanceP, 1));
    if (r.gapTransmissionS) {
        lines << tr("Mezera %1 twipu propustí: s %2 %, p %3 %")
                     .arg(number(m_model.gapTwips(), 3), number(*r.gapTransmissionS, 2),
                          number(*r.gapTransmissionP, 2));
    }
    m_readouts->setText(lines.join(QLatin1Char('\n')));
}

std::optional<QString> ExploreWindow::saveTable(const QString& path) const
{
    return writeWhole({{path, QByteArray::fromStdString(m_model.csv())}});
}

void ExploreWindow::saveTableAsked()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Uložit tabulku"), QDir::home().filePath(QStringLiteral("zkoumani.csv")),
        tr("Tabulka CSV (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto failure = saveTable(path)) {
        QMessageBox::warning(this, windowTitle(), *failure);
    }
}

void ExploreWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void ExploreWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}
