// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's layout as every front end reads it, against the window as designed: each
// control's kind and place, the scroll bar the runs keep off, the detectors' places; and a run
// of the model with settings that throw its drawing far, which stays on the scene.

#include "RecordingSurface.h"
#include "WindowLayout.h"
#include "WindowModel.h"

#include <QTest>

namespace {
const char* kindName(layout::Kind kind)
{
    constexpr const char* names[] = {"caption", "field",  "hidden", "button",
                                     "frame",   "option", "scroll", "label"};
    return names[int(kind)];
}
} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controls_data();
    void controls();
    void theSceneKeepsOffTheScrollBar();
    void detectorsStand_data();
    void detectorsStand();
};

void TestWindowLayout::controls_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QList<int>>("box");
    const auto row = [](Control c, const char* kind, const char* frame, QList<int> box) {
        QTest::newRow(nameOf(c).data())
            << int(c) << QString::fromLatin1(kind) << QString::fromUtf8(frame) << box;
    };
    row(Control::nuBrontel, "caption", "", {4440, 0, 2295, 375});
    row(Control::cmdStart, "button", "", {6840, 0, 975, 375});
    row(Control::nAlfa, "field", "", {960, 5040, 855, 330});
    row(Control::frmDopad, "frame", "", {480, 5400, 1335, 1095});
    row(Control::opMezní, "option", "frmDopad", {360, 480, 735, 255});
    row(Control::opVětší, "option", "frmDopad", {480, 720, 615, 255});
    row(Control::opMenší, "option", "frmDopad", {240, 240, 735, 195});
    row(Control::nAlfaCaption, "hidden", "", {2880, 120, 735, 285});
    row(Control::nLátka, "hidden", "", {2040, 120, 735, 285});
    row(Control::nIndex, "field", "", {720, 1440, 855, 330});
    row(Control::frmLátka, "frame", "", {480, 1800, 975, 975});
    row(Control::opVoda, "option", "frmLátka", {120, 240, 735, 255});
    row(Control::opSklo, "option", "frmLátka", {120, 600, 735, 255});
    row(Control::nDistance, "hidden", "", {2040, 3960, 495, 285});
    row(Control::frmDistance, "frame", "", {240, 3120, 1935, 1335});
    row(Control::opVelkáDistance, "option", "frmDistance", {120, 240, 1335, 255});
    row(Control::opStředníDistance, "option", "frmDistance", {600, 600, 855, 255});
    row(Control::opMaláDistance, "option", "frmDistance", {1080, 960, 615, 255});
    row(Control::nTextIndex, "caption", "", {480, 1200, 1095, 285});
    row(Control::nDetektorH, "caption", "", {5640, 3840, 1215, 285});
    row(Control::nDetektorS, "caption", "", {8400, 6120, 1215, 255});
    row(Control::nDetektorV, "caption", "", {5880, 1200, 1215, 285});
    row(Control::nCornuovySpirály, "caption", "", {7800, 600, 1815, 255});
    row(Control::nPravd2podobnost, "caption", "", {7440, 960, 1935, 285});
    row(Control::cmdKonec, "button", "", {8040, 0, 1215, 375});
    row(Control::labKlepnete, "label", "", {3960, 1800, 3255, 855});
    row(Control::nSklo, "caption", "", {8160, 5280, 615, 285});
    row(Control::nVoda, "caption", "", {8280, 5280, 735, 285});
    row(Control::nCornuLatka, "caption", "", {3240, 6600, 1815, 330});
    row(Control::nSpomaleni, "hidden", "", {5040, 720, 855, 375});
    row(Control::frmAnimace, "frame", "", {480, 6600, 1335, 1095});
    row(Control::opRychlá, "option", "frmAnimace", {120, 240, 855, 255});
    row(Control::opPomalejší, "option", "frmAnimace", {120, 480, 1095, 255});
    row(Control::opPomalá, "option", "frmAnimace", {120, 720, 975, 255});
    row(Control::HScroll1, "scroll", "", {4080, 480, 2415, 255});
}

void TestWindowLayout::controls()
{
    QFETCH(int, control);
    QFETCH(QString, kind);
    QFETCH(QString, frame);
    QFETCH(QList<int>, box);
    const layout::ControlLayout& c = layout::of(Control(control));
    QCOMPARE(int(c.control), control);
    QCOMPARE(QString::fromLatin1(kindName(c.kind)), kind);
    QCOMPARE(c.frame ? QString::fromUtf8(nameOf(*c.frame).data()) : QString(), frame);
    QCOMPARE((QList<int>{c.box.left, c.box.top, c.box.width, c.box.height}), box);
    // An option lies inside its frame.
    if (c.frame) {
        const layout::Box f = layout::of(*c.frame).box;
        QVERIFY(c.box.left + c.box.width <= f.width && c.box.top + c.box.height <= f.height);
    }
}

void TestWindowLayout::theSceneKeepsOffTheScrollBar()
{
    // The example that drew a black slab around the title and the scroll bar: water, 35°,
    // index 1, angle 89.99. Nothing the model's run draws reaches the bar (4080 ... 6495 by
    // 480 ... 735) or the panel left of 2640.
    RecordingSurface picture;
    WindowModel model(picture);
    model.setNumberFormat({"."});
    model.load();
    model.setText(Control::nIndex, "1");
    model.setText(Control::nAlfa, "89.99");
    QVERIFY(!model.start());
    while (!model.runOver()) {
        model.step();
    }
    const auto onBar = [](float x, float y) {
        return x > 4080 && x < 6495 && y > 480 && y < 735;
    };
    int off = 0;
    for (const DrawCall& c : picture.calls) {
        if (c.kind != DrawCall::Kind::Line || c.colour == colours::sceneGrey) {
            continue; // the grey paint-over that wipes the window passes whole
        }
        for (int i = 0; i <= 20; ++i) {
            const float x = c.x1 + (c.x2 - c.x1) * float(i) / 20;
            const float y = c.y1 + (c.y2 - c.y1) * float(i) / 20;
            off += onBar(x, y) || x < 2640 - 1 ? 1 : 0;
        }
    }
    QCOMPARE(off, 0);
}

void TestWindowLayout::detectorsStand_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("distance");
    QTest::addColumn<QList<double>>("places"); // V, H, L: x, y each
    // V on the probe line at x 7300, 15 twips down each step from 500; H and L on 10 twips
    // a step from 3000; H's line the distance above the surface at 5000, L's 1500 below it.
    QTest::newRow("first step, 750")
        << 0 << 750.0 << QList<double>{7300, 500, 3000, 4250, 3000, 6500};
    QTest::newRow("last step, 100")
        << 466 << 100.0 << QList<double>{7300, 7490, 7660, 4900, 7660, 6500};
}

void TestWindowLayout::detectorsStand()
{
    QFETCH(int, step);
    QFETCH(double, distance);
    QFETCH(QList<double>, places);
    QList<double> seen;
    for (const layout::Point& p : layout::detectorPlaces(SweepStep{step}, distance)) {
        seen << p.x << p.y;
    }
    QCOMPARE(seen, places);
}

QTEST_APPLESS_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
