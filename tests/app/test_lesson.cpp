// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson's windows on the desktop: the comparison driven by its buttons, the chart as a
// picture in each format, and the worksheet printed to PDF on at most two A4 pages in both
// languages.

#include "Brontel.h"
#include "ChartPicture.h"
#include "ComparisonWindow.h"
#include "DrawingList.h"
#include "ExperimentRun.h"
#include "Language.h"
#include "LessonActions.h"
#include "OptionButton.h"
#include "PictureRenderer.h"
#include "PredictionLayer.h"
#include "RunWait.h"
#include "SceneMenu.h"
#include "WorksheetDocument.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTest>

namespace {
CurveRecord wholeRun(Substance substance)
{
    DrawingList picture;
    return runWhole(picture, RunSettings::of(facts(substance).refrIndex, 35, AngleCase::Angle35,
                                             substance, DetectorDistance::Middle));
}

QList<QPushButton*> dropButtons(const QWidget& window)
{
    QList<QPushButton*> drops;
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
        if (b->text() == ComparisonWindow::tr("Odebrat")) {
            drops << b;
        }
    }
    return drops;
}

// How many pixels of the image have exactly this colour.
int pixelsOf(const QImage& image, QColor colour)
{
    int count = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            count += (line[x] & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF);
        }
    }
    return count;
}
} // namespace

class TestLesson : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void comparisonWindowFollowsItsModel();
    void keptFromTheWindow();
    void predictionThroughTheRun();
    void chartAsFiles_data();
    void chartAsFiles();
    void worksheetFitsTwoPages_data();
    void worksheetFitsTwoPages();

private:
    CurveRecord m_water;
    CurveRecord m_glass;
};

void TestLesson::initTestCase()
{
    m_water = wholeRun(Substance::Water);
    m_glass = wholeRun(Substance::Glass);
}

// Kept runs appear with a button each; the buttons and the scale's choice act on the model, and
// the chart shows the second run's colour only while that run is kept.
void TestLesson::comparisonWindowFollowsItsModel()
{
    RunComparison comparison;
    ComparisonWindow window(comparison);
    window.resize(800, 900);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(dropButtons(window).isEmpty());

    comparison.keep(m_water);
    comparison.keep(m_glass);
    QCOMPARE(dropButtons(window).size(), 2);
    const QColor second = toQColor(ComparisonChart::style(1).colour);
    QVERIFY(pixelsOf(window.chartView()->grab().toImage(), second) > 100);

    for (QRadioButton* b : window.findChildren<QRadioButton*>()) {
        if (b->text() == ComparisonWindow::tr("logaritmická")) {
            QTest::mouseClick(b, Qt::LeftButton);
        }
    }
    QCOMPARE(comparison.scale(), ChartScale::Logarithmic);

    QTest::mouseClick(dropButtons(window).last(), Qt::LeftButton);
    QCOMPARE(comparison.runs().size(), std::size_t(1));
    QCOMPARE(comparison.runs().front().settings().substance, Substance::Water);
    QCOMPARE(dropButtons(window).size(), 1);
    QCOMPARE(pixelsOf(window.chartView()->grab().toImage(), second), 0);
}

// K in the main window, brought back to the front (keeping a run shows the comparison).
void pressK(Brontel& w)
{
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_K);
}

// Runs are kept from the window with K once they have ended, each settings once; a changed
// setting keeps a second run.
void TestLesson::keptFromTheWindow()
{
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* lesson = w.findChild<LessonActions*>();
    QVERIFY(lesson != nullptr);
    QVERIFY(!lesson->keepRunAction()->isEnabled()); // no run yet
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(w));
    QVERIFY(lesson->keepRunAction()->isEnabled());
    pressK(w);
    QCOMPARE(lesson->comparison().runs().size(), std::size_t(1));
    pressK(w);
    QCOMPARE(lesson->comparison().runs().size(), std::size_t(1));
    w.control<OptionButton>(Control::opSklo)->click();
    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(waitForRunEnd(w));
    pressK(w);
    QCOMPARE(lesson->comparison().runs().size(), std::size_t(2));
    QCOMPARE(lesson->comparison().runs()[1].settings().substance, Substance::Glass);
}

// A prediction sketched with the mouse before Start stays over the picture through the run and
// after it, and goes into a saved picture only when the user asks for it.
void TestLesson::predictionThroughTheRun()
{
    Brontel w(Countdown(0));
    w.load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* lesson = w.findChild<LessonActions*>();
    auto* layer = w.findChild<PredictionLayer*>();
    QVERIFY(lesson != nullptr && layer != nullptr);
    lesson->predictionAction()->trigger();
    QVERIFY(lesson->prediction().sketching());
    QVERIFY(layer->isVisible());
    const QPoint from = layer->mapFrom(&w, w.toWidgetPixels({4000, 2000}).toPoint());
    QTest::mousePress(layer, Qt::LeftButton, {}, from);
    for (int k = 1; k <= 20; ++k) {
        QMouseEvent move(QEvent::MouseMove, from + QPointF(10 * k, 3 * k),
                         layer->mapToGlobal(from + QPointF(10 * k, 3 * k)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(layer, &move);
    }
    QTest::mouseRelease(layer, Qt::LeftButton, {}, from + QPoint(200, 60));
    QCOMPARE(lesson->prediction().strokes().size(), std::size_t(1));
    QVERIFY(lesson->prediction().strokes().front().size() > 10);
    const ChartPoint first = lesson->prediction().strokes().front().front();
    QVERIFY(std::abs(first.x - 4000) < 30 && std::abs(first.y - 2000) < 30);

    w.control<QPushButton>(Control::cmdStart)->click();
    QVERIFY(!lesson->prediction().sketching()); // the run ended the sketching
    QVERIFY(waitForRunEnd(w));
    QVERIFY(layer->isVisible());
    QCOMPARE(lesson->prediction().strokes().size(), std::size_t(1));
    const QColor violet = toQColor(PredictionSketch::colour);
    QVERIFY(pixelsOf(w.grab().toImage(), violet) > 20);

    QCOMPARE(pixelsOf(SceneMenu::sceneOf(w).image(1), violet), 0);
    lesson->predictionInExportsAction()->trigger();
    QVERIFY(pixelsOf(SceneMenu::sceneOf(w).image(1), violet) > 20);
    lesson->clearPredictionAction()->trigger();
    QVERIFY(lesson->prediction().empty());
    QVERIFY(!layer->isVisible());
}

void TestLesson::chartAsFiles_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("1×") << 1.0;
    QTest::newRow("2×") << 2.0;
    QTest::newRow("4×") << 4.0;
}

void TestLesson::chartAsFiles()
{
    QFETCH(double, scale);
    const std::vector<KeptRun> runs = {*KeptRun::of(m_water), *KeptRun::of(m_glass)};
    const ChartPicture chart(ComparisonChart(runs, ChartScale::Linear), runs);
    const QImage png = QImage::fromData(chart.png(scale), "PNG");
    QCOMPARE(png.size(), (ChartPicture::size() * scale).toSize());
    QVERIFY(pixelsOf(png, toQColor(ComparisonChart::style(0).colour)) > 100 * scale);
    QVERIFY(pixelsOf(png, toQColor(ComparisonChart::style(1).colour)) > 100 * scale);

    const QByteArray svg = chart.svg();
    QVERIFY(QSvgRenderer(svg).isValid());
    // The legend names each run's settings, as text a reader can select.
    QVERIFY(svg.contains(ChartPicture::describe(runs[0]).toHtmlEscaped().toUtf8()));
}

void TestLesson::worksheetFitsTwoPages_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<WorksheetPart>("part");
    QTest::newRow("Czech sheet") << Language::Czech << WorksheetPart::Sheet;
    QTest::newRow("Czech key") << Language::Czech << WorksheetPart::Key;
    QTest::newRow("English sheet") << Language::English << WorksheetPart::Sheet;
    QTest::newRow("English key") << Language::English << WorksheetPart::Key;
}

void TestLesson::worksheetFitsTwoPages()
{
    QFETCH(Language, language);
    QFETCH(WorksheetPart, part);
    QVERIFY(installLanguage(language));
    const WorksheetDocument document(part);
    QCOMPARE(document.html().contains(QStringLiteral("Pracovní list")),
             language == Language::Czech && part == WorksheetPart::Sheet);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        pages = document.printOn(writer);
    }
    QVERIFY2(pages >= 1 && pages <= 2, qPrintable(QString::number(pages)));
    QVERIFY(bytes.startsWith("%PDF"));
    // The PDF holds as many pages as were counted.
    QCOMPARE(int(bytes.count("/Type /Page") - bytes.count("/Type /Pages")), pages);
    QVERIFY(!document.pdf().isEmpty());
    installLanguage(Language::Czech);
}

QTEST_MAIN(TestLesson)
#include "test_lesson.moc"
