// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explore view's sums against classical optics: the evanescent field's decay length, the
// false beam of a coarse sampling, the refracted light below the critical angle, tunnelling
// across a gap, and the gap's transmission against the textbook's closed form.

#include "ExploreSums.h"
#include "GapTransmission.h"

#include <QTest>

#include <cmath>

namespace {

ExploreSettings settingsFor(double n, double alpha)
{
    ExploreSettings s;
    s.index = n;
    s.index2 = n;
    s.alphaDegrees = alpha;
    return s;
}

// The decay length fitted to the height curve's intensity over d ≤ z ≤ 6d.
double fittedHeightDecay(const ExploreSettings& s, double d)
{
    std::vector<double> z;
    std::vector<double> intensity;
    for (const HeightRow& row : heightCurve(s)) {
        z.push_back(row.z);
        intensity.push_back(row.amplitudeSquared);
    }
    const std::optional<double> fitted = fittedDecayLength(z, intensity, d, 6 * d);
    return fitted ? *fitted : 0;
}

} // namespace

class TestExploreSums : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The textbook's decay lengths for the two substances at two angles, and what the arrows
    // give: the exact wavelets within 5 %, the equal arrows visibly too long.
    void decayLength_data()
    {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("textbook");
        QTest::newRow("water 50") << 1.33 << 50.0 << 1.71;
        QTest::newRow("water 60") << 1.33 << 60.0 << 0.583;
        QTest::newRow("glass 50") << 1.5 << 50.0 << 0.59;
        QTest::newRow("glass 60") << 1.5 << 60.0 << 0.40;
    }
    void decayLength()
    {
        QFETCH(double, n);
        QFETCH(double, alpha);
        QFETCH(double, textbook);
        const std::optional<double> d = ::decayLength(n, alpha);
        QVERIFY(d);
        QCOMPARE_LE(std::abs(*d / textbook - 1), 0.01);

        ExploreSettings s = settingsFor(n, alpha);
        QCOMPARE_LE(std::abs(fittedHeightDecay(s, *d) / textbook - 1), 0.05);

        s.arrows = ArrowKind::Equal;
        QCOMPARE_GE(fittedHeightDecay(s, *d) / *d, 1.10);
    }

    // Exact wavelets reach the surface's own amplitude as the height falls to nothing, and the
    // fast loop gives the plain loop's sums.
    void fastAgreesWithPlain_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("beam");
        QTest::newRow("exact, Gaussian") << int(ArrowKind::Exact) << int(BeamShape::Gaussian);
        QTest::newRow("equal, Gaussian") << int(ArrowKind::Equal) << int(BeamShape::Gaussian);
        QTest::newRow("exact, hard") << int(ArrowKind::Exact) << int(BeamShape::Hard);
    }
    void fastAgreesWithPlain()
    {
        QFETCH(int, kind);
        QFETCH(int, beam);
        ExploreSettings s = settingsFor(1.33, 55);
        s.arrows = ArrowKind(kind);
        s.beam = BeamShape(beam);
        s.waistTwips = 150;
        const std::vector<HeightRow> fast = heightCurve(s);
        const std::vector<HeightRow> plain = heightCurvePlain(s);
        QCOMPARE(fast.size(), plain.size());
        for (std::size_t i = 0; i < fast.size(); ++i) {
            const double fastAmplitude = std::sqrt(fast[i].amplitudeSquared);
            const double plainAmplitude = std::sqrt(plain[i].amplitudeSquared);
            QCOMPARE_LE(std::abs(fastAmplitude - plainAmplitude), 1e-6 * plainAmplitude + 1e-10);
        }
    }

    // Where the sampling sends no false beam (a step well below λ0 / (1 + n sin α)).
    void surfaceIsReachedContinuously_data()
    {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("step");
        QTest::newRow("glass 45, 0.5 twip") << 1.5 << 45.0 << 0.5;
        QTest::newRow("water 60, 0.5 twip") << 1.33 << 60.0 << 0.5;
        QTest::newRow("water 35, 1 twip") << 1.33 << 35.0 << 1.0;
    }
    void surfaceIsReachedContinuously()
    {
        QFETCH(double, n);
        QFETCH(double, alpha);
        QFETCH(double, step);
        ExploreSettings s = settingsFor(n, alpha);
        s.stepTwips = step;
        const SurfacePoints lit = foldedAboutZero(litSurface(s));
        for (double z : {1e-4, 1e-3}) {
            const double intensity = std::norm(arrowSum(lit, 0, z, 3, ArrowKind::Exact));
            QCOMPARE_LE(std::abs(intensity - 1), 0.03);
        }
    }

    // The main window's 1-twip sampling at 60° in water: the points make a false beam into the
    // air, and the curve stays level instead of falling.
    void coarseSamplingMakesFalseBeam_data()
    {
        QTest::addColumn<double>("step");
        QTest::addColumn<bool>("decays");
        QTest::newRow("0.5 twip") << 0.5 << true;
        QTest::newRow("1 twip") << 1.0 << false;
    }
    void coarseSamplingMakesFalseBeam()
    {
        QFETCH(double, step);
        QFETCH(bool, decays);
        ExploreSettings s = settingsFor(1.33, 60);
        s.stepTwips = step;
        QCOMPARE(step < largestCleanStep(s.index, s.alphaDegrees), decays);
        const std::vector<HeightRow> rows = heightCurve(s);
        QCOMPARE(rows.back().relative < 1e-4, decays);
        if (!decays) {
            QCOMPARE_GE(rows.back().relative, 0.5);
        }
    }

    // Below the critical angle the light leaves: the intensity above the surface stays.
    void belowCriticalTheLightLeaves()
    {
        const ExploreSettings s = settingsFor(1.33, 40);
        const std::vector<HeightRow> rows = heightCurve(s);
        QCOMPARE(rows.back().z, 10.0);
        for (const HeightRow& row : rows) {
            QVERIFY(!row.classical);
            QCOMPARE_GE(row.relative, 0.95);
        }
    }

    // Across a gap the light in the block falls as e^{−2g/d} for g from d to 5 d.
    void tunnelling_data() { decayLength_data(); }
    void tunnelling()
    {
        QFETCH(double, n);
        QFETCH(double, alpha);
        const double d = *::decayLength(n, alpha);
        ExploreSettings s = settingsFor(n, alpha);
        s.secondBlock = true;
        s.gapTwips = 6 * d;
        std::vector<double> gaps;
        std::vector<double> light;
        std::vector<double> classical;
        for (const GapRow& row : gapCurve(s)) {
            gaps.push_back(row.gap);
            light.push_back(row.relative);
            classical.push_back(row.classicalTransmission);
        }
        QCOMPARE(gaps.size(), std::size_t(41));
        QCOMPARE(light.front(), 1.0);
        QCOMPARE_LE(std::abs(*fittedDecayLength(gaps, light, d, 5 * d) / d - 1), 0.10);
        QCOMPARE_LE(std::abs(*fittedDecayLength(gaps, classical, d, 5 * d) / d - 1), 0.10);
    }

    // The gap's transmission against the closed form for a symmetric barrier,
    // T = 1 / (1 + ((y1² + κ²)² / (4 y1² κ²)) sinh²(κ g)), with y1 = kz (s) or kz / n² (p).
    void gapTransmissionClosedForm_data()
    {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("gap");
        QTest::newRow("water 50, touching") << 1.33 << 50.0 << 0.0;
        QTest::newRow("water 50, 1 twip") << 1.33 << 50.0 << 1.0;
        QTest::newRow("glass 60, 0.3 twip") << 1.5 << 60.0 << 0.3;
        QTest::newRow("glass 70, 2 twips") << 1.5 << 70.0 << 2.0;
    }
    void gapTransmissionClosedForm()
    {
        QFETCH(double, n);
        QFETCH(double, alpha);
        QFETCH(double, gap);
        const double k = 3;
        const double sine = n * std::sin(alpha * 3.14159265358979323846 / 180);
        const double kappa = k * std::sqrt(sine * sine - 1);
        const double kz = n * k * std::sqrt(1 - (sine / n) * (sine / n));
        const auto closed = [&](double y1) {
            const double sh = std::sinh(kappa * gap);
            const double f = (y1 * y1 + kappa * kappa) * (y1 * y1 + kappa * kappa) /
                             (4 * y1 * y1 * kappa * kappa);
            return 1 / (1 + f * sh * sh);
        };
        const optics::Transmission t = optics::gapTransmission(n, alpha, gap, n);
        QCOMPARE_LE(std::abs(t.s - closed(kz)), 1e-12);
        QCOMPARE_LE(std::abs(t.p - closed(kz / (n * n))), 1e-12);
        // A block that cannot take the light transmits none.
        QCOMPARE(optics::gapTransmission(n, alpha, gap, 1.0).s, 0.0);
    }
};

QTEST_APPLESS_MAIN(TestExploreSums)
#include "test_explore_sums.moc"
