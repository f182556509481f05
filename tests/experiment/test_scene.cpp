// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The first stage of a run: the paint-over, the substance and the apparatus, call by call.

#include "DrawCallChecks.h"
#include "RecordingSurface.h"
#include "Scene.h"

#include <QLineF>
#include <QTest>

namespace {
constexpr int greyLines = 9000;
constexpr int greenLines = 2500;
constexpr int firstGrey = 0;                            // the paint-over comes first
constexpr int firstGreen = firstGrey + greyLines;       // 9000
constexpr int apparatusStart = firstGreen + greenLines; // 11500: DrawWidth 2
constexpr int totalCalls = apparatusStart + 1 + 3 + 1 + 4;
} // namespace

class TestScene : public QObject
{
    Q_OBJECT

private slots:
    void paintOverAndSubstance_data();
    void paintOverAndSubstance();
    void apparatus_data();
    void apparatus();
};

void TestScene::paintOverAndSubstance_data()
{
    QTest::addColumn<double>("distance");
    QTest::newRow("near detector") << 100.0;
    QTest::newRow("middle detector") << 750.0;
    QTest::newRow("far detector") << 1500.0;
}

void TestScene::paintOverAndSubstance()
{
    QFETCH(double, distance);
    RecordingSurface surface;
    drawScene(surface, distance);
    const auto& calls = surface.calls;

    QCOMPARE(int(calls.size()), totalCalls);
    for (int i = 1; i <= greyLines; ++i) {
        const DrawCall& c = calls[firstGrey + i - 1];
        VERIFY_CALL(isLine(c, 1, i + 1, 12000, i, colours::sceneGrey, 0) && c.drawWidth == 1, c);
    }
    for (int i = 1; i <= greenLines; ++i) {
        const DrawCall& c = calls[firstGreen + i - 1];
        VERIFY_CALL(isLine(c, 2650, 5000 + i, 11500, 5000 + i, colours::substanceGreen, 0) &&
                        c.drawWidth == 1,
                    c);
    }
}

void TestScene::apparatus_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<int>("call");
    QTest::addColumn<int>("width");
    QTest::addColumn<QLineF>("line"); // an empty line marks a DrawWidth call

    struct Row
    {
        const char* name;
        int offset;
        int width;
        QLineF line;
    };
    const Row rows[] = {
        {"width 2 first", 0, 2, {}},
        {"surface", 1, 2, {2650, 5000, 11500, 5000}},
        {"spiral axis V", 2, 2, {9800, 500, 9800, 7500}},
        {"spiral axis L", 3, 2, {3000, 7000, 11500, 7000}},
        {"width back to 1", 4, 1, {}},
        {"probe line", 5, 1, {7300, 500, 7300, 7500}},
        {"detector L line", 7, 1, {3000, 6500, 11500, 6500}},
        {"normal of the lit stretch", 8, 1, {3100, 500, 3100, 7500}},
    };
    for (const Row& r : rows) {
        QTest::newRow(r.name) << 750.0 << apparatusStart + r.offset << r.width << r.line;
    }
    const std::pair<double, double> hLines[] = {{100, 4900}, {750, 4250}, {1500, 3500}};
    for (const auto& [distance, y] : hLines) {
        QTest::addRow("detector H line at distance %g", distance)
            << distance << apparatusStart + 6 << 1 << QLineF(3000, y, 11500, y);
    }
}

void TestScene::apparatus()
{
    QFETCH(double, distance);
    QFETCH(int, call);
    QFETCH(int, width);
    QFETCH(QLineF, line);

    RecordingSurface surface;
    drawScene(surface, distance);
    const DrawCall& c = surface.calls.at(call);
    if (line.isNull()) {
        VERIFY_CALL(isDrawWidth(c, width), c);
    } else {
        VERIFY_CALL(isLine(c, line.x1(), line.y1(), line.x2(), line.y2(), std::nullopt, 0) &&
                        c.drawWidth == width,
                    c);
    }
}

QTEST_APPLESS_MAIN(TestScene)
#include "test_scene.moc"
