// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Option buttons of a frame: selecting from the program acts as a click; a user's click on the
// selected option runs its handler again.

#include "OptionButton.h"

#include <QApplication>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>
#include <vector>

class TestOptionButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void selectFromProgram_data();
    void selectFromProgram();
    void handlerHasRunWhenSelectReturns();
    void userClickOnSelectedRunsAgain();
    void otherFramesAreIndependent();
    void circleGrowsWithTheFactor_data();
    void circleGrowsWithTheFactor();

private:
    struct Frame
    {
        QGroupBox* box = nullptr;
        std::vector<OptionButton*> options;
    };
    Frame makeFrame(const QString& prefix);

    QWidget* m_window = nullptr;
    QStringList m_clicks;
};

TestOptionButton::Frame TestOptionButton::makeFrame(const QString& prefix)
{
    Frame frame;
    frame.box = new QGroupBox(prefix, m_window);
    for (int i = 0; i < 3; ++i) {
        const QString name = prefix + QString::number(i);
        auto* option = new OptionButton(name, name, frame.box);
        option->setGeometry(10, 20 + 25 * i, 80, 20);
        connect(option, &OptionButton::clicked, this, [this, name] { m_clicks << name; });
        frame.options.push_back(option);
    }
    frame.box->setGeometry(0, 0, 100, 100);
    return frame;
}

void TestOptionButton::init()
{
    m_window = new QWidget;
    m_clicks.clear();
}

void TestOptionButton::cleanup()
{
    delete m_window;
}

void TestOptionButton::selectFromProgram_data()
{
    QTest::addColumn<QList<int>>("selections");
    QTest::newRow("first") << QList<int>{0};
    QTest::newRow("first then last") << QList<int>{0, 2};
    QTest::newRow("same twice") << QList<int>{1, 1};
    QTest::newRow("round trip") << QList<int>{2, 0, 1, 2};
}

void TestOptionButton::selectFromProgram()
{
    QFETCH(QList<int>, selections);
    Frame frame = makeFrame(QStringLiteral("a"));
    QStringList expected;
    for (const int i : selections) {
        frame.options[i]->select();
        expected << QStringLiteral("a%1").arg(i);
        for (int j = 0; j < 3; ++j) {
            QCOMPARE(frame.options[j]->isChecked(), j == i);
        }
    }
    QCOMPARE(m_clicks, expected);
}

void TestOptionButton::handlerHasRunWhenSelectReturns()
{
    Frame frame = makeFrame(QStringLiteral("b"));
    bool sawChecked = false;
    connect(frame.options[1], &OptionButton::clicked, this,
            [&] { sawChecked = frame.options[1]->isChecked() && !frame.options[0]->isChecked(); });
    frame.options[0]->select();
    frame.options[1]->select();
    QVERIFY(sawChecked);
    QCOMPARE(m_clicks.count(QStringLiteral("b1")), 1);
}

void TestOptionButton::userClickOnSelectedRunsAgain()
{
    Frame frame = makeFrame(QStringLiteral("c"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::mouseClick(frame.options[1], Qt::LeftButton, {}, QPoint(8, 10));
    QTest::mouseClick(frame.options[1], Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE(m_clicks, (QStringList{QStringLiteral("c1"), QStringLiteral("c1")}));
    QVERIFY(frame.options[1]->isChecked());
}

void TestOptionButton::otherFramesAreIndependent()
{
    Frame first = makeFrame(QStringLiteral("d"));
    Frame second = makeFrame(QStringLiteral("e"));
    first.options[0]->select();
    second.options[2]->select();
    QVERIFY(first.options[0]->isChecked());
    QVERIFY(second.options[2]->isChecked());
}

void TestOptionButton::circleGrowsWithTheFactor_data()
{
    QTest::addColumn<double>("factor");
    QTest::newRow("the design's size") << 1.0;
    QTest::newRow("maximised on 640 x 480") << 0.84;
    QTest::newRow("twice") << 2.0;
    QTest::newRow("full screen on 8K") << 7.5;
}

void TestOptionButton::circleGrowsWithTheFactor()
{
    QFETCH(double, factor);
    OptionButton option(QStringLiteral("a"), QStringLiteral("Sklo"), m_window);
    option.setScale(factor);
    QStyleOptionButton look;
    look.initFrom(&option);
    const QRect circle =
        option.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &look, &option);
    const int designWidth =
        QApplication::style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, nullptr);
    QCOMPARE(circle.width(), int(std::lround(designWidth * factor)));
    QCOMPARE(circle.height(), int(std::lround(designWidth * factor)));
    // The application's own buttons keep their size.
    QCOMPARE(QApplication::style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth), designWidth);
}

QTEST_MAIN(TestOptionButton)
#include "test_optionbutton.moc"
