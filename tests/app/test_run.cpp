// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start as the user meets it: the picture on the window, input and close requests made during a
// run, the pace read from the settings, and settings that are not numbers.

#include "Brontel.h"
#include "NumberText.h"
#include "OptionButton.h"
#include "PictureSurface.h"
#include "RunWait.h"
#include "SettingRanges.h"
#include "SweepStep.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
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

int redPixels(const QImage& image, const QRect& rect)
{
    int n = 0;
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
        }
    }
    return n;
}

// Calls then after hops trips through the event loop, recording the steps shown at each.
void hopThroughEventLoop(QObject* context, int hops, const int& steps, QList<int>& seen,
                         std::function<void()> then)
{
    seen << steps;
    if (hops == 0) {
        then();
        return;
    }
    QTimer::singleShot(0, context, [=, &steps, &seen] {
        hopThroughEventLoop(context, hops - 1, steps, seen, then);
    });
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
    void endRequestedDuringARunEndsAfterTheStep_data();
    void endRequestedDuringARunEndsAfterTheStep();
    void paceComesFromTheSlowDownCount_data();
    void paceComesFromTheSlowDownCount();
    void badNumbersStopBeforeTheRun_data();
    void badNumbersStopBeforeTheRun();
    void acceptedNumberTexts_data();
    void acceptedNumberTexts();
    void noRefractedRayStillRuns();
    void escStopsAfterTheStepAndStartIsReady();
    void pausedRunWaitsAndRightDrawsOneStep();
    void startPressedDuringARunQueuesNothing_data();
    void startPressedDuringARunQueuesNothing();
    void ringsMarkTheDetectorsOnlyDuringARun_data();
    void ringsMarkTheDetectorsOnlyDuringARun();
    void meaninglessNumbersAreRefused_data();
    void meaninglessNumbersAreRefused();
    void typingDuringARunLandsWhereTheFocusWas_data();
    void typingDuringARunLandsWhereTheFocusWas();
    void pausedIsSaidWhilePaused();
    void progressIsShownAndSaidAtAQuarter();
    void otherWindowsAnswerDuringARun();
    void focusComesBackToStart_data();
    void focusComesBackToStart();

private:
    int runCounted(Brontel& w);
    Brontel* m_window = nullptr;
};

void TestRun::init()
{
    m_window = new Brontel(Countdown(0));
    m_window->load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

int TestRun::runCounted(Brontel& w)
{
    int steps = 0;
    const auto counting = QObject::connect(&w, &Brontel::stepShown, &w, [&steps] { ++steps; });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    waitForRunEnd(w);
    QObject::disconnect(counting);
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
    m_window->control<OptionButton>(Control::opVelkáDistance)->select();
    runCounted(*m_window);
    m_window->picture().line(100, 100, 11000, 8000, 0x000000FF); // a stray mark
    m_window->control<OptionButton>(Control::opMaláDistance)->select();
    runCounted(*m_window);

    Brontel fresh(Countdown(0));
    fresh.load();
    fresh.control<OptionButton>(Control::opMaláDistance)->select();
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
    reference.load();
    reference.show();
    runCounted(reference);

    QStringList seenDuringRun;
    int step = 0;
    const auto acting = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++step == 10) {
            QTest::mouseClick(w.control<OptionButton>(Control::opMezní), Qt::LeftButton, {},
                              QPoint(6, 8));
            QTest::mouseClick(w.control<OptionButton>(Control::opVětší), Qt::LeftButton, {},
                              QPoint(6, 8));
            QTest::mouseClick(w.control<OptionButton>(Control::opSklo), Qt::LeftButton, {},
                              QPoint(6, 8));
            const QPoint rightArrow(w.control<QScrollBar>(Control::HScroll1)->width() - 4,
                                    w.control<QScrollBar>(Control::HScroll1)->height() / 2);
            QTest::mouseClick(w.control<QScrollBar>(Control::HScroll1), Qt::LeftButton, {},
                              rightArrow);
        }
        if (step == 20) {
            seenDuringRun << w.control<QLineEdit>(Control::nAlfaCaption)->text()
                          << w.control<QLineEdit>(Control::nLátka)->text()
                          << w.control<QLineEdit>(Control::nSpomaleni)->text();
        }
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(acting);
    QCOMPARE(step, 467);
    // The options wait for the end of the run; the pace scroll bar acts at once.
    QCOMPARE(seenDuringRun,
             (QStringList{QStringLiteral("35"), QStringLiteral("Voda"), QStringLiteral("101")}));
    QCOMPARE(w.picture().image(), reference.picture().image()); // the run used what it read

    QCoreApplication::processEvents();
    QCOMPARE(w.control<QLineEdit>(Control::nAlfaCaption)->text(),
             QStringLiteral("60")); // Mezní, then 60: in order
    QCOMPARE(w.control<QLineEdit>(Control::nLátka)->text(), QStringLiteral("Sklo"));
    QCOMPARE(w.control<QLineEdit>(Control::nAlfa)->text(), QStringLiteral("60"));
    QCOMPARE(w.control<QScrollBar>(Control::HScroll1)->value(), 1);
    QCOMPARE(w.control<QLineEdit>(Control::nSpomaleni)->text(), QStringLiteral("101"));
}

void TestRun::endRequestedDuringARunEndsAfterTheStep_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("paused"); // with P just before
    QTest::newRow("Konec") << false << false;
    QTest::newRow("close box") << true << false;
    // A paused run asks for no step, yet ends: the end is not left waiting for a resume.
    QTest::newRow("Konec, paused") << false << true;
    QTest::newRow("close box, paused") << true << true;
}

void TestRun::endRequestedDuringARunEndsAfterTheStep()
{
    QFETCH(bool, closeBox);
    QFETCH(bool, paused);
    Brontel& w = *m_window;
    int steps = 0;
    bool closedDuringRun = false;
    const auto end = [&w, closeBox] {
        if (closeBox) {
            w.windowHandle()->close(); // as the window system does
        } else {
            QTest::mouseClick(w.control<QPushButton>(Control::cmdKonec), Qt::LeftButton);
        }
    };
    QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++steps == 5) {
            if (paused) {
                // Paused now; the end comes once the run waits, the step's turn over.
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
                QTimer::singleShot(0, &w, end);
            } else {
                end();
            }
        }
        closedDuringRun = closedDuringRun || !w.isVisible();
    });
    QTimer::singleShot(0, &w, [&] {
        QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    });
    QTimer::singleShot(20000, &w, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(steps, 5); // the step in progress is finished, and no other is drawn
    QVERIFY(!closedDuringRun);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.isRunning());
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
    w.load();
    w.control<QScrollBar>(Control::HScroll1)->setValue(scrollValue);
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
         {w.control<QLineEdit>(Control::nIndex), w.control<QLineEdit>(Control::nAlfa),
          w.control<QLineEdit>(Control::nAlfaCaption), w.control<QLineEdit>(Control::nLátka),
          w.control<QLineEdit>(Control::nDistance), w.control<QLineEdit>(Control::nSpomaleni)}) {
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
         {w.control<QLineEdit>(Control::nIndex), w.control<QLineEdit>(Control::nAlfa),
          w.control<QLineEdit>(Control::nAlfaCaption), w.control<QLineEdit>(Control::nLátka),
          w.control<QLineEdit>(Control::nDistance), w.control<QLineEdit>(Control::nSpomaleni)}) {
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
    m_window->control<QLineEdit>(Control::nIndex)->setText(index);
    MessageAnswerer answerer(this);
    QCOMPARE(runCounted(*m_window), 467);
    QVERIFY(answerer.texts.isEmpty());
    QLocale::setDefault(QLocale(QLocale::English));
}

void TestRun::noRefractedRayStillRuns()
{
    m_window->control<QLineEdit>(Control::nIndex)->setText(QStringLiteral("2"));
    MessageAnswerer answerer(this);
    QCOMPARE(runCounted(*m_window), 467);
    QVERIFY(answerer.texts.isEmpty());
}

void TestRun::escStopsAfterTheStepAndStartIsReady()
{
    Brontel& w = *m_window;
    int steps = 0;
    QImage atEsc;
    const auto stopping = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++steps == 10) {
            atEsc = w.picture().image().copy();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(stopping);
    QCOMPARE(steps, 10);
    QVERIFY(!w.isRunning());
    QCOMPARE(w.picture().image(), atEsc); // kept as it was, nothing drawn after the step
    QVERIFY(w.control<QPushButton>(Control::cmdStart)->isEnabled());
    QCOMPARE(runCounted(w), 467); // the next Start runs at once, in full
}

void TestRun::pausedRunWaitsAndRightDrawsOneStep()
{
    Brontel& w = *m_window;
    int steps = 0;
    QList<int> pausedAt10;
    QList<int> pausedAt12;
    const auto key = [&w](Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
    };
    const auto driving = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        ++steps;
        if (steps == 10) {
            key(Qt::Key_P);
            // Were the run going on, every trip through the event loop would draw steps.
            QTimer::singleShot(0, &w, [&] {
                hopThroughEventLoop(&w, 5, steps, pausedAt10, [&] {
                    key(Qt::Key_Right);
                    key(Qt::Key_Right);
                });
            });
        }
        if (steps == 12) {
            QTimer::singleShot(0, &w, [&] {
                hopThroughEventLoop(&w, 5, steps, pausedAt12, [&] { key(Qt::Key_P); });
            });
        }
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(driving);
    QCOMPARE(pausedAt10, QList<int>(6, 10));
    QCOMPARE(pausedAt12, QList<int>(6, 12)); // two presses of Right, two steps
    QCOMPARE(steps, 467);                    // P again: the run went on to its end
}

void TestRun::startPressedDuringARunQueuesNothing_data()
{
    QTest::addColumn<QString>("press");
    QTest::newRow("click") << "click";
    QTest::newRow("double-click") << "double-click";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Space") << "Space";
}

void TestRun::startPressedDuringARunQueuesNothing()
{
    QFETCH(QString, press);
    Brontel& w = *m_window;
    int steps = 0;
    bool startEnabledDuringRun = true;
    const auto pressing = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++steps != 10) {
            return;
        }
        startEnabledDuringRun = w.control<QPushButton>(Control::cmdStart)->isEnabled();
        if (press == QLatin1String("click")) {
            QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
        } else if (press == QLatin1String("double-click")) {
            QTest::mouseDClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
        } else {
            // Keys go where the focus showed while they were typed: not to the grey Start.
            const Qt::Key key = press == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Space;
            QTest::keyClick(QApplication::focusWidget(), key);
        }
    });
    w.control<QPushButton>(Control::cmdStart)->setFocus();
    QTest::keyClick(w.control<QPushButton>(Control::cmdStart), Qt::Key_Space);
    QVERIFY(waitForRunEnd(w));
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
    QObject::disconnect(pressing);
    QCOMPARE(steps, 467); // one run, none after it
    QVERIFY(!startEnabledDuringRun);
    QVERIFY(w.control<QPushButton>(Control::cmdStart)->isEnabled());
    // Clicks on Start are dropped, and the focus comes back to it; a key typed during the run
    // went to the angle field, which showed the focus while Start was grey.
    const bool typed = press == QLatin1String("Enter") || press == QLatin1String("Space");
    QVERIFY(typed ? w.control<QLineEdit>(Control::nAlfa)->hasFocus()
                  : w.control<QPushButton>(Control::cmdStart)->hasFocus());
}

void TestRun::ringsMarkTheDetectorsOnlyDuringARun_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("far");
    QTest::newRow("first step, distance 750") << 0 << false;
    QTest::newRow("step 300, distance 1500") << 300 << true;
}

void TestRun::ringsMarkTheDetectorsOnlyDuringARun()
{
    QFETCH(int, step);
    QFETCH(bool, far);
    Brontel& w = *m_window;
    if (far) {
        w.control<OptionButton>(Control::opVelkáDistance)->select();
    }
    const double distance = far ? 1500 : 750;
    const SweepStep at{step};
    const QPointF places[] = {
        {7300, double(at.y())}, {at.detectorX(), 5000 - distance}, {at.detectorX(), 6500}};
    QList<int> redNearDetectors;
    int redInPicture = -1;
    int steps = 0;
    const auto looking = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (steps++ != step) {
            return;
        }
        const QImage shown = w.grab().toImage();
        for (const QPointF& twips : places) {
            const QPoint centre = (twips / 15).toPoint();
            redNearDetectors << redPixels(shown, QRect(centre - QPoint(6, 6), QSize(13, 13)));
        }
        redInPicture = redPixels(w.picture().image(), w.picture().image().rect());
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(looking);
    QCOMPARE(redNearDetectors.size(), 3);
    for (int red : redNearDetectors) {
        QVERIFY2(red >= 8, qPrintable(QString::number(red)));  // a ring, not a stray pixel
        QVERIFY2(red <= 80, qPrintable(QString::number(red))); // about 8 pixels across
    }
    QCOMPARE(redInPicture, 0);
    const QImage after = w.grab().toImage();
    QCOMPARE(redPixels(after, after.rect()), 0);
}

void TestRun::meaninglessNumbersAreRefused_data()
{
    QTest::addColumn<QString>("angleOption");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<bool>("accepted");
    const QString index = QStringLiteral("1.33");
    const QString angle = QStringLiteral("35");
    QTest::newRow("index 0") << "opMenší"
                             << "0" << angle << false;
    QTest::newRow("index 0.001") << "opMenší"
                                 << "0.001" << angle << false;
    QTest::newRow("negative index") << "opMezní"
                                    << "-1.33" << angle << false;
    QTest::newRow("index 0.2, spirals over the panel") << "opMenší"
                                                       << "0.2" << angle << false;
    QTest::newRow("angle -35") << "opMenší" << index << "-35" << false;
    QTest::newRow("angle -1e6") << "opVětší" << index << "-1e6" << false;
    QTest::newRow("angle 1e5") << "opMezní" << index << "1e5" << false;
    QTest::newRow("angle 90.5") << "opMenší" << index << "90.5" << false;
    QTest::newRow("index 1, 35") << "opMenší"
                                 << "1" << angle << true;
    QTest::newRow("index 2.5, Mezní") << "opMezní"
                                      << "2.5"
                                      << "89" << true;
    QTest::newRow("lowest index, 60") << "opVětší"
                                      << "0.5"
                                      << "10" << true;
    QTest::newRow("angle 0, 35") << "opMenší" << index << "0" << true;
    QTest::newRow("angle 89.9, 60") << "opVětší"
                                    << "1.5"
                                    << "89.9" << true;
    QTest::newRow("angle 90, Mezní") << "opMezní" << index << "90" << true;
}

void TestRun::meaninglessNumbersAreRefused()
{
    QFETCH(QString, angleOption);
    QFETCH(QString, index);
    QFETCH(QString, angle);
    QFETCH(bool, accepted);
    Brontel& w = *m_window;
    w.findChild<OptionButton*>(angleOption)->select();
    w.control<QLineEdit>(Control::nIndex)->setText(index);
    w.control<QLineEdit>(Control::nAlfa)->setText(angle);
    MessageAnswerer answerer(this);
    const int steps = runCounted(w);
    if (!accepted) {
        QCOMPARE(steps, 0);
        QCOMPARE(answerer.texts.size(), 1);
        const bool indexWrong = index != QLatin1String("1.33");
        const ranges::Range range = indexWrong ? ranges::refrIndex : ranges::angle;
        const QString& message = answerer.texts[0];
        QVERIFY2(message.contains(indexWrong ? QStringLiteral("Index lomu")
                                             : QStringLiteral("Úhel dopadu")),
                 qPrintable(message));
        QVERIFY2(message.contains(numberText(range.lowest)) &&
                     message.contains(numberText(range.highest)),
                 qPrintable(message));
        QVERIFY(w.control<QPushButton>(Control::cmdStart)->isEnabled());
        return;
    }
    QCOMPARE(steps, 467);
    QVERIFY(answerer.texts.isEmpty());
    // Nothing of the run lies over the control panel: left of the scene the picture is the
    // scene's grey alone.
    const QImage& picture = w.picture().image();
    const int panelRight = int(ranges::sceneLeftX / 15) - 1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x <= panelRight; ++x) {
            if (picture.pixel(x, y) != grey) {
                QFAIL(qPrintable(QStringLiteral("drawn over the panel at (%1, %2)").arg(x).arg(y)));
            }
        }
    }
}

void TestRun::typingDuringARunLandsWhereTheFocusWas_data()
{
    QTest::addColumn<bool>("inputMethod");
    QTest::newRow("keys") << false;
    QTest::newRow("input method (a dead key and a letter)") << true;
}

void TestRun::typingDuringARunLandsWhereTheFocusWas()
{
    QFETCH(bool, inputMethod);
    Brontel& w = *m_window;
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QString seenDuringRun;
    QWidget* focusDuringRun = nullptr;
    int steps = 0;
    const auto typing = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++steps != 10) {
            if (steps == 20) {
                seenDuringRun = w.control<QLineEdit>(Control::nAlfa)->text();
            }
            return;
        }
        // Start gave the focus on when it went grey: the angle field shows it, text selected.
        focusDuringRun = QApplication::focusWidget();
        if (inputMethod) {
            QInputMethodEvent composed;
            composed.setCommitString(QStringLiteral("é"));
            QCoreApplication::sendEvent(focusDuringRun, &composed);
        } else {
            QTest::keyClicks(focusDuringRun, QStringLiteral("45"));
        }
    });
    w.control<QPushButton>(Control::cmdStart)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.control<QPushButton>(Control::cmdStart), Qt::Key_Space);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(typing);
    QCOMPARE(focusDuringRun, w.control<QLineEdit>(Control::nAlfa));
    QCOMPARE(seenDuringRun, QStringLiteral("35")); // nothing acts during the run
    QTRY_COMPARE(w.control<QLineEdit>(Control::nAlfa)->text(),
                 inputMethod ? QStringLiteral("é") : QStringLiteral("45"));
    QCOMPARE(QApplication::focusWidget(), w.control<QLineEdit>(Control::nAlfa));
}

void TestRun::pausedIsSaidWhilePaused()
{
    Brontel& w = *m_window;
    QStringList seen;
    int steps = 0;
    const auto said = [&w] {
        const auto* label = w.findChild<QLabel*>(QStringLiteral("paused"));
        return label != nullptr && label->isVisible() ? label->text() : QString();
    };
    const auto pausing = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++steps == 10) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
            seen << said();
            QTimer::singleShot(0, &w, [&] {
                seen << said();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
                seen << said();
            });
        }
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(pausing);
    QCOMPARE(seen.size(), 3);
    QVERIFY2(seen[0].startsWith(QStringLiteral("Pozastaveno")), qPrintable(seen[0]));
    QCOMPARE(seen[1], seen[0]);   // still paused on the next turn of the event loop
    QCOMPARE(seen[2], QString()); // P again: going on, and nothing said
    QCOMPARE(steps, 467);
    QCOMPARE(said(), QString());
}

void TestRun::progressIsShownAndSaidAtAQuarter()
{
    Brontel& w = *m_window;
    const auto bar = [&w] {
        return w.findChild<QProgressBar*>(QStringLiteral("progress"));
    };
    QStringList shown;
    QStringList said; // each change of what a screen reader hears
    int steps = 0;
    const auto watching = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        ++steps;
        QVERIFY(bar() != nullptr && bar()->isVisible());
        shown << bar()->text();
        if (said.isEmpty() || said.last() != bar()->accessibleDescription()) {
            said << bar()->accessibleDescription();
        }
        if (steps == 10) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
            said << bar()->accessibleDescription();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
        }
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(watching);
    QCOMPARE(shown.size(), 467);
    QCOMPARE(shown[119], QStringLiteral("krok 120 / 467"));
    QCOMPARE(shown.last(), QStringLiteral("krok 467 / 467"));
    // Said at the start, at the pause and going on again, then at each quarter: not every step.
    QCOMPARE(said, (QStringList{QStringLiteral("krok 0 / 467"),
                                QStringLiteral("Pozastaveno, krok 10 / 467"),
                                QStringLiteral("krok 10 / 467"), QStringLiteral("krok 117 / 467"),
                                QStringLiteral("krok 234 / 467"), QStringLiteral("krok 351 / 467"),
                                QStringLiteral("krok 467 / 467")}));
    QVERIFY(!bar()->isVisible()); // no run, no progress
}

void TestRun::otherWindowsAnswerDuringARun()
{
    // A window of its own, as the help is: input to it is not the run's business.
    Brontel& w = *m_window;
    QLineEdit other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QString seenDuringRun;
    int steps = 0;
    const auto typing = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++steps == 10) {
            QTest::keyClicks(&other, QStringLiteral("help"));
            seenDuringRun = other.text();
        }
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(typing);
    QCOMPARE(seenDuringRun, QStringLiteral("help")); // at once, not after the run
    QCOMPARE(w.control<QLineEdit>(Control::nAlfa)->text(), QStringLiteral("35"));
}

void TestRun::focusComesBackToStart_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<bool>("inactive");
    QTest::newRow("mouse click") << true << false;
    QTest::newRow("Space") << false << false;
    // A click on Start in a window another one is in front of: the window system makes the
    // window active only after the click (X11 does so), when the run is already going.
    QTest::newRow("mouse click activating the window") << true << true;
}

void TestRun::focusComesBackToStart()
{
    QFETCH(bool, mouse);
    QFETCH(bool, inactive);
    Brontel& w = *m_window;
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QWidget other;
    if (inactive) {
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    if (mouse) {
        QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    } else {
        w.control<QPushButton>(Control::cmdStart)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.control<QPushButton>(Control::cmdStart), Qt::Key_Space);
    }
    if (inactive) {
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    QVERIFY(waitForRunEnd(w));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), w.control<QPushButton>(Control::cmdStart));
}

QTEST_MAIN(TestRun)
#include "test_run.moc"
