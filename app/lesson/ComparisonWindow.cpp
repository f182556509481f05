// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ComparisonWindow.h"

#include "ChartPicture.h"
#include "ComparisonCsv.h"
#include "CurvesFormat.h"
#include "FilterEnding.h"
#include "PictureRenderer.h"
#include "WholeFiles.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace {
// The chart, as large as the window lets it be, its proportions kept.
class ChartView : public QWidget
{
public:
    explicit ChartView(const RunComparison& comparison, QWidget* parent)
        : QWidget(parent), m_comparison(comparison)
    {
        setMinimumSize((ChartPicture::size() * 0.75).toSize());
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAccessibleName(tr("Graf srovnání běhů"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const QSizeF chart = ChartPicture::size();
        const double factor = std::min(width() / chart.width(), height() / chart.height());
        painter.translate((width() - chart.width() * factor) / 2, 0);
        ChartPicture(m_comparison.chart(), m_comparison.runs()).paint(painter, factor);
    }

private:
    const RunComparison& m_comparison;
};

QPixmap sampleOf(int run)
{
    const RunStyle style = ComparisonChart::style(run);
    QPixmap sample(40, 12);
    sample.fill(Qt::white);
    QPainter painter(&sample);
    QPen pen(toQColor(style.colour), 2);
    if (style.dashes.count > 0) {
        QList<qreal> pattern;
        for (int k = 0; k < style.dashes.count; ++k) {
            pattern << std::max(0.1, style.dashes.lengths[k] / 15 / 2);
        }
        pen.setDashPattern(pattern);
    }
    painter.setPen(pen);
    painter.drawLine(2, 6, 38, 6);
    return sample;
}
} // namespace

ComparisonWindow::ComparisonWindow(RunComparison& comparison, QWidget* parent)
    : QWidget(parent, Qt::Window), m_comparison(comparison)
{
    setObjectName(QStringLiteral("srovnání"));
    setWindowTitle(tr("Brontel: srovnání běhů"));
    auto* layout = new QVBoxLayout(this);

    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(new QLabel(tr("Stupnice:"), this));
    m_scale = new QButtonGroup(this);
    auto* linear = new QRadioButton(tr("lineární"), this);
    auto* logarithmic = new QRadioButton(tr("logaritmická"), this);
    m_scale->addButton(linear, int(ChartScale::Linear));
    m_scale->addButton(logarithmic, int(ChartScale::Logarithmic));
    scaleRow->addWidget(linear);
    scaleRow->addWidget(logarithmic);
    scaleRow->addStretch();
    auto* savePictureButton = new QPushButton(tr("Uložit obrázek…"), this);
    auto* saveTableButton = new QPushButton(tr("Uložit tabulku…"), this);
    scaleRow->addWidget(savePictureButton);
    scaleRow->addWidget(saveTableButton);
    layout->addLayout(scaleRow);

    m_runList = new QVBoxLayout;
    layout->addLayout(m_runList);
    m_empty = new QLabel(tr("Zatím není ponechán žádný běh. Po skončení běhu zvolte v nabídce "
                            "obrázku „Ponechat běh“ (klávesa K); srovnat lze až čtyři běhy."),
                         this);
    m_empty->setWordWrap(true);
    layout->addWidget(m_empty);

    m_chart = new ChartView(m_comparison, this);
    layout->addWidget(m_chart, 1);

    connect(m_scale, &QButtonGroup::idClicked, this,
            [this](int id) { m_comparison.setScale(ChartScale(id)); });
    connect(savePictureButton, &QPushButton::clicked, this, &ComparisonWindow::savePicture);
    connect(saveTableButton, &QPushButton::clicked, this, &ComparisonWindow::saveTable);
    new QShortcut(QKeySequence::Save, this, this, &ComparisonWindow::savePicture);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this, this, &ComparisonWindow::saveTable);

    m_comparison.subscribe([this] { showModel(); });
    showModel();
}

void ComparisonWindow::showModel()
{
    m_scale->button(int(m_comparison.scale()))->setChecked(true);
    while (QLayoutItem* item = m_runList->takeAt(0)) {
        if (QLayout* row = item->layout()) {
            while (QLayoutItem* inner = row->takeAt(0)) {
                delete inner->widget();
                delete inner;
            }
        }
        delete item;
    }
    const auto& runs = m_comparison.runs();
    for (int k = 0; k < int(runs.size()); ++k) {
        auto* row = new QHBoxLayout;
        auto* sample = new QLabel(this);
        sample->setPixmap(sampleOf(k));
        auto* name = new QLabel(ChartPicture::describe(runs[k]), this);
        auto* drop = new QPushButton(tr("Odebrat"), this);
        drop->setAccessibleName(tr("Odebrat běh: %1").arg(name->text()));
        connect(drop, &QPushButton::clicked, this, [this, k] { m_comparison.drop(k); });
        row->addWidget(sample);
        row->addWidget(name, 1);
        row->addWidget(drop);
        m_runList->addLayout(row);
    }
    m_empty->setVisible(runs.empty());
    m_chart->update();
}

void ComparisonWindow::saveAs(const QString& title, const QString& name, const QStringList& filters,
                              const BytesFor& bytesFor)
{
    QString filter = filters.front();
    QString path = QFileDialog::getSaveFileName(this, title, QDir(m_lastFolder).filePath(name),
                                                filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) {
        return;
    }
    path = withFilterEnding(path, filter, filters);
    const std::optional<QByteArray> bytes = bytesFor(path, filter);
    if (!bytes) {
        return; // the user changed their mind
    }
    if (const auto failure = writeWhole({{path, *bytes}})) {
        QMessageBox::warning(this, QStringLiteral("Brontel"), *failure);
    } else {
        m_lastFolder = QFileInfo(path).absolutePath();
    }
}

void ComparisonWindow::savePicture()
{
    const QString title = tr("Uložit srovnání jako obrázek");
    saveAs(title, QStringLiteral("brontel-srovnani.png"),
           {tr("Obrázek PNG (*.png)"), tr("Vektorový obrázek SVG (*.svg)")},
           [this, title](const QString& path, const QString&) -> std::optional<QByteArray> {
               const ChartPicture chart(m_comparison.chart(), m_comparison.runs());
               if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
                   return chart.svg();
               }
               const QStringList sizes{QStringLiteral("1×"), QStringLiteral("2×"),
                                       QStringLiteral("4×")};
               bool chosen = false;
               const QString picked = QInputDialog::getItem(this, title, tr("Velikost obrázku:"),
                                                            sizes, 1, false, &chosen);
               if (!chosen) {
                   return std::nullopt;
               }
               return chart.png(double(1 << sizes.indexOf(picked)));
           });
}

void ComparisonWindow::saveTable()
{
    const QString forSpreadsheets = tr("CSV pro tabulkové procesory (*.csv)");
    saveAs(tr("Uložit tabulku srovnání"), QStringLiteral("brontel-srovnani.csv"),
           {tr("Tabulka CSV (*.csv)"), forSpreadsheets},
           [this, forSpreadsheets](const QString&, const QString& filter) {
               const CurvesFormat format =
                   filter == forSpreadsheets ? CurvesFormat::Locale : CurvesFormat::Standard;
               return std::optional(QByteArray::fromStdString(
                   comparisonCsv(m_comparison.runs(), csvSeparators(format))));
           });
}
