// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start as the user meets it: the picture on the window, input and close requests made during a
// run, the pace read from the settings, and settings that are not numbers.

#include "Brontel.h"
#include "OptionButton.h"
#include "PictureSurface.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {
constexpr QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
constexpr QRgb green = qRgb(0xC0, 0xFF, 0xC0);
constexpr QRgb black = qRgb(0, 0, 0);

// Answers the next message box and keeps what it said.
class MessageAnswerer : public QObject
{
public:
    explicit MessageAnswerer(QObject* parent) : QObject(parent)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        m_timer.start();
    }
    QStringList texts;

private:
    QTimer m_timer;
};

QRect pixelRectOfTwips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}
} // namespace

class TestRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }
    void init();
    void cleanup() { delete m_window; }
    void sceneOnThePicture();
    void secondRunLeavesNothingOfTheFirst();
    void pictureCoversThePromptAndSurvivesRepaint();
    void inputDuringARunIsHandledAfterItInOrder();
    void endRequestedDuringARunComesAfterIt_data();
    void endRequestedDuringARunComesAfterIt();
    void paceComesFromTheSlowDownCount_data();
    void paceComesFromTheSlowDownCount();
    void badNumbersStopBeforeTheRun_data();
    void badNumbersStopBeforeTheRun();
    void acceptedNumberTexts_data();
    void acceptedNumberTexts();
    void noRefractedRayStillRuns();

private:
    int runCounted(Brontel& w);
    Brontel* m_window = nullptr;
};

void TestRun::init()
{
    m_window = new Brontel(Countdown(0));
    m_window->Form_Load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

int TestRun::runCounted(Brontel& w)
{
    int steps = 0;
    w.setStepObserver([&steps] { ++steps; });
    QTest::mouseClick(w.cmdStart, Qt::LeftButton);
    w.setStepObserver({});
    return steps;
}

void TestRun::sceneOnThePicture()
{
    QCOMPARE(runCounted(*m_window), 467);
    const QImage& picture = m_window->picture().image();
    QCOMPARE(picture.pixel(66, 66), grey);    // air, left of the apparatus
    QCOMPARE(picture.pixel(740, 480), green); // substance, right of the spirals
    // The surface at y 5000 twips is two pixels wide, the detector lines one.
    const auto blackRows = [&](int x, int from, int to) {
        int rows = 0;
        for (int y = from; y <= to; ++y) {
            rows += picture.pixel(x, y) == black ? 1 : 0;
        }
        return rows;
    };
    QCOMPARE(blackRows(755, 328, 338), 2);
    QCOMPARE(blackRows(755, 278, 288), 1); // detector H at 4250
    QCOMPARE(blackRows(755, 428, 438), 1); // detector L at 6500
}

void TestRun::secondRunLeavesNothingOfTheFirst()
{
    m_window->opVelkáDistance->select();
    runCounted(*m_window);
    m_window->picture().line(100, 100, 11000, 8000, 0x000000FF); // a stray mark
    m_window->opMaláDistance->select();
    runCounted(*m_window);

    Brontel fresh(Countdown(0));
    fresh.Form_Load();
    fresh.opMaláDistance->select();
    fresh.show();
    runCounted(fresh);
    QCOMPARE(m_window->picture().image(), fresh.picture().image());
}

void TestRun::pictureCoversThePromptAndSurvivesRepaint()
{
    const QRect prompt = pixelRectOfTwips(3960, 1800, 3255, 855);
    const auto blackIn = [](const QImage& image, const QRect& r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                n += image.pixel(x, y) == black ? 1 : 0;
            }
        }
        return n;
    };
    QVERIFY(blackIn(m_window->grab().toImage(), prompt) > 50); // the prompt's letters
    runCounted(*m_window);
    const QImage shown = m_window->grab().toImage();
    QCOMPARE(blackIn(shown, prompt), blackIn(m_window->picture().image(), prompt));

    m_window->hide();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->repaint();
    QCOMPARE(m_window->grab().toImage(), shown);
}

void TestRun::inputDuringARunIsHandledAfterItInOrder()
{
    Brontel& w = *m_window;
    Brontel reference(Countdown(0));
    reference.Form_Load();
    reference.show();
    runCounted(reference);

    QStringList seenDuringRun;
    int step = 0;
    w.setStepObserver([&] {
        if (++step == 10) {
            QTest::mouseClick(w.opMezní, Qt::LeftButton, {}, QPoint(6, 8));
            QTest::mouseClick(w.opVětší, Qt::LeftButton, {}, QPoint(6, 8));
            QTest::mouseClick(w.opSklo, Qt::LeftButton, {}, QPoint(6, 8));
            const QPoint rightArrow(w.HScroll1->width() - 4, w.HScroll1->height() / 2);
            QTest::mouseClick(w.HScroll1, Qt::LeftButton, {}, rightArrow);
        }
        if (step == 20) {
            seenDuringRun << w.nAlfaCaption->text() << w.nLátka->text() << w.nSpomaleni->text();
        }
    });
    QTest::mouseClick(w.cmdStart, Qt::LeftButton);
    w.setStepObserver({});
    QCOMPARE(step, 467);
    QCOMPARE(seenDuringRun,
             (QStringList{QStringLiteral("35"), QStringLiteral("Voda"), QStringLiteral("1")}));
    QCOMPARE(w.picture().image(), reference.picture().image()); // the run used what it read

    QCoreApplication::processEvents();
    QCOMPARE(w.nAlfaCaption->text(), QStringLiteral("60")); // Mezní, then 60: in order
    QCOMPARE(w.nLátka->text(), QStringLiteral("Sklo"));
    QCOMPARE(w.nAlfa->text(), QStringLiteral("60"));
    QCOMPARE(w.HScroll1->value(), 1);
    QCOMPARE(w.nSpomaleni->text(), QStringLiteral("101"));
}

void TestRun::endRequestedDuringARunComesAfterIt_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Konec") << false;
    QTest::newRow("close box") << true;
}

void TestRun::endRequestedDuringARunComesAfterIt()
{
    QFETCH(bool, closeBox);
    Brontel& w = *m_window;
    int steps = 0;
    bool closedDuringRun = false;
    w.setStepObserver([&] {
        if (++steps == 5) {
            if (closeBox) {
                w.windowHandle()->close(); // as the window system does
            } else {
                QTest::mouseClick(w.cmdKonec, Qt::LeftButton);
            }
        }
        closedDuringRun = closedDuringRun || !w.isVisible();
    });
    QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.cmdStart, Qt::LeftButton); });
    QTimer::singleShot(20000, &w, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(steps, 467);
    QVERIFY(!closedDuringRun);
    QVERIFY(!w.isVisible());
}

void TestRun::paceComesFromTheSlowDownCount_data()
{
    QTest::addColumn<int>("scrollValue");
    QTest::addColumn<qint64>("perStep");
    QTest::newRow("fastest") << 0 << qint64(1);
    QTest::newRow("value 2") << 2 << qint64(201);
}

void TestRun::paceComesFromTheSlowDownCount()
{
    QFETCH(int, scrollValue);
    QFETCH(qint64, perStep);
    Countdown countdown(0);
    qint64 decrements = 0;
    countdown.setDecrementHook([&decrements] { ++decrements; });
    Brontel w(countdown);
    w.Form_Load();
    w.HScroll1->setValue(scrollValue);
    w.show();
    QCOMPARE(runCounted(w), 467);
    QCOMPARE(decrements, 467 * perStep);
}

void TestRun::badNumbersStopBeforeTheRun_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    const QString index = QStringLiteral("nIndex");
    const QString alfa = QStringLiteral("nAlfa");
    const QString indexCaption = QStringLiteral("Index lomu");
    const QString alfaCaption = QStringLiteral("Úhel dopadu");
    QTest::newRow("empty index") << index << "" << indexCaption;
    QTest::newRow("letters in the index") << index << "abc" << indexCaption;
    QTest::newRow("nan as angle") << alfa << "nan" << alfaCaption;
    QTest::newRow("overflowing exponent") << alfa << "1e999" << alfaCaption;
    QTest::newRow("digit grouping") << index << "1,000.5" << indexCaption;
    QTest::newRow("too large an index") << index << "2e6" << indexCaption;
    QTest::newRow("too large an angle") << alfa << "-1e300" << alfaCaption;
    QTest::newRow("markup is shown as it is") << alfa << "<b>35</b>" << alfaCaption;
}

void TestRun::badNumbersStopBeforeTheRun()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    Brontel& w = *m_window;
    runCounted(w);
    w.findChild<QLineEdit*>(field)->setText(text);
    const QImage before = w.picture().image().copy();
    QStringList settingsBefore;
    for (const QLineEdit* f :
         {w.nIndex, w.nAlfa, w.nAlfaCaption, w.nLátka, w.nDistance, w.nSpomaleni}) {
        settingsBefore << f->text();
    }

    MessageAnswerer answerer(this);
    QCOMPARE(runCounted(w), 0);
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts[0].contains(caption), qPrintable(answerer.texts[0]));
    QVERIFY2(answerer.texts[0].contains(text), qPrintable(answerer.texts[0]));

    QCOMPARE(w.picture().image(), before);
    QStringList settingsAfter;
    for (const QLineEdit* f :
         {w.nIndex, w.nAlfa, w.nAlfaCaption, w.nLátka, w.nDistance, w.nSpomaleni}) {
        settingsAfter << f->text();
    }
    QCOMPARE(settingsAfter, settingsBefore);
    QVERIFY(w.isVisible());
    QVERIFY(!w.isRunning());

    // Mended, the same window runs.
    w.findChild<QLineEdit*>(field)->setText(field == QStringLiteral("nIndex") ? "1.33" : "35");
    QCOMPARE(runCounted(w), 467);
    QCOMPARE(answerer.texts.size(), 1);
}

void TestRun::acceptedNumberTexts_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("index");
    QTest::newRow("czech comma") << QLocale::Czech << "1,33";
    QTest::newRow("czech with a point") << QLocale::Czech << "1.33";
    QTest::newRow("english with spaces") << QLocale::English << " 1.33  ";
}

void TestRun::acceptedNumberTexts()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, index);
    QLocale::setDefault(QLocale(language));
    m_window->nIndex->setText(index);
    MessageAnswerer answerer(this);
    QCOMPARE(runCounted(*m_window), 467);
    QVERIFY(answerer.texts.isEmpty());
    QLocale::setDefault(QLocale(QLocale::English));
}

void TestRun::noRefractedRayStillRuns()
{
    m_window->nIndex->setText(QStringLiteral("2"));
    MessageAnswerer answerer(this);
    QCOMPARE(runCounted(*m_window), 467);
    QVERIFY(answerer.texts.isEmpty());
}

QTEST_MAIN(TestRun)
#include "test_run.moc"
