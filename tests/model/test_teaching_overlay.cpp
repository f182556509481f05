// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching overlay's shapes and words: angles that match the drawn beams, the critical angle
// where optics puts it, each detector's words at its own line, and the theory panel's numbers.

#include "ClassicalOptics.h"
#include "SceneGeometry.h"
#include "SettingsOfKeys.h"
#include "TeachingOverlay.h"

#include <QTest>

#include <algorithm>
#include <cmath>

namespace {
RunSettings settingsOf(std::string_view angle, std::string_view substance, int distance)
{
    const bool water = substance == "Voda";
    const double n = water ? 1.33 : 1.5;
    const double alpha = angle == "35" ? 35 : angle == "60" ? 60 : water ? 48.783 : 41.839;
    return settingsOfKeys(n, alpha, angle, substance, std::to_string(distance), distance);
}

const overlay::Text* textWith(const overlay::Picture& picture, std::string_view words)
{
    const auto found =
        std::find_if(picture.texts.begin(), picture.texts.end(),
                     [&](const overlay::Text& t) { return t.phrase.words == words; });
    return found == picture.texts.end() ? nullptr : &*found;
}

bool panelHas(const std::vector<overlay::Phrase>& panel, std::string_view words, double value)
{
    return std::any_of(panel.begin(), panel.end(), [&](const overlay::Phrase& p) {
        return p.words == words &&
               std::any_of(p.numbers.begin(), p.numbers.end(), [&](const overlay::Number& n) {
                   return std::abs(n.value - value) < std::pow(10, -n.decimals);
               });
    });
}

// The direction of a line from its first point, in screen degrees (90 is down).
double directionOf(const overlay::Line& line)
{
    return std::atan2(line.to.y - line.from.y, line.to.x - line.from.x) * 180 / optics::pi;
}
} // namespace

class TestTeachingOverlay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void angles_data()
    {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("substance");
        QTest::addColumn<double>("incidence");  // true degrees, as the beam is drawn
        QTest::addColumn<double>("refraction"); // 0: none
        QTest::addColumn<double>("critical");
        QTest::newRow("water 35") << "35"
                                  << "Voda" << 34.98 << 49.69 << 48.75;
        QTest::newRow("glass 35") << "35"
                                  << "Sklo" << 34.98 << 59.31 << 41.81;
        QTest::newRow("water critical") << "Mezní"
                                        << "Voda" << 48.76 << 0.0 << 48.75;
        QTest::newRow("glass critical") << "Mezní"
                                        << "Sklo" << 41.82 << 0.0 << 41.81;
        QTest::newRow("water 60") << "60"
                                  << "Voda" << 59.97 << 0.0 << 48.75;
    }
    void angles()
    {
        QFETCH(QString, angle);
        QFETCH(QString, substance);
        QFETCH(double, incidence);
        QFETCH(double, refraction);
        QFETCH(double, critical);
        const overlay::Picture picture =
            overlay::teachingOverlay(settingsOf(angle.toStdString(), substance.toStdString(), 750));

        // The incident rays come up from the lower left: the arc from the normal down (90°)
        // turns towards them by the angle of incidence.
        QVERIFY(!picture.arcs.empty());
        const overlay::Arc& in = picture.arcs.front();
        QCOMPARE(in.startDegrees, 90.0);
        QCOMPARE_LE(std::abs(in.spanDegrees - incidence), 0.005);
        // The program draws its beam at sin(alpha · 3.14 / 180): the arc meets it exactly.
        QCOMPARE_LE(
            std::abs(std::sin(in.spanDegrees * optics::pi / 180) -
                     std::sin(scene::radians(
                         settingsOf(angle.toStdString(), substance.toStdString(), 750).alpha))),
            1e-12);
        QCOMPARE(in.centre.y, scene::surfaceY);
        QVERIFY(in.centre.x >= scene::stripLeftX &&
                in.centre.x <= scene::stripLeftX + scene::stripSteps);

        if (refraction > 0) {
            QCOMPARE(picture.arcs.size(), std::size_t(2));
            QCOMPARE(picture.arcs[1].startDegrees, -90.0);
            QCOMPARE_LE(std::abs(picture.arcs[1].spanDegrees - refraction), 0.005);
        } else {
            QCOMPARE(picture.arcs.size(), std::size_t(1)); // no refracted ray to measure
        }

        // The critical angle: dashed, from the same point, down and to the left at θc.
        const auto dashed =
            std::find_if(picture.lines.begin(), picture.lines.end(),
                         [](const overlay::Line& l) { return l.ink == overlay::Ink::Critical; });
        QVERIFY(dashed != picture.lines.end());
        QCOMPARE_LE(std::abs(directionOf(*dashed) - (90 + critical)), 0.005);

        // The normal is vertical through the surface at the same point.
        const overlay::Line& normal = picture.lines.front();
        QCOMPARE(normal.from.x, in.centre.x);
        QCOMPARE(normal.to.x, in.centre.x);
        QVERIFY(normal.from.y < scene::surfaceY && normal.to.y > scene::surfaceY);
    }

    void letters_data()
    {
        QTest::addColumn<int>("distance");
        QTest::newRow("100") << 100;
        QTest::newRow("750") << 750;
        QTest::newRow("1500") << 1500;
    }
    void letters()
    {
        QFETCH(int, distance);
        const overlay::Picture picture =
            overlay::teachingOverlay(settingsOf("35", "Voda", distance));
        const overlay::Text* h = textWith(picture, "H: ve vzduchu, %1 twipů nad hladinou");
        QVERIFY(h);
        // Just above H's line, naming its height.
        const double lineY = scene::detectorHY(distance);
        QVERIFY(h->at.y < lineY && h->at.y > lineY - 100);
        QCOMPARE(h->anchor, overlay::Anchor::BottomRight);
        QCOMPARE(h->phrase.numbers.size(), std::size_t(1));
        QCOMPARE(h->phrase.numbers[0].value, double(distance));

        const overlay::Text* l = textWith(picture, "L: v látce");
        QVERIFY(l);
        QVERIFY(l->at.y < scene::detectorLY && l->at.y > scene::detectorLY - 100);
        const overlay::Text* v = textWith(picture, "V: sonda skrz hladinu");
        QVERIFY(v);
        QVERIFY(std::abs(v->at.x - scene::probeX) < 100);

        // The scroll bar's caption is the window's, not the picture's.
        QVERIFY(!textWith(picture, "Rychlost"));
        QCOMPARE(picture.controlCaptions.size(), std::size_t(1));
        QCOMPARE(picture.controlCaptions[0].phrase.words, std::string_view("Rychlost"));
    }

    void panel()
    {
        const auto water60 = overlay::theoryPanel(settingsOf("60", "Voda", 750));
        QVERIFY(panelHas(water60, "θc = %1°,  α = %2°", 48.75));
        QVERIFY(panelHas(water60, "θc = %1°,  α = %2°", 59.97));
        QVERIFY(panelHas(water60, "Fresnel: Rs = %1 %,  Rp = %2 %", 100));
        QVERIFY(panelHas(water60, "hloubka vniku %1 twipu = %2 λ", 0.58));
        QVERIFY(panelHas(water60, "hloubka vniku %1 twipu = %2 λ", 0.28));

        const auto glass35 = overlay::theoryPanel(settingsOf("35", "Sklo", 750));
        QVERIFY(panelHas(glass35, "θc = %1°,  α = %2°", 41.81));
        QVERIFY(panelHas(glass35, "Snellův zákon: lom β = %1°", 59.31));
        QVERIFY(!panelHas(glass35, "hloubka vniku %1 twipu = %2 λ", 0));

        // Settings without a prediction leave the heading and say so.
        const auto none = overlay::theoryPanel(settingsOfKeys(1, 35, "35", "Voda", "750", 750));
        QCOMPARE(none.size(), std::size_t(2));
    }

    // Every phrase's placeholders are filled by its numbers.
    void placeholders()
    {
        for (const auto* settings : {"35", "Mezní", "60"}) {
            const overlay::Picture picture =
                overlay::teachingOverlay(settingsOf(settings, "Voda", 750));
            std::vector<overlay::Phrase> phrases = picture.panel;
            for (const overlay::Text& t : picture.texts) {
                phrases.push_back(t.phrase);
            }
            for (const overlay::Phrase& p : phrases) {
                for (std::size_t i = 1; i <= 3; ++i) {
                    const bool has =
                        p.words.find("%" + std::to_string(i)) != std::string_view::npos;
                    QCOMPARE(has, i <= p.numbers.size());
                }
            }
        }
        QCOMPARE(overlay::allWords().size(), std::size_t(18));
    }
};

QTEST_APPLESS_MAIN(TestTeachingOverlay)
#include "test_teaching_overlay.moc"
