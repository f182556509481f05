// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings handlers as a user meets them: sequences of clicks on the options and the scroll
// bar, with the settings fields, name tags, marker line and label checked after every action.

#include "Brontel.h"
#include "LineControl.h"
#include "NumberText.h"
#include "OptionButton.h"
#include "PictureSurface.h"
#include "Twips.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {
// One user action and what the window must show after it. An action is the name of an option
// to click, "HScroll1=<value>" for the scroll bar, or "<field>:=<text>" for text the user types
// (or, for a hidden field, a text the program never writes itself). Expectations map a field to
// its text, "tag" to the visible name tag, "Line1" to its y and "nDetektorH" to its Left,Top.
struct Step
{
    QString action;
    QMap<QString, QString> expect;
};
using Sequence = QList<Step>;
} // namespace

Q_DECLARE_METATYPE(Sequence)

class TestChoices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }
    void init();
    void cleanup() { delete m_window; }
    void substance_data();
    void substance() { play(); }
    void angle_data();
    void angle() { play(); }
    void distance_data();
    void distance() { play(); }
    void speed_data();
    void speed() { play(); }
    void interplay_data();
    void interplay() { play(); }
    void numberTextsFollowTheLocale_data();
    void numberTextsFollowTheLocale();
    void scrollDragWritesOnceAtTheEnd();
    void onlyThirtyFiveDraws_data();
    void onlyThirtyFiveDraws();

private:
    void play();
    void act(const QString& action);
    void check(const QString& what, const QString& expected, int stepIndex);

    Brontel* m_window = nullptr;
};

void TestChoices::init()
{
    m_window = new Brontel(Countdown(0));
    m_window->load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestChoices::act(const QString& action)
{
    if (action.startsWith(QStringLiteral("HScroll1="))) {
        // A click on the right arrow until the value is reached, as a user would.
        const int target = action.section(u'=', 1).toInt();
        QScrollBar* bar = m_window->control<QScrollBar>(Control::HScroll1);
        while (bar->value() != target) {
            bar->triggerAction(bar->value() < target ? QAbstractSlider::SliderSingleStepAdd
                                                     : QAbstractSlider::SliderSingleStepSub);
        }
        return;
    }
    if (action.contains(QStringLiteral(":="))) {
        auto* field = m_window->findChild<QLineEdit*>(action.section(QStringLiteral(":="), 0, 0));
        QVERIFY(field);
        const QString text = action.section(QStringLiteral(":="), 1);
        if (field->isVisible()) {
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, text);
            m_window->setFocus();
        } else {
            field->setText(text);
        }
        return;
    }
    auto* option = m_window->findChild<OptionButton*>(action);
    QVERIFY2(option, qPrintable(action));
    if (option->isVisible()) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    } else {
        option->select(); // the speed options are out of the user's reach
    }
    QVERIFY(option->isChecked());
}

void TestChoices::check(const QString& what, const QString& expected, int stepIndex)
{
    const QByteArray where = QStringLiteral("step %1, %2").arg(stepIndex).arg(what).toUtf8();
    Brontel& w = *m_window;
    if (what == QStringLiteral("tag")) {
        QVERIFY2(w.control<QLineEdit>(Control::nVoda)->isVisible() !=
                     w.control<QLineEdit>(Control::nSklo)->isVisible(),
                 where);
        QCOMPARE(w.control<QLineEdit>(Control::nVoda)->isVisible()
                     ? w.control<QLineEdit>(Control::nVoda)->text()
                     : w.control<QLineEdit>(Control::nSklo)->text(),
                 expected);
    } else if (what == QStringLiteral("Line1")) {
        QVERIFY2(w.line(1)->isVisible(), where);
        QCOMPARE(QString::number(w.line(1)->y1()), expected);
        QCOMPARE(w.line(1)->y2(), w.line(1)->y1());
        QCOMPARE(w.line(1)->x1(), 2880);
        QCOMPARE(w.line(1)->x2(), 11400);
    } else if (what == QStringLiteral("nDetektorH")) {
        const TwipsRect r = twipsGeometry(w.control<QLineEdit>(Control::nDetektorH));
        QCOMPARE(QStringLiteral("%1,%2").arg(r.left).arg(r.top), expected);
    } else {
        auto* field = w.findChild<QLineEdit*>(what);
        QVERIFY2(field, where);
        if (field->text() != expected) {
            QFAIL(qPrintable(QString::fromUtf8(where) + QStringLiteral(": \"") + field->text() +
                             QStringLiteral("\" instead of \"") + expected + u'"'));
        }
    }
}

void TestChoices::play()
{
    QFETCH(Sequence, steps);
    for (int i = 0; i < steps.size(); ++i) {
        act(steps[i].action);
        for (auto it = steps[i].expect.cbegin(); it != steps[i].expect.cend(); ++it) {
            check(it.key(), it.value(), i);
            if (QTest::currentTestFailed()) {
                return;
            }
        }
        // The hidden fields never appear, whatever was clicked.
        for (const QLineEdit* hidden : {m_window->control<QLineEdit>(Control::nLátka),
                                        m_window->control<QLineEdit>(Control::nAlfaCaption),
                                        m_window->control<QLineEdit>(Control::nDistance),
                                        m_window->control<QLineEdit>(Control::nSpomaleni)}) {
            QVERIFY(!hidden->isVisible());
        }
    }
}

using Expect = QMap<QString, QString>;

void TestChoices::substance_data()
{
    QTest::addColumn<Sequence>("steps");
    QTest::newRow("glass under 35 changes the index only") << Sequence{
        {"opSklo", {{"nLátka", "Sklo"}, {"nIndex", "1.5"}, {"nAlfa", "35"}, {"tag", "Sklo"}}},
        {"opVoda", {{"nLátka", "Voda"}, {"nIndex", "1.33"}, {"nAlfa", "35"}, {"tag", "Voda"}}}};
    QTest::newRow("glass under 60 keeps the angle")
        << Sequence{{"opVětší", {{"nAlfa", "60"}}},
                    {"opSklo", {{"nIndex", "1.5"}, {"nAlfa", "60"}, {"nAlfaCaption", "60"}}}};
    QTest::newRow("critical angle follows the substance") << Sequence{
        {"opMezní", {{"nAlfa", "48.783"}, {"nIndex", "1.33"}, {"nAlfaCaption", "Mezní"}}},
        {"opSklo", {{"nAlfa", "41.839"}, {"nIndex", "1.5"}, {"tag", "Sklo"}}},
        {"opVoda", {{"nAlfa", "48.783"}, {"nIndex", "1.33"}, {"tag", "Voda"}}}};
    QTest::newRow("choosing the substance in force again changes nothing")
        << Sequence{{"opVoda", {{"nLátka", "Voda"}, {"nIndex", "1.33"}, {"tag", "Voda"}}},
                    {"opVoda", {{"nLátka", "Voda"}, {"nIndex", "1.33"}, {"tag", "Voda"}}}};
    // The hidden fields show the choices; a text a program writes into one chooses nothing.
    QTest::newRow("an angle written into nAlfaCaption is no choice")
        << Sequence{{"opMezní", {{"nAlfa", "48.783"}}},
                    {"nAlfaCaption:=60", {}},
                    {"opSklo", {{"nAlfa", "41.839"}, {"nIndex", "1.5"}}}};
    QTest::newRow("an emptied nAlfaCaption is no choice")
        << Sequence{{"nAlfaCaption:=", {}}, {"opSklo", {{"nAlfa", "35"}, {"nIndex", "1.5"}}}};
    QTest::newRow("typed index stays until a substance is chosen")
        << Sequence{{"nIndex:=2,4", {{"nIndex", "2,4"}}},
                    {"opVětší", {{"nIndex", "2,4"}}},
                    {"opVelkáDistance", {{"nIndex", "2,4"}}},
                    {"opSklo", {{"nIndex", "1.5"}}}};
}

void TestChoices::angle_data()
{
    QTest::addColumn<Sequence>("steps");
    QTest::newRow("60 then 35") << Sequence{{"opVětší", {{"nAlfa", "60"}, {"nAlfaCaption", "60"}}},
                                            {"opMenší", {{"nAlfa", "35"}, {"nAlfaCaption", "35"}}}};
    QTest::newRow("critical angle of glass") << Sequence{
        {"opSklo", {}},
        {"opMezní", {{"nAlfa", "41.839"}, {"nIndex", "1.5"}, {"nAlfaCaption", "Mezní"}}}};
    QTest::newRow("35 and 60 leave the index a critical angle wrote")
        << Sequence{{"opMezní", {{"nIndex", "1.33"}}},
                    {"nIndex:=1.7", {}},
                    {"opVětší", {{"nIndex", "1.7"}, {"nAlfa", "60"}}},
                    {"opMenší", {{"nIndex", "1.7"}, {"nAlfa", "35"}}}};
    QTest::newRow("critical angle rewrites a typed index")
        << Sequence{{"nIndex:=1.7", {}}, {"opMezní", {{"nIndex", "1.33"}}}};
    QTest::newRow("a substance written into nLátka is no choice")
        << Sequence{{"nLátka:=Sklo", {}}, {"opMezní", {{"nAlfa", "48.783"}, {"nIndex", "1.33"}}}};
    QTest::newRow("typed angle stays until an angle is chosen") << Sequence{
        {"nAlfa:=12", {}}, {"opSklo", {{"nAlfa", "12"}}}, {"opMenší", {{"nAlfa", "35"}}}};
}

void TestChoices::distance_data()
{
    QTest::addColumn<Sequence>("steps");
    QTest::newRow("100 750 1500") << Sequence{
        {"opMaláDistance", {{"nDistance", "100"}, {"Line1", "4900"}, {"nDetektorH", "5800,4600"}}},
        {"opStředníDistance",
         {{"nDistance", "750"}, {"Line1", "4280"}, {"nDetektorH", "5800,4400"}}},
        {"opVelkáDistance",
         {{"nDistance", "1500"}, {"Line1", "3530"}, {"nDetektorH", "5800,3700"}}}};
    QTest::newRow("1500 then 100 places absolutely") << Sequence{
        {"opVelkáDistance", {{"Line1", "3530"}}},
        {"opMaláDistance", {{"nDistance", "100"}, {"Line1", "4900"}, {"nDetektorH", "5800,4600"}}}};
    QTest::newRow("the same distance twice")
        << Sequence{{"opMaláDistance", {{"Line1", "4900"}}},
                    {"opMaláDistance", {{"Line1", "4900"}, {"nDetektorH", "5800,4600"}}}};
}

void TestChoices::speed_data()
{
    QTest::addColumn<Sequence>("steps");
    QTest::newRow("scroll value 7") << Sequence{{"HScroll1=7", {{"nSpomaleni", "701"}}}};
    QTest::newRow("end of the range") << Sequence{{"HScroll1=1000", {{"nSpomaleni", "100001"}}}};
    QTest::newRow("back and forth keeps the last value")
        << Sequence{{"HScroll1=3", {{"nSpomaleni", "301"}}},
                    {"HScroll1=1", {{"nSpomaleni", "101"}}},
                    {"HScroll1=0", {{"nSpomaleni", "1"}}},
                    {"HScroll1=2", {{"nSpomaleni", "201"}}}};
    QTest::newRow("the last control used wins")
        << Sequence{{"opPomalá", {{"nSpomaleni", "1000000"}}},
                    {"HScroll1=5", {{"nSpomaleni", "501"}}},
                    {"opPomalejší", {{"nSpomaleni", "500000"}}},
                    {"opRychlá", {{"nSpomaleni", "1"}}}};
}

void TestChoices::interplay_data()
{
    QTest::addColumn<Sequence>("steps");
    QTest::newRow("every frame leaves the others alone") << Sequence{
        {"opMezní", {{"nAlfaCaption", "Mezní"}}},
        {"opMaláDistance", {{"nAlfa", "48.783"}, {"nIndex", "1.33"}, {"nLátka", "Voda"}}},
        {"HScroll1=4", {{"nAlfa", "48.783"}, {"nDistance", "100"}}},
        {"opSklo",
         {{"nAlfa", "41.839"}, {"nDistance", "100"}, {"nSpomaleni", "401"}, {"Line1", "4900"}}},
        {"opVětší", {{"nAlfa", "60"}, {"nIndex", "1.5"}, {"nLátka", "Sklo"}, {"tag", "Sklo"}}}};
}

void TestChoices::numberTextsFollowTheLocale_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("alfa");
    QTest::addColumn<QString>("index");
    QTest::newRow("czech") << QLocale::Czech << "41,839"
                           << "1,5";
    QTest::newRow("english") << QLocale::English << "41.839"
                             << "1.5";
}

void TestChoices::numberTextsFollowTheLocale()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, alfa);
    QFETCH(QString, index);
    QLocale::setDefault(QLocale(language));
    m_window->control<OptionButton>(Control::opSklo)->select();
    m_window->control<OptionButton>(Control::opMezní)->select();
    QCOMPARE(m_window->control<QLineEdit>(Control::nAlfa)->text(), alfa);
    QCOMPARE(m_window->control<QLineEdit>(Control::nIndex)->text(), index);
    // What the run reads back is the number that was written.
    QCOMPARE(textToNumber(m_window->control<QLineEdit>(Control::nAlfa)->text()),
             std::optional<double>(41.839));
    QLocale::setDefault(QLocale(QLocale::English));
}

void TestChoices::scrollDragWritesOnceAtTheEnd()
{
    QScrollBar* bar = m_window->control<QScrollBar>(Control::HScroll1);
    QStringList written;
    connect(m_window->control<QLineEdit>(Control::nSpomaleni), &QLineEdit::textChanged, this,
            [&](const QString& text) { written << text; });
    bar->setSliderDown(true);
    for (int v = 1; v <= 40; ++v) {
        bar->setSliderPosition(v);
    }
    QVERIFY(written.isEmpty());
    bar->setSliderDown(false);
    QCOMPARE(written, QStringList{QStringLiteral("4001")});
}

void TestChoices::onlyThirtyFiveDraws_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("draws");
    QTest::newRow("35") << "opMenší" << true;
    QTest::newRow("60") << "opVětší" << false;
    QTest::newRow("critical") << "opMezní" << false;
    QTest::newRow("glass") << "opSklo" << false;
    QTest::newRow("distance") << "opVelkáDistance" << false;
}

void TestChoices::onlyThirtyFiveDraws()
{
    QFETCH(QString, option);
    QFETCH(bool, draws);
    // Cover the mark start-up left, so drawing it again shows.
    m_window->picture().line(600, 7440, 900, 7440, colours::white);
    const QImage before = m_window->picture().image().copy();
    act(option);
    QCOMPARE(m_window->picture().image() != before, draws);
}

QTEST_MAIN(TestChoices)
#include "test_choices.moc"
