// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The accepted indices and angles keep the light paths and spirals right of the control panel,
// in every angle case; outside them (below the index, or at negative angles) they cross it.

#include "ChainSums.h"
#include "LightPaths.h"
#include "RunParameters.h"
#include "RunSettings.h"
#include "SettingRanges.h"
#include "SettingsOfKeys.h"
#include "Surface.h"
#include "SweepDrawing.h"

#include <QTest>

#include <algorithm>
#include <string_view>

namespace {
// The leftmost x of everything drawn on it.
class LeftmostSurface final : public Surface
{
public:
    double leftmost = 1e300;
    void setDrawWidth(int) override {}
    void line(float x1, float, float x2, float) override
    {
        leftmost = std::min({leftmost, double(x1), double(x2)});
    }
    void line(float x1, float y1, float x2, float y2, Colour) override { line(x1, y1, x2, y2); }
    void circle(float x, float, float radius) override
    {
        leftmost = std::min(leftmost, double(x - radius));
    }
};

// The light paths and every spiral of a run, where they reach furthest left.
double leftmostDrawn(double index, double angle, std::string_view angleKey)
{
    const RunSettings settings = settingsOfKeys(index, angle, angleKey, "Voda", "750", 750);
    LeftmostSurface surface;
    drawLightPaths(surface, settings);
    const ChainSums sums(SumInputs::from(
        settings, chooseRunParameters(settings.angleCase, settings.substance, settings.distance)));
    StepArrows arrows;
    for (int k = 0; k < scene::sweepSteps; ++k) {
        const SweepStep step{k};
        if (step.drawsChainV() || step.drawsChainL()) {
            sums.resultants(step, arrows);
            drawSpirals(surface, step, arrows);
        }
    }
    return surface.leftmost;
}

constexpr std::string_view angleKeys[] = {"35", "Mezní", "60"};
} // namespace

class TestSettingRanges : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void acceptedValuesStayInTheScene_data();
    void acceptedValuesStayInTheScene();
    void valuesJustOutsideCrossThePanel_data();
    void valuesJustOutsideCrossThePanel();
};

void TestSettingRanges::acceptedValuesStayInTheScene_data()
{
    QTest::addColumn<double>("index");
    const double lowest = ranges::refrIndex.lowest;
    for (const double index : {lowest, lowest + 0.05, lowest + 0.15, 0.75, 1.0, 1.33, 1.5, 2.0, 2.5,
                               3.0, 10.0, 1000.0}) {
        QTest::addRow("index %g", index) << index;
    }
}

void TestSettingRanges::acceptedValuesStayInTheScene()
{
    QFETCH(double, index);
    QVERIFY(ranges::refrIndex.contains(index));
    for (const std::string_view key : angleKeys) {
        for (double angle = ranges::angle.lowest; angle <= ranges::angle.highest; angle += 2.5) {
            const double left = leftmostDrawn(index, angle, key);
            QVERIFY2(left >= ranges::sceneLeftX,
                     qPrintable(QStringLiteral("angle %1, case %2: x %3")
                                    .arg(angle)
                                    .arg(QString::fromUtf8(key.data(), qsizetype(key.size())))
                                    .arg(left)));
        }
    }
}

void TestSettingRanges::valuesJustOutsideCrossThePanel_data()
{
    QTest::addColumn<double>("index");
    QTest::addColumn<double>("angle");
    QTest::newRow("index 0.105, spirals") << 0.105 << 8.75;
    QTest::newRow("index 0.135, spirals") << 0.135 << 69.0;
    QTest::newRow("angle -35, reflected beam") << 1.33 << -35.0;
    QTest::newRow("angle -20, reflected beam") << 1.33 << -20.0;
}

void TestSettingRanges::valuesJustOutsideCrossThePanel()
{
    QFETCH(double, index);
    QFETCH(double, angle);
    QVERIFY(!ranges::refrIndex.contains(index) || !ranges::angle.contains(angle));
    QVERIFY(leftmostDrawn(index, angle, "35") < ranges::sceneLeftX);
}

QTEST_APPLESS_MAIN(TestSettingRanges)
#include "test_setting_ranges.moc"
