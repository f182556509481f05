// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SceneMenu.h"

#include "Brontel.h"
#include "CurvesCsv.h"
#include "CurvesFormat.h"
#include "ExploreSwitch.h"
#include "FilterEnding.h"
#include "HelpWindow.h"
#include "HomePage.h"
#include "LessonActions.h"
#include "OverlaySwitch.h"
#include "PictureClipboard.h"
#include "PictureSurface.h"
#include "ScenePicture.h"
#include "SettingsFile.h"
#include "TeachingOverlayLayer.h"
#include "WholeFiles.h"
#include "WindowModel.h"
#include "WindowSizeKeys.h"

#include <QAction>
#include <QActionGroup>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>

SceneMenu::SceneMenu(Brontel& window, PictureClipboard& clipboard, WindowSizeKeys& sizeKeys)
    : QObject(&window), m_window(window), m_clipboard(clipboard)
{
    setObjectName(QStringLiteral("sceneMenu"));
    m_menu = new QMenu(&window);
    m_menu->setObjectName(QStringLiteral("sceneContextMenu"));

    // Every action with keys is also the window's, so the keys work without the menu open.
    const auto action = [this](const QKeySequence& keys, auto slot) {
        auto* a = new QAction(this);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        m_menu->addAction(a);
        if (!keys.isEmpty()) {
            a->setShortcutContext(Qt::WindowShortcut);
            m_window.addAction(a);
        }
        return a;
    };
    m_copy = m_clipboard.copyAction();
    m_menu->addAction(m_copy);
    m_savePicture = action(QKeySequence::Save, &SceneMenu::savePicture);
    m_saveCurves = action(QKeySequence(Qt::CTRL | Qt::Key_E), &SceneMenu::saveCurves);
    m_print = action(QKeySequence::Print, &SceneMenu::print);
    m_menu->addSeparator();
    m_menu->addActions({sizeKeys.fullScreenAction(), sizeKeys.largerAction(),
                        sizeKeys.smallerAction(), sizeKeys.designSizeAction()});
    m_menu->addSeparator();
    m_overlaySwitch = new OverlaySwitch(window);
    m_overlay = new QAction(this);
    m_overlay->setObjectName(QStringLiteral("overlayAction"));
    m_overlay->setCheckable(true);
    m_overlay->setChecked(m_overlaySwitch->isOn());
    connect(m_overlay, &QAction::toggled, m_overlaySwitch, &OverlaySwitch::setOn);
    m_menu->addAction(m_overlay);
    m_explore = new ExploreSwitch(window);
    m_menu->addAction(m_explore->action());
    m_menu->addSeparator();
    m_lesson = new LessonActions(window);
    m_menu->addActions(m_lesson->actions());
    m_menu->addSeparator();
    m_help = action(QKeySequence::HelpContents, &SceneMenu::showHelp);
    m_about = action(QKeySequence(), &SceneMenu::showAbout);
    m_menu->addSeparator();

    // Each language named in its own words, so that either reader finds the way back.
    m_languageMenu = m_menu->addMenu(QStringLiteral("Jazyk / Language"));
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    auto* languages = new QActionGroup(this);
    const auto language = [this, languages](const QString& name, Language value) {
        auto* a = new QAction(name, languages);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, value] { chooseLanguage(value); });
        m_languageMenu->addAction(a);
        return a;
    };
    m_czech = language(QStringLiteral("Čeština"), Language::Czech);
    m_english = language(QStringLiteral("English"), Language::English);

    // A right click, or the Menu key (the desktop turns it into the same request at the focus).
    m_window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_window, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu()->popup(m_window.mapToGlobal(at)); });
    connect(&m_window, &Brontel::runEnded, this, &SceneMenu::refresh);
    retranslate();
    refresh();
    m_window.installEventFilter(this);
}

QAction* SceneMenu::languageAction(Language language) const
{
    return language == Language::English ? m_english : m_czech;
}

void SceneMenu::retranslate()
{
    m_copy->setText(tr("Kopírovat obrázek"));
    m_savePicture->setText(tr("Uložit obrázek…"));
    m_saveCurves->setText(tr("Uložit křivky jako CSV…"));
    m_print->setText(tr("Tisk…"));
    m_overlay->setText(tr("Výukové popisky v obrázku"));
    m_explore->retranslate();
    m_lesson->retranslate();
    m_help->setText(tr("Nápověda"));
    m_about->setText(tr("O programu"));
    languageAction(currentLanguage())->setChecked(true);
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
    if (receiver == &m_window && event->type() == QEvent::LanguageChange) {
        retranslate();
        return false;
    }
    return false;
}

QString SceneMenu::suggestedPath(const QString& fileName) const
{
    // The folder of the last file saved, or the user's documents rather than wherever the
    // program happened to be started from.
    QString folder = m_lastFolder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        // The documents folder is named even where it was never made.
        if (folder.isEmpty() || !QDir(folder).exists()) {
            folder = QDir::homePath();
        }
    }
    return folder.isEmpty() ? fileName : QDir(folder).filePath(fileName);
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
    const QString png = tr("Obrázek PNG (*.png)");
    const QString svg = tr("Vektorový obrázek SVG (*.svg)");
    const QString pdf = tr("Dokument PDF (*.pdf)");
    const QStringList filters{png, svg, pdf};
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(&m_window, tr("Uložit obrázek"),
                                                suggestedPath(QStringLiteral("brontel.png")),
                                                filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) {
        return;
    }
    path = withFilterEnding(path, filter, filters);
    // Every filter names its ending; PNG should a translation ever lose one.
    const PictureFormat format = pictureFormatOf(path).value_or(PictureFormat::Png);
    const ScenePicture scene = sceneOf(m_window);
    double scale = 1;
    if (format == PictureFormat::Png) {
        const QList<PictureSize> sizes = pictureSizes(scene);
        QStringList texts;
        for (const PictureSize& size : sizes) {
            texts << size.text;
        }
        bool chosen = false;
        const QString picked = QInputDialog::getItem(
            &m_window, tr("Uložit obrázek"), tr("Velikost obrázku:"), texts, 1, false, &chosen);
        if (!chosen) {
            return;
        }
        scale = sizes.value(texts.indexOf(picked), sizes.value(1)).scale;
    }
    const QByteArray bytes = scene.file(format, scale);
    if (const auto failure = writeWhole({{path, bytes}})) {
        reportFailure(*failure);
    } else {
        m_lastFolder = QFileInfo(path).absolutePath();
    }
}

void SceneMenu::saveCurves()
{
    if (!m_window.lastCurves()) {
        return;
    }
    const QString standard = tr("Tabulka CSV (*.csv)");
    //: A file type in the save dialog: CSV that a spreadsheet in the user's locale opens by
    //: double click (semicolons between columns, the locale's decimal comma).
    const QString forSpreadsheets = tr("CSV pro tabulkové procesory (*.csv)");
    QString chosenFilter = standard;
    QString path = QFileDialog::getSaveFileName(
        &m_window, tr("Uložit křivky"), suggestedPath(QStringLiteral("brontel.csv")),
        standard + QStringLiteral(";;") + forSpreadsheets, &chosenFilter);
    if (path.isEmpty()) {
        return;
    }
    path = withFilterEnding(path, chosenFilter, {standard, forSpreadsheets});
    const CurvesFormat format =
        chosenFilter == forSpreadsheets ? CurvesFormat::Locale : CurvesFormat::Standard;
    const QByteArray csv =
        QByteArray::fromStdString(curvesCsv(*m_window.lastCurves(), csvSeparators(format)));
    if (const auto failure = writeWhole({{path, csv}})) {
        reportFailure(*failure);
    } else {
        m_lastFolder = QFileInfo(path).absolutePath();
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
    if (const auto failure = printOn(printer)) {
        reportFailure(*failure);
    }
}

namespace {
// The scene on one page of device, as large as fits, centred.
bool paintPage(QPaintDevice& device, const QPageLayout& layout, int resolution,
               const ScenePicture& scene)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRectF page = layout.paintRectPixels(resolution);
    const QSizeF size = scene.size();
    const double fit = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate((page.width() - size.width() * fit) / 2,
                      (page.height() - size.height() * fit) / 2);
    painter.scale(fit, fit);
    return scene.paintVectors(painter) && painter.end();
}
} // namespace

std::optional<QString> SceneMenu::printOn(QPrinter& printer) const
{
    const ScenePicture scene = sceneOf(m_window);
    const QString file = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || file.isEmpty()) {
        if (!paintPage(printer, printer.pageLayout(), printer.resolution(), scene)) {
            return tr("Obrázek se nepodařilo vytisknout.");
        }
        return std::nullopt;
    }
    // A PDF file is made in memory first, then written as any saved file is.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Brontel"));
    writer.setTitle(printer.docName());
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    if (!paintPage(writer, printer.pageLayout(), printer.resolution(), scene)) {
        bytes.clear();
    }
    return writeWhole({{file, bytes}});
}

ScenePicture SceneMenu::sceneOf(const Brontel& window)
{
    ScenePicture picture(window.model(), window.picture().drawing());
    // The teaching overlay goes with the picture when it is on.
    if (const auto* overlay = window.findChild<TeachingOverlayLayer*>();
        overlay != nullptr && !overlay->isHidden()) {
        picture.setOverlay(overlay->picture());
    }
    // The prediction too, when the user asked for it.
    if (const auto* lesson = window.findChild<LessonActions*>();
        lesson != nullptr && lesson->prediction().inExports() && !lesson->prediction().empty()) {
        DrawingList sketch;
        lesson->prediction().draw(sketch);
        picture.setPrediction(std::move(sketch));
    }
    return picture;
}

void SceneMenu::showHelp()
{
    // The settings chosen now, which the next run will show.
    HelpWindow::showFor(m_window, m_window.model().chosenSettings());
}

QList<SceneMenu::PictureSize> SceneMenu::pictureSizes(const ScenePicture& scene)
{
    QList<PictureSize> sizes;
    for (const int scale : {1, 2, 4}) {
        const QSize pixels = (scene.size() * scale).toSize();
        //: A choice of the saved picture's size: the scale, then its width and height in pixels.
        sizes.append(
            {scale,
             tr("%1× (%2 × %3 pixelů)").arg(scale).arg(pixels.width()).arg(pixels.height())});
    }
    return sizes;
}

QString SceneMenu::aboutText()
{
    QString text = tr("<h3>Brontel %1</h3>"
                      "<p>Úplný odraz světla na hladině vody nebo skla, sečtený z amplitud všech "
                      "drah.</p>"
                      "<p>Licence: GNU General Public License, verze 3 nebo novější "
                      "(GPL-3.0-or-later).</p>")
                       .arg(QCoreApplication::applicationVersion().toHtmlEscaped());
    // Only a copy built with a home page names one.
    if (const QString address = QString::fromUtf8(homepage::address); !address.isEmpty()) {
        //: %1 is the program's home page.
        text += tr("<p>Domovská stránka: <a href=\"%1\">%1</a></p>").arg(address.toHtmlEscaped());
    }
    return text;
}

void SceneMenu::showAbout()
{
    QMessageBox::about(&m_window, tr("O programu"), aboutText());
}

void SceneMenu::chooseLanguage(Language language)
{
    if (!installLanguage(language)) {
        reportFailure(tr("Překlad rozhraní se nepodařilo načíst."));
        installLanguage(Language::Czech);
    }
    // The choice is remembered where the window's place is kept.
    if (QSettings settings; settingsWritable(settings)) {
        writeLanguage(settings, currentLanguage());
    }
    retranslate(); // the check mark follows what is in force, also when nothing changed
}
