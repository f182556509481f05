// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window without a mouse: Tab walks the design's tab order, arrow keys choose inside an
// option frame and move the scroll bar, Space and Enter press the command buttons; each key
// runs the same handler a click does.

#include "Brontel.h"
#include "HelpWindow.h"
#include "OptionButton.h"
#include "RunWait.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include <memory>

class TestKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void tabFollowsTheTabOrder_data();
    void tabFollowsTheTabOrder();
    void arrowsChooseInsideAFrame_data();
    void arrowsChooseInsideAFrame();
    void keysPressStart_data();
    void keysPressStart();
    void keysPressKonec_data();
    void keysPressKonec();
    void arrowsMoveTheScrollBar_data();
    void arrowsMoveTheScrollBar();
    void helpOpensOnF1AndClosesOnEsc_data();
    void helpOpensOnF1AndClosesOnEsc();
    void windowShortcutsDuringARunActAfterIt();

private:
    std::unique_ptr<Brontel> m_window;
};

void TestKeyboard::init()
{
    QLocale::setDefault(QLocale(QLocale::English));
    m_window = std::make_unique<Brontel>(Countdown(0));
    m_window->load();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestKeyboard::cleanup()
{
    m_window.reset();
}

void TestKeyboard::tabFollowsTheTabOrder_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QStringList>("order");
    // The design's tab order, less the hidden fields, the hidden speed frame and the frames and
    // label, which take no focus. An option frame is one stop, entered at its selected option.
    const QStringList forward = {
        "nuBrontel",         "cmdStart",   "nAlfa",
        "opMenší",           "nIndex",     "opVoda",
        "opStředníDistance", "nTextIndex", "nDetektorH",
        "nDetektorS",        "nDetektorV", "nCornuovySpirály",
        "nPravd2podobnost",  "cmdKonec",   "nVoda",
        "nCornuLatka",       "HScroll1",   "nuBrontel",
    };
    QStringList backward = forward;
    std::reverse(backward.begin(), backward.end());
    QTest::newRow("Tab") << Qt::Key_Tab << forward;
    QTest::newRow("Shift+Tab") << Qt::Key_Backtab << backward;
}

void TestKeyboard::tabFollowsTheTabOrder()
{
    QFETCH(Qt::Key, key);
    QFETCH(QStringList, order);
    auto* first = m_window->findChild<QWidget*>(order.first());
    QVERIFY(first);
    first->setFocus(Qt::TabFocusReason);
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}
void TestKeyboard::arrowsChooseInsideAFrame_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("35 down to Mezní") << "opMenší" << Qt::Key_Down << "opMezní"
                                      << "nAlfaCaption"
                                      << "Mezní";
    QTest::newRow("Mezní down to 60") << "opMezní" << Qt::Key_Down << "opVětší"
                                      << "nAlfaCaption"
                                      << "60";
    QTest::newRow("60 up to Mezní") << "opVětší" << Qt::Key_Up << "opMezní"
                                    << "nAlfaCaption"
                                    << "Mezní";
    QTest::newRow("Voda down to Sklo") << "opVoda" << Qt::Key_Down << "opSklo"
                                       << "nLátka"
                                       << "Sklo";
    QTest::newRow("Sklo up to Voda") << "opSklo" << Qt::Key_Up << "opVoda"
                                     << "nLátka"
                                     << "Voda";
    QTest::newRow("750 down to 100") << "opStředníDistance" << Qt::Key_Down << "opMaláDistance"
                                     << "nDistance"
                                     << "100";
    QTest::newRow("750 up to 1500") << "opStředníDistance" << Qt::Key_Up << "opVelkáDistance"
                                    << "nDistance"
                                    << "1500";
    QTest::newRow("100 up to 750") << "opMaláDistance" << Qt::Key_Up << "opStředníDistance"
                                   << "nDistance"
                                   << "750";
}

void TestKeyboard::arrowsChooseInsideAFrame()
{
    QFETCH(QString, from);
    QFETCH(Qt::Key, key);
    QFETCH(QString, to);
    QFETCH(QString, field);
    QFETCH(QString, text);
    auto* start = m_window->findChild<OptionButton*>(from);
    auto* target = m_window->findChild<OptionButton*>(to);
    auto* settings = m_window->findChild<QLineEdit*>(field);
    QVERIFY(start && target && settings);
    start->select();
    start->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(target, &OptionButton::clicked);

    QTest::keyClick(start, key);

    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(target->isChecked());
    QVERIFY(!start->isChecked());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(settings->text(), text); // the option's handler ran
}

void TestKeyboard::keysPressStart_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Space") << Qt::Key_Space;
    QTest::newRow("Enter") << Qt::Key_Return;
    QTest::newRow("keypad Enter") << Qt::Key_Enter;
}

void TestKeyboard::keysPressStart()
{
    QFETCH(Qt::Key, key);
    int steps = 0;
    QObject::connect(m_window.get(), &Brontel::stepShown, m_window.get(), [&steps] { ++steps; });
    m_window->control<QPushButton>(Control::cmdStart)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_window->control<QPushButton>(Control::cmdStart), key);
    QVERIFY(waitForRunEnd(*m_window));
    QTest::qWait(50);     // nothing more comes: a second run would have begun by now
    QCOMPARE(steps, 467); // one whole run, not two
    QVERIFY(m_window->isVisible());
}

void TestKeyboard::keysPressKonec_data()
{
    keysPressStart_data();
}

void TestKeyboard::keysPressKonec()
{
    QFETCH(Qt::Key, key);
    m_window->control<QPushButton>(Control::cmdKonec)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_window->control<QPushButton>(Control::cmdKonec), key);
    QVERIFY(!m_window->isVisible());
}

void TestKeyboard::arrowsMoveTheScrollBar_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("count");
    QTest::newRow("Right") << 0 << Qt::Key_Right << 1 << "101";
    QTest::newRow("Left") << 5 << Qt::Key_Left << 4 << "401";
    QTest::newRow("Right at the end") << 999 << Qt::Key_Right << 1000 << "100001";
    QTest::newRow("Page Down") << 5 << Qt::Key_PageDown << 6 << "601";
    QTest::newRow("End") << 0 << Qt::Key_End << 1000 << "100001";
    QTest::newRow("Home") << 7 << Qt::Key_Home << 0 << "1";
}

void TestKeyboard::arrowsMoveTheScrollBar()
{
    QFETCH(int, from);
    QFETCH(Qt::Key, key);
    QFETCH(int, to);
    QFETCH(QString, count);
    QScrollBar* bar = m_window->control<QScrollBar>(Control::HScroll1);
    bar->setValue(from);
    m_window->control<QLineEdit>(Control::nSpomaleni)->setText(QStringLiteral("unchanged"));
    bar->setFocus(Qt::TabFocusReason);
    QSignalSpy changes(bar, &QScrollBar::valueChanged);

    QTest::keyClick(bar, key);

    QCOMPARE(bar->value(), to);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(m_window->control<QLineEdit>(Control::nSpomaleni)->text(),
             count); // the Change handler ran
}

void TestKeyboard::helpOpensOnF1AndClosesOnEsc_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("on Start") << "cmdStart";
    QTest::newRow("in the angle field") << "nAlfa";
    QTest::newRow("on an option") << "opSklo";
}

void TestKeyboard::helpOpensOnF1AndClosesOnEsc()
{
    QFETCH(QString, focus);
    Brontel& w = *m_window;
    auto* target = w.findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key_F1);
    auto* help = w.findChild<HelpWindow*>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QApplication::setActiveWindow(help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    QTRY_VERIFY(!help->isVisible());
    QVERIFY(w.isVisible()); // the help alone
}

void TestKeyboard::windowShortcutsDuringARunActAfterIt()
{
    // Help, like every key but the run's own, waits for the end of the run.
    Brontel& w = *m_window;
    int steps = 0;
    bool helpDuringRun = true;
    const auto pressing = QObject::connect(&w, &Brontel::stepShown, &w, [&] {
        if (++steps == 10) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        } else if (steps == 20) {
            const auto* help = w.findChild<HelpWindow*>();
            helpDuringRun = help != nullptr && help->isVisible();
        }
    });
    QTest::mouseClick(w.control<QPushButton>(Control::cmdStart), Qt::LeftButton);
    QVERIFY(waitForRunEnd(w));
    QObject::disconnect(pressing);
    QCOMPARE(steps, 467);
    QVERIFY(!helpDuringRun);
    QTRY_VERIFY(w.findChild<HelpWindow*>() != nullptr && w.findChild<HelpWindow*>()->isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
