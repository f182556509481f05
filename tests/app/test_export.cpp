// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scene leaving the window: the vector file drawn back by Qt's own SVG renderer looks like
// the picture rendered as pixels, files are written whole or not at all, and the menu offers
// the curves only once there are some; a name without an ending gets the chosen filter's, and
// a print fills the page as far as it can, centred, in the picture's own proportions.

#include "Brontel.h"
#include "CaptionMetrics.h"
#include "ControlLook.h"
#include "FilterEnding.h"
#include "PictureSurface.h"
#include "RunWait.h"
#include "SceneMenu.h"
#include "ScenePicture.h"
#include "WholeFiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <optional>

namespace {
// The menu's entries as the user reads them: each text and its keys.
QStringList menuTexts(SceneMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.menu()->actions()) {
        texts << action->text() + QLatin1Char(' ') + action->shortcut().toString();
    }
    return texts;
}

ScenePicture sceneOf(const Brontel& window)
{
    return {window.model(), window.picture().drawing()};
}

// How alike two pictures of the same size are: the share of 8 x 8 blocks whose mean grey
// levels lie within 24 of each other. Text and antialiasing move single pixels; a missing or
// misplaced shape changes whole blocks.
double likeness(const QImage& a, const QImage& b)
{
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    int alike = 0;
    int blocks = 0;
    for (int y = 0; y + 8 <= ga.height(); y += 8) {
        for (int x = 0; x + 8 <= ga.width(); x += 8) {
            int sumA = 0;
            int sumB = 0;
            for (int dy = 0; dy < 8; ++dy) {
                for (int dx = 0; dx < 8; ++dx) {
                    sumA += ga.constScanLine(y + dy)[x + dx];
                    sumB += gb.constScanLine(y + dy)[x + dx];
                }
            }
            alike += std::abs(sumA - sumB) / 64 <= 24 ? 1 : 0;
            ++blocks;
        }
    }
    return double(alike) / blocks;
}

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first filled rectangle of a PDF written by Qt: its size as drawn, and where it lands on
// the page, in points from the page's top left corner. Qt's PDF engine writes a page's drawing
// as one deflated stream that opens with the page's matrix ("a 0 0 d e f cm", device pixels to
// points, y upwards) and draws each filled rectangle under a matrix of its own:
// "a 0 0 d e f cm" then "x y w h re" and "f".
struct PdfRectangle
{
    QSizeF drawn;
    QRectF onPage;
};

std::optional<PdfRectangle> pdfGround(const QByteArray& pdf)
{
    const QRegularExpression mediaBox(QStringLiteral(R"(/MediaBox \[0 0 (\S+) (\S+)\])"));
    const auto box = mediaBox.match(QString::fromLatin1(pdf));
    if (!box.hasMatch()) {
        return std::nullopt;
    }
    const double pageHeight = box.captured(2).toDouble();
    const QString number = QStringLiteral(R"((-?[\d.]+))");
    const QRegularExpression matrix(QStringLiteral("%1 0 0 %1 %1 %1 cm\n").arg(number));
    const QRegularExpression filled(
        QStringLiteral("%1 0 0 %1 %1 %1 cm\n%1 %1 %1 %1 re\nf\n").arg(number));
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream\n", at)) >= 0) {
        at += 7;
        const qsizetype end = pdf.indexOf("endstream", at);
        if (end < 0) {
            break;
        }
        // qUncompress wants the zlib data after a guess at its length, which it outgrows.
        QByteArray packed = pdf.mid(at, end - at);
        const quint32 guess = quint32(packed.size()) * 8;
        packed.prepend(char(guess & 0xff)).prepend(char((guess >> 8) & 0xff));
        packed.prepend(char((guess >> 16) & 0xff)).prepend(char(guess >> 24));
        const QString content = QString::fromLatin1(qUncompress(packed));
        const auto page = matrix.match(content);
        const auto fill = filled.match(content);
        if (!page.hasMatch() || !fill.hasMatch()) {
            continue;
        }
        const auto value = [](const QRegularExpressionMatch& m, int i) {
            return m.captured(i).toDouble();
        };
        // Through the rectangle's matrix, then the page's, into points with y upwards.
        const auto toPage = [&](double x, double y) {
            const double deviceX = value(fill, 1) * x + value(fill, 3);
            const double deviceY = value(fill, 2) * y + value(fill, 4);
            return QPointF(value(page, 1) * deviceX + value(page, 3),
                           pageHeight - (value(page, 2) * deviceY + value(page, 4)));
        };
        const double x = value(fill, 5);
        const double y = value(fill, 6);
        const double width = value(fill, 7);
        const double height = value(fill, 8);
        return PdfRectangle{{width, height},
                            QRectF(toPage(x, y), toPage(x + width, y + height)).normalized()};
    }
    return std::nullopt;
}
} // namespace

class TestExport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }
    void svgLooksLikeThePng_data();
    void svgIsThePaintersFile_data();
    void svgIsThePaintersFile();
    void captionsMeasureAsTheWindowsFonts();
    void svgLooksLikeThePng();
    void sceneIsTheSameAtAnyWindowSize();
    void failedWriteLeavesEarlierFilesIntact();
    void curvesOnlyAfterARun();
    void saveDialogOpensAtHomeWithoutDocuments();
    void endingFollowsTheChosenFilter_data();
    void endingFollowsTheChosenFilter();
    void printFitsThePage_data();
    void printFitsThePage();
    void pictureSizesNameTheFilesPixels();
    void exportShowsItsRunNotTheChoicesSince();
    void menuOffersTheWindowsSize();
    void contextMenuOpens_data();
    void contextMenuOpens();
};

void TestExport::svgLooksLikeThePng_data()
{
    QTest::addColumn<bool>("afterRun");
    QTest::newRow("empty scene") << false;
    QTest::newRow("after the start-up run") << true;
}

void TestExport::svgLooksLikeThePng()
{
    QFETCH(bool, afterRun);
    Brontel w(Countdown(0));
    w.load();
    if (afterRun) {
        w.control<QPushButton>(Control::cmdStart)->click();
        QVERIFY(waitForRunEnd(w));
    }
    const ScenePicture scene = sceneOf(w);
    const QImage pixels = scene.image(1).convertToFormat(QImage::Format_RGB32);

    QSvgRenderer renderer(scene.svg());
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBoxF().size(), QSizeF(pixels.size()));
    QImage drawnBack(pixels.size(), QImage::Format_RGB32);
    drawnBack.fill(Qt::white);
    QPainter painter(&drawnBack);
    renderer.render(&painter);
    painter.end();

    const double alike = likeness(pixels, drawnBack);
    QVERIFY2(alike > 0.97, qPrintable(QString::number(alike)));
    if (afterRun) {
        // Not alike by being empty: the run's black curves and wedge are there in both.
        QVERIFY(likeness(pixels, sceneOf(w).image(1)) == 1.0);
        QImage blank = pixels;
        blank.fill(QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(likeness(drawnBack, blank) < 0.9);
    }
}

void TestExport::svgIsThePaintersFile_data()
{
    QTest::addColumn<Control>("substance");
    QTest::addColumn<Control>("angle");
    QTest::addColumn<Control>("distance");
    QTest::addColumn<bool>("run");
    QTest::addColumn<bool>("sketch");
    QTest::newRow("empty scene") << Control::opVoda << Control::opMenší
                                 << Control::opStředníDistance << false << false;
    QTest::newRow("water 35 750") << Control::opVoda << Control::opMenší
                                  << Control::opStředníDistance << true << false;
    QTest::newRow("glass critical 100")
        << Control::opSklo << Control::opMezní << Control::opMaláDistance << true << false;
    QTest::newRow("water 60 1500, a sketch over it")
        << Control::opVoda << Control::opVětší << Control::opVelkáDistance << true << true;
    QTest::newRow("glass 60 100, a sketch before the run")
        << Control::opSklo << Control::opVětší << Control::opMaláDistance << false << true;
}

// The SVG written without Qt is, byte for byte, the file Qt's generator writes through the
// painter from the same scene: groups, numbers, captions and their places, the settings line.
void TestExport::svgIsThePaintersFile()
{
    QFETCH(Control, substance);
    QFETCH(Control, angle);
    QFETCH(Control, distance);
    QFETCH(bool, run);
    QFETCH(bool, sketch);
    Brontel w(Countdown(0));
    w.load();
    for (const Control option : {substance, angle, distance}) {
        w.control<QAbstractButton>(option)->click();
    }
    if (run) {
        w.control<QPushButton>(Control::cmdStart)->click();
        QVERIFY(waitForRunEnd(w));
    }
    ScenePicture scene = sceneOf(w);
    if (sketch) {
        DrawingList lines;
        lines.setForeColour(0x00FF0000);
        lines.setDrawWidth(2);
        lines.line(4000, 1000.5F, 6000, 2000.25F);
        lines.line(6000, 2000.25F, 9000, 1500);
        lines.circle(7000, 3000, 37.5F);
        scene.setPrediction(lines);
    }
    const QByteArray svg = scene.svg();
    QVERIFY(svg.size() > 1000);
    QCOMPARE(svg, scene.svgThroughPainter());
}

// The widths the SVG writer centres and right-aligns captions by are the window's fonts' own.
void TestExport::captionsMeasureAsTheWindowsFonts()
{
    for (const MeasuredCaption& c : measuredCaptions) {
        const double points = c.pixelSize * 72.0 / 96.0;
        QFont font = look::serifBold(points);
        font.setPixelSize(c.pixelSize);
        const QFontMetricsF metrics(font);
        const QString text = QString::fromUtf8(c.text.data(), qsizetype(c.text.size()));
        QCOMPARE(std::lround(metrics.horizontalAdvance(text) * 64), c.advance);
        const FontMetrics64 table = serifBoldMetrics(c.pixelSize);
        QCOMPARE(std::lround(metrics.ascent() * 64), table.ascent);
        QCOMPARE(std::lround(metrics.descent() * 64), table.descent);
    }
    QFont sans(QStringLiteral("Liberation Sans"));
    sans.setPixelSize(13);
    const QFontMetricsF metrics(sans);
    QCOMPARE(std::lround(metrics.ascent() * 64), sansMetrics(13).ascent);
    QCOMPARE(std::lround(metrics.descent() * 64), sansMetrics(13).descent);
}

void TestExport::sceneIsTheSameAtAnyWindowSize()
{
    Brontel designSize(Countdown(0));
    designSize.load();
    designSize.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(designSize));
    Brontel enlarged(Countdown(0));
    enlarged.load();
    enlarged.show();
    enlarged.resize(designSize.size() * 1.5);
    QVERIFY(QTest::qWaitForWindowExposed(&enlarged));
    QTRY_COMPARE(enlarged.factor(), 1.5);
    enlarged.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(enlarged));
    // Fonts, places and the picture are the design's, not the window's.
    QCOMPARE(sceneOf(enlarged).image(2), sceneOf(designSize).image(2));
}

void TestExport::failedWriteLeavesEarlierFilesIntact()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString kept = dir.filePath(QStringLiteral("curves.csv"));
    {
        QFile earlier(kept);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier\n");
    }
    const QString impossible = dir.filePath(QStringLiteral("vanished/picture.svg"));
    const auto failure =
        writeWhole({{kept, QByteArray("new curves\n")}, {impossible, QByteArray("<svg/>")}});
    QVERIFY(failure);
    QVERIFY2(failure->contains(QStringLiteral("vanished")), qPrintable(*failure));
    QFile after(kept);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), QByteArray("earlier\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("curves.csv")});

    QVERIFY(!writeWhole({{kept, QByteArray("new curves\n")}}));
    QFile replaced(kept);
    QVERIFY(replaced.open(QIODevice::ReadOnly));
    QCOMPARE(replaced.readAll(), QByteArray("new curves\n"));
}

void TestExport::curvesOnlyAfterARun()
{
    Brontel w(Countdown(0));
    w.load();
    auto* menu = w.findChild<SceneMenu*>();
    QVERIFY(menu);
    const QStringList texts = menuTexts(*menu);
    // Then help, about and the language, after a separator.
    QCOMPARE(texts.mid(0, 4), QStringList({"Kopírovat obrázek Ctrl+C", "Uložit obrázek… Ctrl+S",
                                           "Uložit křivky jako CSV… Ctrl+E", "Tisk… Ctrl+P"}));
    QVERIFY(!menu->saveCurvesAction()->isEnabled());
    QVERIFY(menu->savePictureAction()->isEnabled());
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(w));
    QVERIFY(menu->saveCurvesAction()->isEnabled());
}

// The documents folder is named even where it was never made; the dialog then opens at home,
// not wherever the program was started from.
void TestExport::saveDialogOpensAtHomeWithoutDocuments()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME"); // no user-dirs.dirs naming another documents folder
    Brontel w(Countdown(0));
    w.load();
    auto* menu = w.findChild<SceneMenu*>();
    QVERIFY(menu);
    const QString withoutDocuments = menu->suggestedPath(QStringLiteral("brontel.png"));
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    const QString withDocuments = menu->suggestedPath(QStringLiteral("brontel.png"));
    qputenv("HOME", oldHome);
    if (!oldConfig.isEmpty()) {
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }
    QCOMPARE(withoutDocuments, home.filePath(QStringLiteral("brontel.png")));
    QCOMPARE(withDocuments, home.filePath(QStringLiteral("Documents/brontel.png")));
}

void TestExport::endingFollowsTheChosenFilter_data()
{
    // The save dialogs' filters as the menu offers them, in Czech and in English.
    const QStringList pictures{QStringLiteral("Obrázek PNG (*.png)"),
                               QStringLiteral("Vektorový obrázek SVG (*.svg)"),
                               QStringLiteral("Dokument PDF (*.pdf)")};
    const QStringList english{QStringLiteral("PNG image (*.png)"),
                              QStringLiteral("SVG vector image (*.svg)"),
                              QStringLiteral("PDF document (*.pdf)")};
    const QStringList curves{QStringLiteral("Tabulka CSV (*.csv)"),
                             QStringLiteral("CSV pro tabulkové procesory (*.csv)")};
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");

    QTest::newRow("PNG chosen") << pictures << 0 << "/tmp/pokus"
                                << "/tmp/pokus.png";
    QTest::newRow("SVG chosen") << pictures << 1 << "/tmp/pokus"
                                << "/tmp/pokus.svg";
    QTest::newRow("PDF chosen") << pictures << 2 << "/tmp/pokus"
                                << "/tmp/pokus.pdf";
    QTest::newRow("English SVG") << english << 1 << "/tmp/run"
                                 << "/tmp/run.svg";
    // An ending of the dialog's own typed by the user wins over the filter.
    QTest::newRow("SVG typed, PNG chosen") << pictures << 0 << "/tmp/pokus.svg"
                                           << "/tmp/pokus.svg";
    QTest::newRow("capitals kept") << pictures << 1 << "/tmp/POKUS.PDF"
                                   << "/tmp/POKUS.PDF";
    // Any other ending is part of the name.
    QTest::newRow("foreign ending") << pictures << 0 << "/tmp/pokus.gif"
                                    << "/tmp/pokus.gif.png";
    QTest::newRow("dot in a folder") << pictures << 2 << "/tmp/moje.data/pokus"
                                     << "/tmp/moje.data/pokus.pdf";
    QTest::newRow("stray dot") << pictures << 1 << "/tmp/pokus."
                               << "/tmp/pokus.svg";
    QTest::newRow("curves, standard") << curves << 0 << "/tmp/křivky"
                                      << "/tmp/křivky.csv";
    QTest::newRow("curves, spreadsheet") << curves << 1 << "/tmp/křivky"
                                         << "/tmp/křivky.csv";
    QTest::newRow("curves typed") << curves << 1 << "/tmp/křivky.CSV"
                                  << "/tmp/křivky.CSV";
    QTest::newRow("curves as text") << curves << 0 << "/tmp/křivky.txt"
                                    << "/tmp/křivky.txt.csv";
}

void TestExport::endingFollowsTheChosenFilter()
{
    QFETCH(QStringList, filters);
    QFETCH(int, chosen);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QCOMPARE(withFilterEnding(typed, filters.at(chosen), filters), saved);
}

void TestExport::printFitsThePage_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("page");
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    // Upright pages are filled across, lying ones from top to bottom.
    QTest::newRow("A4 portrait") << QPageSize::A4 << QPageLayout::Portrait;
    QTest::newRow("A4 landscape") << QPageSize::A4 << QPageLayout::Landscape;
    QTest::newRow("Letter portrait") << QPageSize::Letter << QPageLayout::Portrait;
    QTest::newRow("A5 landscape") << QPageSize::A5 << QPageLayout::Landscape;
    QTest::newRow("A3 portrait") << QPageSize::A3 << QPageLayout::Portrait;
}

void TestExport::printFitsThePage()
{
    QFETCH(QPageSize::PageSizeId, page);
    QFETCH(QPageLayout::Orientation, orientation);
    Brontel w(Countdown(0));
    w.load();
    auto* menu = w.findChild<SceneMenu*>();
    QVERIFY(menu);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("print.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(page));
    printer.setPageOrientation(orientation);
    QVERIFY(!menu->printOn(printer));

    // The picture's grey ground, the first thing printed, as it lands on the page.
    const auto ground = pdfGround(fileContents(path));
    QVERIFY(ground);
    const QSizeF picture = ScenePicture(w.model(), w.picture().drawing()).size();
    QCOMPARE(ground->drawn, picture);
    const QRectF printed = ground->onPage;
    const QRectF paper = printer.pageLayout().paintRect(QPageLayout::Point);
    // The printer's page is whole device pixels: its edges may round by one each.
    const double pixel = 72.0 / printer.resolution(); // in points
    const auto near = [pixel](double a, double b) {
        return std::abs(a - b) <= 2 * pixel;
    };
    const QString what = QStringLiteral("printed %1 x %2 at %3, %4 on %5 x %6 at %7, %8")
                             .arg(printed.width())
                             .arg(printed.height())
                             .arg(printed.x())
                             .arg(printed.y())
                             .arg(paper.width())
                             .arg(paper.height())
                             .arg(paper.x())
                             .arg(paper.y());
    // As large as the page takes: it fills the paper's width or its height, and is centred.
    QVERIFY2(near(printed.width(), paper.width()) || near(printed.height(), paper.height()),
             qPrintable(what));
    QVERIFY2(printed.width() <= paper.width() + 2 * pixel &&
                 printed.height() <= paper.height() + 2 * pixel,
             qPrintable(what));
    QVERIFY2(near(printed.center().x(), paper.center().x()), qPrintable(what));
    QVERIFY2(near(printed.center().y(), paper.center().y()), qPrintable(what));
    // Scaled alike in both directions.
    QVERIFY2(std::abs(printed.width() / printed.height() - picture.width() / picture.height()) <
                 1e-4,
             qPrintable(what));
}

void TestExport::pictureSizesNameTheFilesPixels()
{
    // Each size offered for a PNG names the pixels the file then has (the scene is the same at
    // any window size, see above).
    Brontel w(Countdown(0));
    w.load();
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(w));
    const ScenePicture scene = SceneMenu::sceneOf(w);
    const QList<SceneMenu::PictureSize> sizes = SceneMenu::pictureSizes(scene);
    QCOMPARE(sizes.size(), 3);
    for (const SceneMenu::PictureSize& size : sizes) {
        const QImage file = QImage::fromData(scene.file(PictureFormat::Png, size.scale), "PNG");
        QVERIFY(!file.isNull());
        const QString pixels = QStringLiteral("%1 × %2").arg(file.width()).arg(file.height());
        QVERIFY2(size.text.contains(pixels),
                 qPrintable(size.text + QStringLiteral(" / ") + pixels));
        QVERIFY2(size.text.startsWith(QStringLiteral("%1×").arg(size.scale)),
                 qPrintable(size.text));
    }
}

void TestExport::exportShowsItsRunNotTheChoicesSince()
{
    // A water run, then glass, 60° and 100 chosen without pressing Start: the picture saved,
    // copied or printed is still the water run's, its tag and settings line included.
    Brontel w(Countdown(0));
    w.load();
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(w));
    const QImage ran = SceneMenu::sceneOf(w).image(1);
    const QByteArray ranSvg = SceneMenu::sceneOf(w).svg();
    for (const char* option : {"opSklo", "opVětší", "opMaláDistance"}) {
        auto* button = w.findChild<QAbstractButton*>(QString::fromUtf8(option));
        QVERIFY2(button, option);
        button->click();
    }
    const ScenePicture after = SceneMenu::sceneOf(w);
    QVERIFY(after.settingsLine().startsWith(QStringLiteral("Voda")));
    QCOMPARE(after.image(1), ran);
    QCOMPARE(after.svg(), ranSvg);
}

void TestExport::menuOffersTheWindowsSize()
{
    Brontel w(Countdown(0));
    w.load();
    auto* menu = w.findChild<SceneMenu*>();
    QVERIFY(menu);
    const QStringList texts = menuTexts(*menu);
    // After the files, a separator, then the window's size.
    QCOMPARE(texts.mid(5, 4), QStringList({"Celá obrazovka F11", "Zvětšit Ctrl++", "Zmenšit Ctrl+-",
                                           "Původní velikost Ctrl+0"}));
    // Each of them is the window's own as well, so its keys work without the menu.
    for (QAction* action : menu->menu()->actions()) {
        if (!action->shortcut().isEmpty()) {
            QVERIFY2(w.actions().contains(action), qPrintable(action->text()));
            QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
        }
    }
}

void TestExport::contextMenuOpens_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("at"); // the control clicked, or focused for the Menu key
    QTest::newRow("right click on the picture") << "right click"
                                                << "picture";
    QTest::newRow("right click on Start") << "right click"
                                          << "cmdStart";
    QTest::newRow("Menu key on Start") << "Menu key"
                                       << "cmdStart";
    QTest::newRow("Menu key on an option") << "Menu key"
                                           << "opSklo";
}

void TestExport::contextMenuOpens()
{
    QFETCH(QString, how);
    QFETCH(QString, at);
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* menu = w.findChild<SceneMenu*>();
    QVERIFY(menu);
    QVERIFY(!menu->menu()->isVisible());
    auto* target = w.findChild<QWidget*>(at);
    QVERIFY(target);
    // The picture's air, where no control stands in front of it and the menu fits beside.
    const QPoint point = at == QLatin1String("picture")
                             ? QPoint(4500 / 15, 3000 / 15)
                             : target->mapTo(&w, target->rect().center());
    if (how == QLatin1String("right click")) {
        // Through the window, as the window system delivers a click.
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, point);
    } else {
        // The window system turns the Menu key into a request from the keyboard, to the window;
        // the window hands it to the control with the focus.
        target->setFocus(Qt::TabFocusReason);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QCoreApplication::sendEvent(w.windowHandle(), &menuKey);
    }
    QTRY_VERIFY(menu->menu()->isVisible());
    // It opens at the click, or at the control with the focus.
    const int margin = 20;
    const QRect near = how == QLatin1String("right click")
                           ? QRect(w.mapToGlobal(point), QSize(1, 1))
                           : QRect(target->mapToGlobal(QPoint()), target->size());
    QVERIFY2(near.adjusted(-margin, -margin, margin, margin).contains(menu->menu()->pos()),
             qPrintable(QStringLiteral("%1,%2").arg(menu->menu()->x()).arg(menu->menu()->y())));
    menu->menu()->close();
}

QTEST_MAIN(TestExport)
#include "test_export.moc"
