// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Input held back while the window is busy is handed on afterwards, in order, and nothing else
// is held.

#include "InputHold.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

class TestInputHold : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void heldInputArrivesAfterwardsInOrder();
    void keysArriveAfterwardsInOrder();
    void otherEventsPassThrough();
    void inputAfterReleaseIsNotHeld();

private:
    QWidget* m_window = nullptr;
    QPushButton* m_first = nullptr;
    QPushButton* m_second = nullptr;
    QLineEdit* m_edit = nullptr;
    QStringList m_clicks;
};

void TestInputHold::init()
{
    m_window = new QWidget;
    auto* layout = new QVBoxLayout(m_window);
    m_first = new QPushButton(QStringLiteral("first"), m_window);
    m_second = new QPushButton(QStringLiteral("second"), m_window);
    m_edit = new QLineEdit(m_window);
    layout->addWidget(m_first);
    layout->addWidget(m_second);
    layout->addWidget(m_edit);
    m_clicks.clear();
    connect(m_first, &QPushButton::clicked, this, [this] { m_clicks << QStringLiteral("first"); });
    connect(m_second, &QPushButton::clicked, this,
            [this] { m_clicks << QStringLiteral("second"); });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestInputHold::cleanup()
{
    delete m_window;
}

void TestInputHold::heldInputArrivesAfterwardsInOrder()
{
    std::optional<InputHold> hold(std::in_place);
    QTest::mouseClick(m_second, Qt::LeftButton);
    QTest::mouseClick(m_first, Qt::LeftButton);
    QTest::mouseClick(m_second, Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(m_clicks.isEmpty());
    QVERIFY(hold->heldCount() >= 6);
    hold.reset();
    QVERIFY(m_clicks.isEmpty()); // posted, not sent: the busy handler finishes first
    QCoreApplication::processEvents();
    QCOMPARE(m_clicks, (QStringList{QStringLiteral("second"), QStringLiteral("first"),
                                    QStringLiteral("second")}));
}

void TestInputHold::keysArriveAfterwardsInOrder()
{
    m_edit->setFocus();
    std::optional<InputHold> hold(std::in_place);
    QTest::keyClicks(m_edit, QStringLiteral("1,5"));
    QCoreApplication::processEvents();
    QCOMPARE(m_edit->text(), QString());
    hold.reset();
    QCoreApplication::processEvents();
    QCOMPARE(m_edit->text(), QStringLiteral("1,5"));
}

void TestInputHold::otherEventsPassThrough()
{
    InputHold hold;
    bool timerFired = false;
    QTimer::singleShot(0, this, [&] { timerFired = true; });
    m_first->setText(QStringLiteral("renamed"));
    QCoreApplication::processEvents();
    QVERIFY(timerFired);
    QCOMPARE(hold.heldCount(), std::size_t(0));
}

void TestInputHold::inputAfterReleaseIsNotHeld()
{
    {
        InputHold hold;
    }
    QTest::mouseClick(m_first, Qt::LeftButton);
    QCOMPARE(m_clicks, QStringList{QStringLiteral("first")});
}

QTEST_MAIN(TestInputHold)
#include "test_inputhold.moc"
