// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A run driven through the model as a front end drives it: one step at a time, steered by the
// run's keys, Konec and the close box; its pace read after every step; and what becomes of the
// user's input meanwhile.

#include "InputRule.h"
#include "RecordingSurface.h"
#include "WindowModel.h"

#include <QTest>

namespace {
constexpr int steps = 467;

// A model after Load with a run begun on the start-up settings.
struct Running
{
    RecordingSurface picture;
    WindowModel model{picture};
    Running()
    {
        model.load();
        picture.calls.clear();
        model.start();
    }
    // Asks for steps as a front end's timer would, at most tries times; the steps drawn.
    int drive(int tries)
    {
        int drawn = 0;
        for (int i = 0; i < tries && !model.runOver(); ++i) {
            drawn += model.step().has_value() ? 1 : 0;
        }
        return drawn;
    }
};
} // namespace

class TestRunSteering : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aWholeRunThenCurves();
    void pauseWaitsAndRightDrawsOneStep();
    void escStopsAfterTheStepOnTheScreen_data();
    void escStopsAfterTheStepOnTheScreen();
    void keysSteerOnlyDuringARun();
    void endRequests_data();
    void endRequests();
    void paceIsReadAfterEveryStep();
    void inputDuringARun_data();
    void inputDuringARun();
    void exportsShowThePanelOfTheirRun();
    void progressCountsTheStepsDrawn();
};

void TestRunSteering::aWholeRunThenCurves()
{
    Running r;
    QVERIFY(r.model.running());
    QVERIFY(r.model.checkStart().index() == 0);
    QCOMPARE(r.drive(10 * steps), steps);
    QVERIFY(r.model.runOver());
    r.model.endRun();
    QVERIFY(!r.model.running());
    QCOMPARE(int(r.model.lastCurves()->points.size()), steps);
    QCOMPARE(r.model.steering().state(), RunState::Idle);
}

void TestRunSteering::pauseWaitsAndRightDrawsOneStep()
{
    Running r;
    QCOMPARE(r.drive(10), 10);
    QVERIFY(r.model.press(RunKey::PauseResume));
    QCOMPARE(r.model.steering().state(), RunState::Paused);
    QCOMPARE(r.drive(50), 0); // paused: nothing is drawn however often a step is asked for
    QVERIFY(r.model.press(RunKey::StepOnce));
    QVERIFY(r.model.press(RunKey::StepOnce));
    QCOMPARE(r.drive(50), 2); // exactly one step per Right press
    // A held P repeats: taken up, but it changes nothing.
    QVERIFY(r.model.press(RunKey::PauseResume, true));
    QCOMPARE(r.model.steering().state(), RunState::Paused);
    QVERIFY(r.model.press(RunKey::PauseResume));
    QCOMPARE(r.drive(10 * steps), steps - 12);
    QVERIFY(r.model.runOver());
}

void TestRunSteering::escStopsAfterTheStepOnTheScreen_data()
{
    QTest::addColumn<bool>("paused");
    QTest::newRow("running") << false;
    QTest::newRow("paused") << true;
}

void TestRunSteering::escStopsAfterTheStepOnTheScreen()
{
    QFETCH(bool, paused);
    Running r;
    QCOMPARE(r.drive(5), 5);
    if (paused) {
        r.model.press(RunKey::PauseResume);
    }
    QVERIFY(r.model.press(RunKey::Stop));
    QVERIFY(r.model.runOver());
    QVERIFY(!r.model.step());
    r.model.endRun();
    QCOMPARE(int(r.model.lastCurves()->points.size()), 5);
    // The next run starts afresh, not paused and not stopped.
    r.model.start();
    QCOMPARE(r.drive(10 * steps), steps);
}

void TestRunSteering::keysSteerOnlyDuringARun()
{
    RecordingSurface picture;
    WindowModel model(picture);
    model.load();
    for (RunKey key : {RunKey::Stop, RunKey::PauseResume, RunKey::StepOnce}) {
        QVERIFY(!model.press(key));
    }
    model.start();
    // The Right arrow keeps its usual meaning while the run goes.
    QVERIFY(!model.press(RunKey::StepOnce));
    QVERIFY(model.step());
}

void TestRunSteering::endRequests_data()
{
    QTest::addColumn<bool>("duringRun");
    QTest::newRow("idle: closes at once") << false;
    QTest::newRow("running: after the step") << true;
}

void TestRunSteering::endRequests()
{
    QFETCH(bool, duringRun);
    RecordingSurface picture;
    WindowModel model(picture);
    model.load();
    if (!duringRun) {
        QCOMPARE(model.requestEnd(), EndAction::CloseNow);
        return;
    }
    model.start();
    QVERIFY(model.step());
    QCOMPARE(model.requestEnd(), EndAction::CloseAfterRun);
    QVERIFY(model.runOver());
    QVERIFY(!model.step());
    QVERIFY(model.steering().endRequested());
    model.endRun();
    QCOMPARE(int(model.lastCurves()->points.size()), 1);
}

void TestRunSteering::paceIsReadAfterEveryStep()
{
    Running r;
    std::vector<std::int64_t> counts;
    for (int k = 0; k < 4; ++k) {
        if (k == 2) {
            r.model.scroll(7); // the scroll bar acts at once during a run
        }
        counts.push_back(r.model.step()->slowDownCount);
    }
    QCOMPARE(counts, (std::vector<std::int64_t>{1, 1, 701, 701}));
    r.model.setText(Control::nSpomaleni, "1"); // the hidden field shows the count, takes none
    QCOMPARE(r.model.step()->slowDownCount, 701);
}

void TestRunSteering::inputDuringARun_data()
{
    QTest::addColumn<int>("target"); // -1: no control (the picture)
    QTest::addColumn<bool>("press");
    QTest::addColumn<int>("verdict");
    const int hold = int(InputVerdict::Hold);
    const int deliver = int(InputVerdict::Deliver);
    const int drop = int(InputVerdict::Drop);
    QTest::newRow("Start pressed: dropped") << int(Control::cmdStart) << true << drop;
    QTest::newRow("other input on Start waits") << int(Control::cmdStart) << false << hold;
    QTest::newRow("Konec pressed: at once") << int(Control::cmdKonec) << true << deliver;
    QTest::newRow("a key on Konec waits") << int(Control::cmdKonec) << false << hold;
    QTest::newRow("pace scroll bar: at once") << int(Control::HScroll1) << true << deliver;
    QTest::newRow("pace arrows keys: at once") << int(Control::HScroll1) << false << deliver;
    QTest::newRow("an option waits") << int(Control::opSklo) << true << hold;
    QTest::newRow("typing waits") << int(Control::nAlfa) << false << hold;
    QTest::newRow("the picture waits") << -1 << true << hold;
}

void TestRunSteering::inputDuringARun()
{
    QFETCH(int, target);
    QFETCH(bool, press);
    QFETCH(int, verdict);
    const std::optional<Control> control =
        target < 0 ? std::nullopt : std::optional(Control(target));
    QCOMPARE(int(inputDuringRun(control, press ? InputKind::Press : InputKind::Other)), verdict);
}

void TestRunSteering::exportsShowThePanelOfTheirRun()
{
    Running r;
    r.drive(10 * steps);
    r.model.endRun();
    r.model.click(Control::opSklo); // after the run: the live panel changes, the run's does not
    QVERIFY(r.model.state(Control::nSklo).visible);
    QVERIFY(!r.model.runPanel()[Control::nSklo].visible);
    QVERIFY(r.model.runPanel()[Control::nVoda].visible);
    QCOMPARE(r.model.runPanel()[Control::nLátka].text, std::string("Voda"));
}

void TestRunSteering::progressCountsTheStepsDrawn()
{
    Running r;
    QCOMPARE(r.model.progress(), (RunProgress{0, steps}));
    QCOMPARE(r.drive(116), 116);
    QCOMPARE(r.model.progress(), (RunProgress{116, steps}));
    QCOMPARE(progressStage(*r.model.progress()), 0);
    QCOMPARE(r.drive(1), 1); // 117 of 467: a quarter, said
    QCOMPARE(progressStage(*r.model.progress()), 1);
    // What a touch bar offers follows what the keys would do: no single step while running.
    const auto offered = [&r] {
        QList<bool> out;
        for (const RunKey key : {RunKey::Stop, RunKey::PauseResume, RunKey::StepOnce}) {
            out << r.model.steering().steers(key);
        }
        return out;
    };
    QCOMPARE(offered(), (QList<bool>{true, true, false}));
    // Paused, the count stands; each step asked for counts once.
    QVERIFY(r.model.press(RunKey::PauseResume));
    QCOMPARE(offered(), (QList<bool>{true, true, true}));
    QCOMPARE(r.drive(20), 0);
    QVERIFY(r.model.press(RunKey::StepOnce));
    QCOMPARE(r.drive(20), 1);
    QCOMPARE(r.model.progress()->drawn, 118);
    QVERIFY(r.model.press(RunKey::PauseResume));
    r.drive(10 * steps);
    QCOMPARE(r.model.progress(), (RunProgress{steps, steps}));
    QCOMPARE(progressStage(*r.model.progress()), 4);
    r.model.endRun();
    QVERIFY(!r.model.progress().has_value()); // no run, no count
    QCOMPARE(offered(), (QList<bool>{false, false, false}));
}

QTEST_APPLESS_MAIN(TestRunSteering)
#include "test_run_steering.moc"
