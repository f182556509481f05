// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the model tells its listeners after each operation, which is all a front end shows; and
// the whole of Start: the check, the cleared picture, the run begun, or the refusal and nothing
// else.

#include "Curves.h"
#include "RecordingSurface.h"
#include "SweepSums.h"
#include "WindowModel.h"

#include <QTest>

namespace {
std::optional<Control> controlNamed(const QString& name)
{
    for (std::size_t i = 0; i < controlCount; ++i) {
        if (QString::fromUtf8(controlNames[i].data(), qsizetype(controlNames[i].size())) == name) {
            return Control(i);
        }
    }
    return std::nullopt;
}

// Plays one operation, written as "click:opSklo", "type:nIndex=2", "scroll:5", "start",
// "step", "key:P", "key:Escape" or "key:ArrowRight" (the run's keys), "end" (Konec) or
// "endRun".
void play(WindowModel& model, const QString& operation)
{
    const QString what = operation.section(u':', 0, 0);
    const QString argument = operation.section(u':', 1);
    if (what == QStringLiteral("click")) {
        model.click(*controlNamed(argument));
    } else if (what == QStringLiteral("type")) {
        model.setText(*controlNamed(argument.section(u'=', 0, 0)),
                      argument.section(u'=', 1).toStdString());
    } else if (what == QStringLiteral("scroll")) {
        model.scroll(argument.toInt());
    } else if (what == QStringLiteral("start")) {
        model.start();
    } else if (what == QStringLiteral("step")) {
        model.step();
    } else if (what == QStringLiteral("key")) {
        model.press(*runKeyNamed(argument.toStdString(), false));
    } else if (what == QStringLiteral("end")) {
        model.requestEnd();
    } else if (what == QStringLiteral("endRun")) {
        model.endRun();
    } else {
        QFAIL(qPrintable(QStringLiteral("no such operation: ") + operation));
    }
}

QStringList namesOf(const std::vector<Control>& controls)
{
    QStringList names;
    for (const Control c : controls) {
        names << QString::fromUtf8(nameOf(c).data(), qsizetype(nameOf(c).size()));
    }
    names.sort();
    return names;
}
} // namespace

class TestModelNotices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eachOperationSaysWhatChanged_data();
    void eachOperationSaysWhatChanged();
    void theNoticeAgreesWithThePanel();
    void wholeStart_data();
    void wholeStart();
    void wholeStartToItsEnd_data();
    void wholeStartToItsEnd();
};

void TestModelNotices::eachOperationSaysWhatChanged_data()
{
    QTest::addColumn<QStringList>("before");   // played first, unheard
    QTest::addColumn<QString>("operation");    // heard
    QTest::addColumn<int>("notices");          // 0 when nothing changed
    QTest::addColumn<QStringList>("controls"); // sorted
    QTest::addColumn<QString>("flags");        // of marker, picture, run, step

    QTest::newRow("glass") << QStringList{} << "click:opSklo" << 1
                           << QStringList{"nIndex", "nLátka", "nSklo", "nVoda", "opSklo", "opVoda"}
                           << "";
    QTest::newRow("water again changes nothing")
        << QStringList{} << "click:opVoda" << 0 << QStringList{} << "";
    QTest::newRow("35 again draws its mark only")
        << QStringList{} << "click:opMenší" << 1 << QStringList{} << "picture";
    QTest::newRow("critical angle")
        << QStringList{} << "click:opMezní" << 1
        << QStringList{"nAlfa", "nAlfaCaption", "opMenší", "opMezní"} << "";
    QTest::newRow("distance moves the marker")
        << QStringList{} << "click:opMaláDistance" << 1
        << QStringList{"nDistance", "opMaláDistance", "opStředníDistance"} << "marker";
    QTest::newRow("scroll bar") << QStringList{} << "scroll:5" << 1 << QStringList{"nSpomaleni"}
                                << "";
    QTest::newRow("typing") << QStringList{} << "type:nIndex=2" << 1 << QStringList{"nIndex"} << "";
    QTest::newRow("typing the same text")
        << QStringList{} << "type:nAlfa=35" << 0 << QStringList{} << "";
    QTest::newRow("a hidden field takes no text")
        << QStringList{} << "type:nLátka=Sklo" << 0 << QStringList{} << "";
    QTest::newRow("start") << QStringList{} << "start" << 1 << QStringList{"cmdStart"}
                           << "picture,run";
    QTest::newRow("start refused")
        << QStringList{"type:nAlfa=x"} << "start" << 0 << QStringList{} << "";
    QTest::newRow("a step") << QStringList{"start"} << "step" << 1 << QStringList{}
                            << "picture,step";
    QTest::newRow("pause") << QStringList{"start"} << "key:P" << 1 << QStringList{} << "run";
    QTest::newRow("a paused run draws nothing")
        << QStringList{"start", "key:P"} << "step" << 0 << QStringList{} << "";
    QTest::newRow("start during a run tells nothing")
        << QStringList{"start"} << "start" << 0 << QStringList{} << "";
    QTest::newRow("Konec with no run tells nothing")
        << QStringList{} << "end" << 0 << QStringList{} << "";
    QTest::newRow("Esc stops the run")
        << QStringList{"start", "step"} << "key:Escape" << 1 << QStringList{} << "run";
    QTest::newRow("a stopped run draws nothing more")
        << QStringList{"start", "step", "key:Escape"} << "step" << 0 << QStringList{} << "";
    QTest::newRow("the right arrow asks one step of a paused run")
        << QStringList{"start", "key:P", "key:ArrowRight"} << "step" << 1 << QStringList{}
        << "picture,step";
    QTest::newRow("one step asked, one drawn")
        << QStringList{"start", "key:P", "key:ArrowRight", "step"} << "step" << 0 << QStringList{}
        << "";
    QTest::newRow("resumed, the run draws again")
        << QStringList{"start", "key:P", "key:P"} << "step" << 1 << QStringList{} << "picture,step";
    QTest::newRow("Konec during a run")
        << QStringList{"start"} << "end" << 1 << QStringList{} << "run";
    QTest::newRow("the run ends") << QStringList{"start", "end", "step"} << "endRun" << 1
                                  << QStringList{"cmdStart"} << "run";
}

void TestModelNotices::eachOperationSaysWhatChanged()
{
    QFETCH(QStringList, before);
    QFETCH(QString, operation);
    QFETCH(int, notices);
    QFETCH(QStringList, controls);
    QFETCH(QString, flags);

    RecordingSurface picture;
    WindowModel model(picture);
    model.setNumberFormat({"."});
    model.load();
    for (const QString& op : before) {
        play(model, op);
    }
    std::vector<ModelChange> heard;
    model.subscribe([&heard](const ModelChange& change) { heard.push_back(change); });
    const std::uint64_t revision = model.revision();
    play(model, operation);

    QCOMPARE(int(heard.size()), notices);
    QCOMPARE(model.revision(), revision + std::uint64_t(notices));
    if (notices == 0) {
        return;
    }
    const ModelChange& change = heard.front();
    QCOMPARE(namesOf(change.controls), controls);
    QStringList seen;
    if (change.marker) {
        seen << QStringLiteral("marker");
    }
    if (change.picture) {
        seen << QStringLiteral("picture");
    }
    if (change.run) {
        seen << QStringLiteral("run");
    }
    if (change.step) {
        seen << QStringLiteral("step");
    }
    QCOMPARE(seen.join(u','), flags);
}

// A view that starts from the panel and applies only what the notices name ends where the
// panel is, through a long mixed sequence.
void TestModelNotices::theNoticeAgreesWithThePanel()
{
    RecordingSurface picture;
    WindowModel model(picture);
    model.setNumberFormat({","});
    PanelState view = model.panel();
    model.subscribe([&](const ModelChange& change) {
        for (const Control c : change.controls) {
            view[c] = model.state(c);
        }
        if (change.marker) {
            view.markerY = model.panel().markerY;
            view.detectorHLabelLeft = model.panel().detectorHLabelLeft;
            view.detectorHLabelTop = model.panel().detectorHLabelTop;
        }
    });
    model.load();
    for (const char* op : {"click:opSklo", "click:opMezní", "click:opVelkáDistance", "scroll:9",
                           "type:nAlfa=12,5", "click:opPomalá", "start", "step", "step", "end",
                           "step", "endRun", "click:opVoda", "click:opVětší"}) {
        play(model, QString::fromUtf8(op));
        QVERIFY2(view.controls == model.panel().controls, op);
        QCOMPARE(view.markerY, model.panel().markerY);
        QCOMPARE(view.detectorHLabelTop, model.panel().detectorHLabelTop);
    }
}

void TestModelNotices::wholeStart_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<int>("refusedField"); // when it does not run

    QTest::newRow("start-up settings") << "1.33"
                                       << "35" << true << 0;
    QTest::newRow("typed numbers in range") << "2.5"
                                            << "10" << true << 0;
    QTest::newRow("index no number") << "abc"
                                     << "35" << false << int(Control::nIndex);
    QTest::newRow("angle out of range") << "1.33"
                                        << "91" << false << int(Control::nAlfa);
    QTest::newRow("index checked first") << "0.1"
                                         << "x" << false << int(Control::nIndex);
}

void TestModelNotices::wholeStart()
{
    QFETCH(QString, index);
    QFETCH(QString, alpha);
    QFETCH(bool, runs);
    QFETCH(int, refusedField);

    RecordingSurface picture;
    WindowModel model(picture);
    model.setNumberFormat({"."});
    model.load();
    model.setText(Control::nIndex, index.toStdString());
    model.setText(Control::nAlfa, alpha.toStdString());
    const std::vector<DrawCall> drawnBefore = picture.calls; // the 35 option's mark
    const PanelState panelBefore = model.panel();

    const std::optional<Refusal> refusal = model.start();
    QCOMPARE(!refusal.has_value(), runs);
    QCOMPARE(model.running(), runs);
    if (!runs) {
        // Nothing at all changes: the picture keeps what it had, the panel is as it was.
        QCOMPARE(int(refusal->field), refusedField);
        QCOMPARE(refusal->typed,
                 (refusedField == int(Control::nIndex) ? index : alpha).toStdString());
        QCOMPARE(picture.clears, 0);
        QCOMPARE(picture.calls.size(), drawnBefore.size());
        QVERIFY(model.panel().controls == panelBefore.controls);
        return;
    }
    // The picture was cleared before the run drew its scene: the mark is gone, the scene's
    // grey paint-over comes first.
    QCOMPARE(picture.clears, 1);
    QCOMPARE(drawnBefore.size(), std::size_t(1));
    const DrawCall mark = drawnBefore.front();
    QCOMPARE(picture.count([&mark](const DrawCall& c) {
        return c.x1 == mark.x1 && c.y1 == mark.y1 && c.x2 == mark.x2 && c.y2 == mark.y2;
    }),
             std::size_t(0));
    QCOMPARE(model.runSettings().refrIndex, index.toDouble());
    QCOMPARE(model.runSettings().alpha, alpha.toDouble());
    QVERIFY(!model.state(Control::cmdStart).enabled);
    // Start during the run neither clears nor begins anything.
    QVERIFY(model.step());
    const std::size_t drawn = picture.calls.size();
    QVERIFY(!model.start());
    QCOMPARE(picture.clears, 1);
    QCOMPARE(picture.calls.size(), drawn);
    QVERIFY(model.running());
}

void TestModelNotices::wholeStartToItsEnd_data()
{
    QTest::addColumn<QString>("substance");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("alpha"); // typed after the choices; empty: as chosen

    QTest::newRow("water 35 middle") << "opVoda"
                                     << "opMenší"
                                     << "opStředníDistance"
                                     << "";
    QTest::newRow("glass critical near") << "opSklo"
                                         << "opMezní"
                                         << "opMaláDistance"
                                         << "";
    QTest::newRow("water 60 far, 75 typed") << "opVoda"
                                            << "opVětší"
                                            << "opVelkáDistance"
                                            << "75";
}

// From Start to the run's end as a front end drives it: one notice that the run began, one per
// step drawn, one that it ended; the curves kept are those of the settings shown, each point the
// one the sweep's sums give for its step.
void TestModelNotices::wholeStartToItsEnd()
{
    QFETCH(QString, substance);
    QFETCH(QString, angle);
    QFETCH(QString, distance);
    QFETCH(QString, alpha);

    RecordingSurface picture;
    WindowModel model(picture);
    model.setNumberFormat({"."});
    model.load();
    for (const QString& option : {substance, angle, distance}) {
        model.click(*controlNamed(option));
    }
    if (!alpha.isEmpty()) {
        model.setText(Control::nAlfa, alpha.toStdString());
    }
    const RunSettings chosen = model.chosenSettings();

    std::vector<ModelChange> heard;
    model.subscribe([&heard](const ModelChange& change) { heard.push_back(change); });
    QVERIFY(!model.start());
    QCOMPARE(model.runSettings(), chosen);
    int steps = 0;
    while (!model.runOver()) {
        const std::optional<DrawnStep> drawn = model.step();
        QVERIFY(drawn);
        QCOMPARE(drawn->step.index, steps);
        ++steps;
        QVERIFY(steps <= scene::sweepSteps);
    }
    QCOMPARE(steps, scene::sweepSteps);
    QVERIFY(!model.step()); // the last step was the last
    model.endRun();

    QCOMPARE(int(heard.size()), scene::sweepSteps + 2);
    QVERIFY(heard.front().run && heard.front().picture && !heard.front().step);
    for (int k = 1; k <= scene::sweepSteps; ++k) {
        QVERIFY(heard[std::size_t(k)].step && !heard[std::size_t(k)].run);
    }
    QVERIFY(heard.back().run && !heard.back().step);
    QCOMPARE(namesOf(heard.back().controls), QStringList{"cmdStart"});
    QVERIFY(model.state(Control::cmdStart).enabled);
    QVERIFY(!model.running());

    // The curves, against the sums of the whole sweep worked out on their own.
    QVERIFY(model.lastCurves());
    const CurveRecord& curves = *model.lastCurves();
    QCOMPARE(curves.settings, chosen);
    QCOMPARE(model.shownSettings(), chosen);
    const RunParameters parameters =
        chooseRunParameters(chosen.angleCase, chosen.substance, chosen.distance);
    const std::vector<StepResultants> sums =
        sumSweep(ChainSums(SumInputs::from(chosen, parameters)), 2);
    QCOMPARE(int(curves.points.size()), scene::sweepSteps);
    for (int k = 0; k < scene::sweepSteps; ++k) {
        const CurvePoint expected = curvePoint(parameters, SweepStep{k}, sums[std::size_t(k)]);
        const CurvePoint& got = curves.points[std::size_t(k)];
        QCOMPARE(got.vSquared, expected.vSquared);
        QCOMPARE(got.hSquared, expected.hSquared);
        QCOMPARE(got.lSquared, expected.lSquared);
    }
}

QTEST_APPLESS_MAIN(TestModelNotices)
#include "test_model_notices.moc"
