// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel as the model holds it: Load, every option's handler and the scroll bar,
// played as sequences of clicks and checked against what each control then shows; and the one
// handler that draws.

#include "RecordingSurface.h"
#include "WindowModel.h"

#include <QTest>

namespace {
struct Action
{
    QString what; // a control's name, "name:=text" for typing, or "scroll=v"
    QMap<QString, QString> expect;
};
using Sequence = QList<Action>;

std::optional<Control> controlNamed(const QString& name)
{
    for (std::size_t i = 0; i < controlCount; ++i) {
        if (QString::fromUtf8(controlNames[i].data(), qsizetype(controlNames[i].size())) == name) {
            return Control(i);
        }
    }
    return std::nullopt;
}

QString textOf(const WindowModel& model, Control c)
{
    return QString::fromStdString(model.state(c).text);
}
} // namespace

Q_DECLARE_METATYPE(Sequence)

class TestPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadLeavesTheDesignStartState();
    void sequences_data();
    void sequences();
    void numbersFollowTheFormat_data();
    void numbersFollowTheFormat();
    void onlyThirtyFiveDraws_data();
    void onlyThirtyFiveDraws();
};

void TestPanel::loadLeavesTheDesignStartState()
{
    RecordingSurface picture;
    WindowModel model(picture);
    QCOMPARE(textOf(model, Control::nAlfaCaption), QStringLiteral("nAlfaCaption"));
    model.load();
    for (Control on :
         {Control::opVoda, Control::opMenší, Control::opStředníDistance, Control::opRychlá}) {
        QVERIFY2(model.state(on).checked, nameOf(on).data());
    }
    for (Control off : {Control::opSklo, Control::opMezní, Control::opVětší,
                        Control::opMaláDistance, Control::opVelkáDistance, Control::opPomalá}) {
        QVERIFY2(!model.state(off).checked, nameOf(off).data());
    }
    QCOMPARE(textOf(model, Control::nIndex), QStringLiteral("1.33"));
    QCOMPARE(textOf(model, Control::nAlfa), QStringLiteral("35"));
    QCOMPARE(textOf(model, Control::nLátka), QStringLiteral("Voda"));
    QCOMPARE(textOf(model, Control::nAlfaCaption), QStringLiteral("35"));
    QCOMPARE(textOf(model, Control::nDistance), QStringLiteral("750"));
    QCOMPARE(textOf(model, Control::nSpomaleni), QStringLiteral("1"));
    QVERIFY(model.state(Control::nVoda).visible);
    QVERIFY(!model.state(Control::nSklo).visible);
    QVERIFY(!model.state(Control::frmAnimace).visible);
    QVERIFY(!model.state(Control::nLátka).visible);
    // Load selects through the handlers: 35's draws its mark, the distance's moves the marker.
    QCOMPARE(int(picture.calls.size()), 1);
    QCOMPARE(model.panel().markerY, 4280);
    QCOMPARE(model.slowDownCount(), 1);
    QVERIFY(!model.running());
}

void TestPanel::sequences_data()
{
    QTest::addColumn<Sequence>("steps");
    QTest::newRow("critical angle follows the substance") << Sequence{
        {"opMezní", {{"nAlfa", "48.783"}, {"nIndex", "1.33"}, {"nAlfaCaption", "Mezní"}}},
        {"opSklo", {{"nAlfa", "41.839"}, {"nIndex", "1.5"}, {"nLátka", "Sklo"}}},
        {"opVoda", {{"nAlfa", "48.783"}, {"nIndex", "1.33"}}}};
    QTest::newRow("a fixed angle keeps a typed index")
        << Sequence{{"nIndex:=1.7", {}},
                    {"opVětší", {{"nIndex", "1.7"}, {"nAlfa", "60"}, {"nAlfaCaption", "60"}}},
                    {"opMezní", {{"nIndex", "1.33"}, {"nAlfa", "48.783"}}}};
    // The hidden fields show the choices; a text written into one chooses nothing.
    QTest::newRow("a substance written into nLátka is no choice")
        << Sequence{{"nLátka:=Sklo", {{"nLátka", "Voda"}}},
                    {"opMezní", {{"nAlfa", "48.783"}, {"nIndex", "1.33"}}}};
    QTest::newRow("an angle written into nAlfaCaption is no choice")
        << Sequence{{"opMezní", {}},
                    {"nAlfaCaption:=60", {{"nAlfaCaption", "Mezní"}}},
                    {"opSklo", {{"nAlfa", "41.839"}}}};
    QTest::newRow("a count written into nSpomaleni is no choice")
        << Sequence{{"scroll=3", {}}, {"nSpomaleni:=7", {{"nSpomaleni", "301"}}}};
    QTest::newRow("distances move the marker and the label") << Sequence{
        {"opMaláDistance", {{"nDistance", "100"}, {"marker", "4900"}, {"label", "5800,4600"}}},
        {"opVelkáDistance", {{"nDistance", "1500"}, {"marker", "3530"}, {"label", "5800,3700"}}}};
    QTest::newRow("the pace: the last control used wins")
        << Sequence{{"opPomalá", {{"nSpomaleni", "1000000"}}},
                    {"scroll=5", {{"nSpomaleni", "501"}}},
                    {"opPomalejší", {{"nSpomaleni", "500000"}}},
                    {"scroll=1000", {{"nSpomaleni", "100001"}}}};
    QTest::newRow("one option per frame")
        << Sequence{{"opSklo", {{"checked", "opSklo,opMenší,opStředníDistance,opRychlá"}}},
                    {"opVětší", {{"checked", "opSklo,opVětší,opStředníDistance,opRychlá"}}},
                    {"opMaláDistance", {{"checked", "opSklo,opVětší,opMaláDistance,opRychlá"}}}};
}

void TestPanel::sequences()
{
    QFETCH(Sequence, steps);
    RecordingSurface picture;
    WindowModel model(picture);
    model.load();
    for (const Action& action : steps) {
        if (action.what.startsWith(QStringLiteral("scroll="))) {
            model.scroll(action.what.section(u'=', 1).toInt());
        } else if (action.what.contains(QStringLiteral(":="))) {
            const auto field = controlNamed(action.what.section(QStringLiteral(":="), 0, 0));
            QVERIFY(field);
            model.setText(*field, action.what.section(QStringLiteral(":="), 1).toStdString());
        } else {
            const auto option = controlNamed(action.what);
            QVERIFY(option);
            model.click(*option);
        }
        for (auto it = action.expect.cbegin(); it != action.expect.cend(); ++it) {
            QString seen;
            if (it.key() == QStringLiteral("marker")) {
                seen = QString::number(model.panel().markerY);
            } else if (it.key() == QStringLiteral("label")) {
                seen = QStringLiteral("%1,%2")
                           .arg(model.panel().detectorHLabelLeft)
                           .arg(model.panel().detectorHLabelTop);
            } else if (it.key() == QStringLiteral("checked")) {
                QStringList checked;
                for (const OptionRow& row : optionTable) {
                    if (model.state(row.option).checked) {
                        checked << QString::fromUtf8(nameOf(row.option).data());
                    }
                }
                seen = checked.join(u',');
            } else {
                seen = textOf(model, *controlNamed(it.key()));
            }
            QVERIFY2(seen == it.value(), qPrintable(action.what + QStringLiteral(": ") + it.key() +
                                                    QStringLiteral(" is ") + seen));
        }
    }
}

void TestPanel::numbersFollowTheFormat_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("alfa");
    QTest::addColumn<QString>("index");
    QTest::newRow("czech") << ","
                           << "41,839"
                           << "1,5";
    QTest::newRow("english") << "."
                             << "41.839"
                             << "1.5";
}

void TestPanel::numbersFollowTheFormat()
{
    QFETCH(QString, separator);
    QFETCH(QString, alfa);
    QFETCH(QString, index);
    RecordingSurface picture;
    WindowModel model(picture);
    model.setNumberFormat({separator.toStdString()});
    model.load();
    model.click(Control::opSklo);
    model.click(Control::opMezní);
    QCOMPARE(textOf(model, Control::nAlfa), alfa);
    QCOMPARE(textOf(model, Control::nIndex), index);
    // What Start reads back is the number that was written.
    const auto settings = std::get<RunSettings>(model.checkStart());
    QCOMPARE(settings.alpha, 41.839);
    QCOMPARE(settings.refrIndex, 1.5);
    QCOMPARE(settings.angleCase, AngleCase::Critical);
}

void TestPanel::onlyThirtyFiveDraws_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("calls");
    QTest::newRow("35") << "opMenší" << 1;
    QTest::newRow("60") << "opVětší" << 0;
    QTest::newRow("critical") << "opMezní" << 0;
    QTest::newRow("glass") << "opSklo" << 0;
    QTest::newRow("distance") << "opVelkáDistance" << 0;
    QTest::newRow("pace") << "opPomalá" << 0;
}

void TestPanel::onlyThirtyFiveDraws()
{
    QFETCH(QString, option);
    QFETCH(int, calls);
    RecordingSurface picture;
    WindowModel model(picture);
    model.load();
    QCOMPARE(int(picture.calls.size()), 1); // Load selects 35
    picture.calls.clear();
    model.click(*controlNamed(option));
    QCOMPARE(int(picture.calls.size()), calls);
    if (calls == 1) {
        // A short mark from (770, 7440) leftwards, 100 sin 35° long with the program's pi.
        const DrawCall& mark = picture.calls.front();
        QCOMPARE(mark.x1, 770.f);
        QCOMPARE(mark.y1, 7440.f);
        QCOMPARE(mark.y2, 7440.f);
        QVERIFY(std::abs(mark.x2 - (770 - 100 * std::sin(35 * 3.14 / 180))) < 1e-3);
    }
}

QTEST_APPLESS_MAIN(TestPanel)
#include "test_panel.moc"
