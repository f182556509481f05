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

        // Glass has no "hladina", a liquid's surface.
        const overlay::Picture glass = overlay::teachingOverlay(settingsOf("35", "Sklo", distance));
        QVERIFY(textWith(glass, "V: sonda skrz rozhraní"));
        QVERIFY(textWith(glass, "H: ve vzduchu, %1 twipů nad rozhraním"));
        for (const overlay::Text& t : glass.texts) {
            QVERIFY2(t.phrase.words.find("hladin") == std::string_view::npos,
                     std::string(t.phrase.words).c_str());
        }

        // The scroll bar's caption is the window's, not the picture's.
        QVERIFY(!textWith(picture, "Rychlost"));
        QCOMPARE(picture.controlCaptions.size(), std::size_t(1));
        QCOMPARE(picture.controlCaptions[0].phrase.words, std::string_view("Rychlost"));
    }

    void panel()
    {
        const auto water60 = overlay::theoryPanel(settingsOf("60", "Voda", 750));
        QVERIFY(panelHas(water60, "θc = %1°,  α = %2° (v programu %3)", 48.75));
        QVERIFY(panelHas(water60, "θc = %1°,  α = %2° (v programu %3)", 59.97));
        QVERIFY(panelHas(water60, "Fresnel: Rs = %1 %,  Rp = %2 %", 100));
        QVERIFY(panelHas(water60, "hloubka vniku %1 twipu = %2 λ₀", 0.58));
        QVERIFY(panelHas(water60, "hloubka vniku %1 twipu = %2 λ₀", 0.28));

        const auto glass35 = overlay::theoryPanel(settingsOf("35", "Sklo", 750));
        QVERIFY(panelHas(glass35, "θc = %1°,  α = %2° (v programu %3)", 41.81));
        QVERIFY(panelHas(glass35, "Snellův zákon: lom β = %1°", 59.31));
        QVERIFY(!panelHas(glass35, "hloubka vniku %1 twipu = %2 λ₀", 0));

        // Settings without a prediction leave the heading and say so.
        const auto none = overlay::theoryPanel(settingsOfKeys(1, 35, "35", "Voda", "750", 750));
        QCOMPARE(none.size(), std::size_t(2));
    }

    // The reflectances to two significant figures, worked out here from Fresnel's equations.
    void reflectanceFigures_data()
    {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("substance");
        QTest::newRow("water 35") << "35"
                                  << "Voda";
        QTest::newRow("glass 35") << "35"
                                  << "Sklo";
        QTest::newRow("water 60") << "60"
                                  << "Voda";
    }
    void reflectanceFigures()
    {
        QFETCH(QString, angle);
        QFETCH(QString, substance);
        const RunSettings settings = settingsOf(angle.toStdString(), substance.toStdString(), 750);
        const auto panel = overlay::theoryPanel(settings);
        const auto line = std::find_if(panel.begin(), panel.end(), [](const overlay::Phrase& p) {
            return p.words == "Fresnel: Rs = %1 %,  Rp = %2 %";
        });
        QVERIFY(line != panel.end());
        QCOMPARE(line->numbers.size(), std::size_t(2));
        const double a = optics::trueDegrees(settings.alpha) * optics::pi / 180;
        const double n = settings.refrIndex;
        const double out = n * std::sin(a);
        double rs = 100;
        double rp = 100;
        if (out < 1) {
            const double cosOut = std::sqrt(1 - out * out);
            rs = 100 * std::pow((n * std::cos(a) - cosOut) / (n * std::cos(a) + cosOut), 2);
            rp = 100 * std::pow((std::cos(a) - n * cosOut) / (std::cos(a) + n * cosOut), 2);
        }
        for (const auto& [shown, expected] :
             {std::pair{line->numbers[0], rs}, {line->numbers[1], rp}}) {
            QCOMPARE_LE(std::abs(shown.value - expected), 1e-9);
            // Two figures: the first one place left of the last decimal (100 % keeps its three).
            const double last = std::pow(10.0, -shown.decimals);
            QVERIFY2(expected >= 10 * last && (expected < 100 * last || expected == 100),
                     qPrintable(
                         QStringLiteral("%1 with %2 decimals").arg(expected).arg(shown.decimals)));
        }
    }

    // Near the critical angle the beam's spread reaches across it; the panel says so there and
    // only there, with the spread λ0 / (1000 n cos α).
    void spreadAcrossTheCriticalAngle_data()
    {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("substance");
        QTest::addColumn<double>("alpha"); // 0: the option's own
        QTest::addColumn<bool>("across");
        QTest::newRow("water critical") << "Mezní"
                                        << "Voda" << 0.0 << true;
        QTest::newRow("glass critical") << "Mezní"
                                        << "Sklo" << 0.0 << true;
        // 48.7 is 0.08 true degrees below water's critical angle, 48.5 is 0.28 below.
        QTest::newRow("water 48.7") << "Mezní"
                                    << "Voda" << 48.7 << true;
        QTest::newRow("water 48.5") << "Mezní"
                                    << "Voda" << 48.5 << false;
        QTest::newRow("water 35") << "35"
                                  << "Voda" << 0.0 << false;
        QTest::newRow("water 60") << "60"
                                  << "Voda" << 0.0 << false;
    }
    void spreadAcrossTheCriticalAngle()
    {
        QFETCH(QString, angle);
        QFETCH(QString, substance);
        QFETCH(double, alpha);
        QFETCH(bool, across);
        RunSettings settings = settingsOf(angle.toStdString(), substance.toStdString(), 750);
        if (alpha > 0) {
            settings.alpha = alpha;
        }
        const auto panel = overlay::theoryPanel(settings);
        const auto note = std::find_if(panel.begin(), panel.end(), [](const overlay::Phrase& p) {
            return p.words.find("θc") != std::string_view::npos &&
                   p.words.find("±") != std::string_view::npos;
        });
        QCOMPARE(note != panel.end(), across);
        if (across) {
            const double a = optics::trueDegrees(settings.alpha) * optics::pi / 180;
            const double spread = optics::wavelengthInAir /
                                  (1000 * settings.refrIndex * std::cos(a)) * 180 / optics::pi;
            QCOMPARE(note->numbers.size(), std::size_t(1));
            QCOMPARE_LE(std::abs(note->numbers[0].value - spread), 1e-9);
        }
    }

    // The panel names the option whose parameters the run takes, and says when the angle typed
    // is not that option's; the angle shows both in true degrees and as the program holds it.
    void optionAndAngleAsHeld_data()
    {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("substance");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("decimals");
        QTest::newRow("water critical") << "Mezní"
                                        << "Voda" << 48.783 << "„Mezní“" << false << 3;
        QTest::newRow("45 under critical") << "Mezní"
                                           << "Voda" << 45.0 << "„Mezní“" << true << 0;
        QTest::newRow("glass critical") << "Mezní"
                                        << "Sklo" << 41.839 << "„Mezní“" << false << 3;
        QTest::newRow("water critical's angle with glass")
            << "Mezní"
            << "Sklo" << 48.783 << "„Mezní“" << true << 3;
        QTest::newRow("35") << "35"
                            << "Voda" << 35.0 << "„35“" << false << 0;
        QTest::newRow("45 under 35") << "35"
                                     << "Voda" << 45.0 << "„35“" << true << 0;
        QTest::newRow("59.5 under 60") << "60"
                                       << "Sklo" << 59.5 << "„60“" << true << 1;
    }
    void optionAndAngleAsHeld()
    {
        QFETCH(QString, angle);
        QFETCH(QString, substance);
        QFETCH(double, alpha);
        QFETCH(QString, option);
        QFETCH(bool, typed);
        QFETCH(int, decimals);
        const bool water = substance == QLatin1String("Voda");
        const RunSettings settings = settingsOfKeys(
            water ? 1.33 : 1.5, alpha, angle.toStdString(), substance.toStdString(), "750", 750);
        const overlay::Picture picture = overlay::teachingOverlay(settings);
        const auto has = [&](std::string_view part) {
            return std::count_if(picture.panel.begin(), picture.panel.end(),
                                 [&](const overlay::Phrase& p) {
                                     return p.words.find(part) != std::string_view::npos;
                                 });
        };
        QCOMPARE(has("volba"), 1);
        QCOMPARE(has(option.toStdString()), 1);
        QCOMPARE(has("není úhel volby"), typed ? 1 : 0);

        const overlay::Text* arc = textWith(picture, "α = %1° (v programu %2)");
        QVERIFY(arc);
        QCOMPARE(arc->phrase.numbers.size(), std::size_t(2));
        QCOMPARE_LE(std::abs(arc->phrase.numbers[0].value - optics::trueDegrees(alpha)), 1e-9);
        QCOMPARE(arc->phrase.numbers[1].value, alpha);
        QCOMPARE(arc->phrase.numbers[1].decimals, decimals);
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
        QCOMPARE(overlay::allWords().size(), std::size_t(25));
    }
};

QTEST_APPLESS_MAIN(TestTeachingOverlay)
#include "test_teaching_overlay.moc"
