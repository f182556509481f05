// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorksheetWindow.h"

#include "FilterEnding.h"
#include "WholeFiles.h"
#include "WorksheetDocument.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QVBoxLayout>

WorksheetWindow::WorksheetWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("pracovníList"));
    setWindowTitle(tr("Brontel: pracovní list"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    auto* sheet = new QRadioButton(tr("List pro žáky"), this);
    auto* key = new QRadioButton(tr("Klíč pro učitele"), this);
    group->addButton(sheet, int(WorksheetPart::Sheet));
    group->addButton(key, int(WorksheetPart::Key));
    sheet->setChecked(true);
    row->addWidget(sheet);
    row->addWidget(key);
    row->addStretch();
    auto* printButton = new QPushButton(tr("Tisknout…"), this);
    auto* pdfButton = new QPushButton(tr("Uložit jako PDF…"), this);
    row->addWidget(printButton);
    row->addWidget(pdfButton);
    layout->addLayout(row);
    m_preview = new QTextBrowser(this);
    m_preview->setAccessibleName(tr("Náhled pracovního listu"));
    layout->addWidget(m_preview, 1);
    resize(720, 820);

    connect(group, &QButtonGroup::idClicked, this, [this](int id) { showPart(WorksheetPart(id)); });
    connect(printButton, &QPushButton::clicked, this, &WorksheetWindow::print);
    connect(pdfButton, &QPushButton::clicked, this, &WorksheetWindow::savePdf);
    showPart(WorksheetPart::Sheet);
}

void WorksheetWindow::showPart(WorksheetPart part)
{
    m_part = part;
    m_preview->setHtml(WorksheetDocument(part).html());
}

void WorksheetWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Brontel"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && WorksheetDocument(m_part).printOn(printer) == 0) {
        QMessageBox::warning(this, QStringLiteral("Brontel"), tr("Pracovní list se nevytiskl."));
    }
}

void WorksheetWindow::savePdf()
{
    const QString pdf = tr("Dokument PDF (*.pdf)");
    const QString name = m_part == WorksheetPart::Key ? QStringLiteral("brontel-klic.pdf")
                                                      : QStringLiteral("brontel-list.pdf");
    QString filter = pdf;
    QString path = QFileDialog::getSaveFileName(this, tr("Uložit pracovní list"),
                                                QDir(m_lastFolder).filePath(name), pdf, &filter);
    if (path.isEmpty()) {
        return;
    }
    path = withFilterEnding(path, filter, {pdf});
    if (const auto failure = writeWhole({{path, WorksheetDocument(m_part).pdf()}})) {
        QMessageBox::warning(this, QStringLiteral("Brontel"), *failure);
    } else {
        m_lastFolder = QFileInfo(path).absolutePath();
    }
}
