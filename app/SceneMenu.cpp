// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SceneMenu.h"

#include "Brontel.h"
#include "CommandLine.h"
#include "CurvesCsv.h"
#include "PictureClipboard.h"
#include "ScenePicture.h"
#include "WholeFiles.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

SceneMenu::SceneMenu(Brontel& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("sceneMenu"));
    m_menu = new QMenu(&window);
    m_menu->setObjectName(QStringLiteral("sceneContextMenu"));

    const auto action = [this](const QString& text, const QKeySequence& keys, auto slot) {
        auto* a = new QAction(text, this);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        m_menu->addAction(a);
        return a;
    };
    m_copy = action(QStringLiteral("Kopírovat obrázek"), QKeySequence::Copy, &SceneMenu::copy);
    m_savePicture = action(QStringLiteral("Uložit obrázek…"),
                           QKeySequence(QStringLiteral("Ctrl+S")), &SceneMenu::savePicture);
    m_saveCurves = action(QStringLiteral("Uložit křivky jako CSV…"),
                          QKeySequence(QStringLiteral("Ctrl+E")), &SceneMenu::saveCurves);
    m_print =
        action(QStringLiteral("Tisk…"), QKeySequence(QStringLiteral("Ctrl+P")), &SceneMenu::print);
    // Ctrl+C is watched by the clipboard itself, which leaves selected text to its text box;
    // the others are shortcuts of the whole window.
    for (QAction* a : {m_savePicture, m_saveCurves, m_print}) {
        a->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(a);
    }
    connect(&m_window, &Brontel::runEnded, this, &SceneMenu::refresh);
    refresh();
    m_window.installEventFilter(this);
}

QMenu* SceneMenu::menu()
{
    refresh();
    return m_menu;
}

void SceneMenu::refresh()
{
    m_saveCurves->setEnabled(m_window.lastCurves().has_value());
}

bool SceneMenu::eventFilter(QObject* receiver, QEvent* event)
{
    if (receiver == &m_window && event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        menu()->popup(request->globalPos());
        return true;
    }
    return false;
}

void SceneMenu::copy()
{
    if (auto* clipboard = m_window.findChild<PictureClipboard*>()) {
        clipboard->copy();
    }
}

void SceneMenu::reportFailure(const QString& message)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brontel"), message, QMessageBox::Ok,
                    &m_window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void SceneMenu::savePicture()
{
    const QString png = QStringLiteral("Obrázek PNG (*.png)");
    const QString svg = QStringLiteral("Vektorový obrázek SVG (*.svg)");
    const QString pdf = QStringLiteral("Dokument PDF (*.pdf)");
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(
        &m_window, QStringLiteral("Uložit obrázek"), QStringLiteral("brontel.png"),
        QStringList{png, svg, pdf}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) {
        return;
    }
    if (!pictureFormatOf(path)) {
        path += filter == svg   ? QStringLiteral(".svg")
                : filter == pdf ? QStringLiteral(".pdf")
                                : QStringLiteral(".png");
    }
    const ScenePicture scene(m_window);
    QByteArray bytes;
    switch (*pictureFormatOf(path)) {
    case PictureFormat::Png: {
        const QStringList scales{QStringLiteral("1×"), QStringLiteral("2×"), QStringLiteral("4×")};
        bool chosen = false;
        const QString scale =
            QInputDialog::getItem(&m_window, QStringLiteral("Uložit obrázek"),
                                  QStringLiteral("Velikost obrázku (násobek velikosti v okně):"),
                                  scales, 1, false, &chosen);
        if (!chosen) {
            return;
        }
        bytes = scene.png(double(1 << scales.indexOf(scale)));
        break;
    }
    case PictureFormat::Svg:
        bytes = scene.svg();
        break;
    case PictureFormat::Pdf:
        bytes = scene.pdf();
        break;
    }
    if (const auto failure = writeWhole({{path, bytes}})) {
        reportFailure(*failure);
    }
}

void SceneMenu::saveCurves()
{
    if (!m_window.lastCurves()) {
        return;
    }
    QString path = QFileDialog::getSaveFileName(&m_window, QStringLiteral("Uložit křivky"),
                                                QStringLiteral("brontel.csv"),
                                                QStringLiteral("Tabulka CSV (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".csv");
    }
    const QByteArray csv = QByteArray::fromStdString(curvesCsv(*m_window.lastCurves()));
    if (const auto failure = writeWhole({{path, csv}})) {
        reportFailure(*failure);
    }
}

void SceneMenu::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Brontel"));
    QPrintDialog dialog(&printer, &m_window);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const ScenePicture scene(m_window);
    QPainter painter(&printer);
    // The scene on one page, as large as fits, centred.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF size = scene.size();
    const double fit = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate((page.width() - size.width() * fit) / 2,
                      (page.height() - size.height() * fit) / 2);
    painter.scale(fit, fit);
    scene.paintVectors(painter);
}
