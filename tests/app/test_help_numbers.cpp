// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help cannot drift from the program: every number it quotes from a run is measured again
// by the experiment core, and every number it computes from a formula is computed again, to the
// digits the help gives.

#include "ChainSums.h"
#include "ClassicalOptics.h"
#include "CurveRecord.h"
#include "Curves.h"
#include "ExploreSums.h"
#include "GapTransmission.h"
#include "RunParameters.h"
#include "RunSettings.h"
#include "SettingsOfKeys.h"
#include "SweepSums.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>

namespace {
struct Quote
{
    QString kind; // "run", "optics" or "explore"
    QStringList key;
    QString text;
};

QString helpPage(const QString& language)
{
    QFile file(QStringLiteral(BRONTEL_HELP_DIR "/help_%1.html").arg(language));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QList<Quote> quotesOf(const QString& page)
{
    static const QRegularExpression marked(
        QStringLiteral("<span data-(run|optics|explore)=\"([^\"]+)\">([^<]+)</span>"));
    QList<Quote> quotes;
    for (const auto& m : marked.globalMatch(page)) {
        quotes.push_back({m.captured(1), m.captured(2).split(QLatin1Char(' ')), m.captured(3)});
    }
    return quotes;
}

// The quoted number and how many decimals it gives, in the page's language.
std::pair<double, int> readQuoted(QString text, const QString& language)
{
    text.remove(QStringLiteral("&nbsp;"));
    if (language == QLatin1String("cs")) {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    } else {
        text.remove(QLatin1Char(','));
    }
    const int point = text.indexOf(QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    return {ok ? value : std::nan(""), point < 0 ? 0 : int(text.size() - point - 1)};
}

const SubstanceRow& substanceNamed(const QString& name)
{
    return facts(name == QLatin1String("glass") ? Substance::Glass : Substance::Water);
}

double toRadians(double degrees)
{
    return degrees * optics::pi / 180;
}

double toDegrees(double radians)
{
    return radians * 180 / optics::pi;
}

// An angle of the help's keys, in true degrees: the program's settings "35", "60" and
// "critical", and "p" before a number typed into the program ("p45"), are the program's degrees;
// "t35" and any other number are true degrees already.
double trueAngle(const QString& token, const QString& substance)
{
    if (token == QLatin1String("35") || token == QLatin1String("60")) {
        return optics::trueDegrees(token.toDouble());
    }
    if (token == QLatin1String("critical")) {
        return optics::trueDegrees(substanceNamed(substance).criticalAngle);
    }
    if (token.startsWith(QLatin1Char('p'))) {
        return optics::trueDegrees(token.mid(1).toDouble());
    }
    if (token.startsWith(QLatin1Char('t'))) {
        return token.mid(1).toDouble();
    }
    return token.toDouble();
}

std::optional<AngleCase> angleCaseNamed(const QString& angle)
{
    return angleCaseFromKey(angle == QLatin1String("critical") ? std::string("Mezní")
                                                               : angle.toStdString());
}

// The settings of a run, as the window's fields hold them; typed, when given, is the angle typed
// into the field in place of the option's own.
RunSettings settingsOf(const QString& substance, const QString& angle, const QString& distance,
                       const QString& typed = {})
{
    const SubstanceRow& s = substanceNamed(substance);
    const double own = angle == QLatin1String("critical") ? s.criticalAngle : angle.toDouble();
    const double alpha = typed.isEmpty() ? own : typed.toDouble();
    return RunSettings::of(s.refrIndex, alpha, *angleCaseNamed(angle), s.value,
                           *detectorDistanceFromKey(distance.toStdString()));
}

RunParameters parametersOf(const RunSettings& settings)
{
    return chooseRunParameters(settings.angleCase, settings.substance, settings.distance);
}

// The explore sums for a substance at a true angle: decay lengths fitted to the heights' and the
// gap's curves, the largest clean sampling step, the false signal of a 1-twip sampling, and the
// gap's classical transmission.
double explored(const QStringList& key)
{
    const QString& what = key[0];
    ExploreSettings s;
    s.index = substanceNamed(key[1]).refrIndex;
    s.index2 = s.index;
    s.alphaDegrees = key[2].toDouble();
    const double d = decayLength(s.index, s.alphaDegrees).value_or(std::nan(""));
    const auto heightFit = [&](ArrowKind arrows) {
        s.arrows = arrows;
        std::vector<double> z;
        std::vector<double> intensity;
        for (const HeightRow& row : heightCurve(s)) {
            z.push_back(row.z);
            intensity.push_back(row.amplitudeSquared);
        }
        return fittedDecayLength(z, intensity, d, 6 * d).value_or(std::nan(""));
    };
    if (what == QLatin1String("fit")) {
        return heightFit(ArrowKind::Exact);
    }
    if (what == QLatin1String("fitequal")) {
        return heightFit(ArrowKind::Equal);
    }
    if (what == QLatin1String("percent")) {
        return 100 * (heightFit(ArrowKind::Equal) / d - 1);
    }
    if (what == QLatin1String("clean")) {
        return largestCleanStep(s.index, s.alphaDegrees);
    }
    if (what == QLatin1String("flat")) {
        s.stepTwips = 1;
        return heightCurve(s).back().relative;
    }
    if (what == QLatin1String("gapfit")) {
        s.secondBlock = true;
        s.gapTwips = 6 * d;
        std::vector<double> gaps;
        std::vector<double> light;
        for (const GapRow& row : gapCurve(s)) {
            gaps.push_back(row.gap);
            light.push_back(row.relative);
        }
        return fittedDecayLength(gaps, light, d, 5 * d).value_or(std::nan(""));
    }
    if (what == QLatin1String("tunnel")) {
        return 100 *
               optics::gapTransmission(s.index, s.alphaDegrees, key[3].toDouble() * d, s.index2).s;
    }
    return std::nan("");
}

// A run of the experiment core, as Start would make it, without the drawing.
std::vector<CurvePoint> runOf(const RunSettings& settings)
{
    const RunParameters parameters = parametersOf(settings);
    const ChainSums sums(SumInputs::from(settings, parameters));
    const std::vector<StepResultants> resultants = sumSweep(sums);
    std::vector<CurvePoint> points;
    for (int k = 0; k < scene::sweepSteps; ++k) {
        points.push_back(curvePoint(parameters, SweepStep{k}, resultants[k]));
    }
    return points;
}

// Detector L's squared resultant at a place, summed here on its own, path by path: what its
// curve would show where the program gives its arrows the length 0.
double unzeroedL(const RunSettings& settings, double x)
{
    const double n = settings.refrIndex;
    const double sinAlpha = std::sin(scene::radians(settings.alpha));
    std::complex<double> sum;
    for (int i = 0; i <= scene::stripSteps; ++i) {
        const double path = n * std::hypot(scene::stripLeftX + i - x, scene::lowerDepth);
        sum += std::polar(1.0, phasePerTwip * (path + n * i * sinAlpha));
    }
    return std::pow(parametersOf(settings).arrowLenL, 2) * std::norm(sum);
}

// The numbers the help quotes, measured from runs of the core or computed from the formulas.
class Measure
{
public:
    // key: substance, angle option, distance, column and, optionally, the angle typed in.
    double run(const QStringList& key)
    {
        const RunSettings settings =
            settingsOf(key[0], key[1], key[2], key.size() > 4 ? key[4] : QString());
        const std::vector<CurvePoint>& points = pointsOf(key);
        const QString& column = key[3];
        if (column == QLatin1String("v_above_amplitude_squared") ||
            column == QLatin1String("v_below_amplitude_squared")) {
            const bool above = column.startsWith(QLatin1String("v_above"));
            double most = 0;
            for (const CurvePoint& p : points) {
                if ((p.y < scene::surfaceY) == above && p.y != scene::surfaceY) {
                    most = std::max(most, p.vSquared);
                }
            }
            return most;
        }
        if (column == QLatin1String("h_x_of_largest")) {
            return largestOf(points, &CurvePoint::hSquared).x;
        }
        if (column == QLatin1String("h_lobe_below")) {
            // Light reaching H's largest value from the lit stretch's far end rose at least this
            // steeply: refracted there, it met the surface this far below the critical angle.
            const double rise =
                std::atan2(settings.detectorDistance,
                           largestOf(points, &CurvePoint::hSquared).x - scene::stripLeftX);
            const double incidence = toDegrees(std::asin(std::cos(rise) / settings.refrIndex));
            return optics::criticalAngle(settings.refrIndex) - incidence;
        }
        if (column == QLatin1String("l_per_arrow")) {
            return largestOf(points, &CurvePoint::lSquared).lSquared /
                   std::pow(parametersOf(settings).arrowLenL, 2);
        }
        if (column == QLatin1String("l_zero_steps") || column == QLatin1String("l_first_x")) {
            const auto first = std::find_if(points.begin(), points.end(),
                                            [](const CurvePoint& p) { return p.lSquared != 0; });
            return column == QLatin1String("l_zero_steps") ? double(first - points.begin())
                                                           : first->x;
        }
        if (column == QLatin1String("l_hidden_largest")) {
            double most = 0;
            for (const CurvePoint& p : points) {
                if (p.lSquared == 0) {
                    most = std::max(most, unzeroedL(settings, p.x));
                }
            }
            return most;
        }
        const QMap<QString, double CurvePoint::*> columns{
            {QStringLiteral("v_amplitude_squared"), &CurvePoint::vSquared},
            {QStringLiteral("h_amplitude_squared"), &CurvePoint::hSquared},
            {QStringLiteral("l_amplitude_squared"), &CurvePoint::lSquared},
            {QStringLiteral("v_bar_twips"), &CurvePoint::vBar},
            {QStringLiteral("h_bar_twips"), &CurvePoint::hBar},
            {QStringLiteral("l_bar_twips"), &CurvePoint::lBar},
        };
        if (!columns.contains(column)) {
            return std::nan("");
        }
        return largestOf(points, columns[column]).*columns[column];
    }

    double optic(const QStringList& key)
    {
        // A key too short for its kind reads empty words, which measure nothing.
        const QString what = key.value(0);
        const auto n = [&] {
            return substanceNamed(key.value(1)).refrIndex;
        };
        if (what == QLatin1String("critical")) {
            return optics::criticalAngle(n());
        }
        if (what == QLatin1String("refraction")) {
            return optics::refractionAngle(n(), trueAngle(key.value(2), key.value(1)))
                .value_or(std::nan(""));
        }
        if (what == QLatin1String("true")) {
            return key.size() == 2 ? trueAngle(key.value(1), {})
                                   : trueAngle(key.value(2), key.value(1));
        }
        if (what == QLatin1String("wavelength")) {
            return key.value(1) == QLatin1String("air") ? optics::wavelengthInAir
                                                        : optics::wavelengthIn(n());
        }
        if (what == QLatin1String("halfwave")) {
            return optics::wavelengthIn(n()) / 2;
        }
        if (what == QLatin1String("past")) {
            // How far the program's critical setting lies past the true critical angle.
            return trueAngle(QStringLiteral("critical"), key.value(1)) - optics::criticalAngle(n());
        }
        if (what == QLatin1String("waves")) {
            return key.value(1).toDouble() / optics::wavelengthInAir;
        }
        if (what == QLatin1String("spread")) {
            // The wavelength in the substance over the beam's width across its path.
            const double alpha = toRadians(trueAngle(key.value(2), key.value(1)));
            return toDegrees(optics::wavelengthIn(n()) / (scene::stripSteps * std::cos(alpha)));
        }
        if (what == QLatin1String("depth") || what == QLatin1String("depthw")) {
            const auto d = optics::penetrationDepth(n(), trueAngle(key.value(2), key.value(1)));
            const double inWavelengths =
                what == QLatin1String("depthw") ? optics::wavelengthInAir : 1;
            return d ? *d / inWavelengths : std::nan("");
        }
        if (what == QLatin1String("alias")) {
            // Where the phase along the surface passes pi per twip of sampling.
            return toDegrees(std::asin(optics::pi / (phasePerTwip * n())));
        }
        // The phase step per twip along the surface that light in air can have is at most
        // phasePerTwip; the false wave's step, one turn smaller than the true one's, reaches
        // that when n sin α = (2π − 3) / 3.
        if (what == QLatin1String("leaves-sine")) {
            return (2 * optics::pi - phasePerTwip) / phasePerTwip;
        }
        if (what == QLatin1String("leaves")) {
            return toDegrees(std::asin((2 * optics::pi - phasePerTwip) / (phasePerTwip * n())));
        }
        if (what == QLatin1String("false") || what == QLatin1String("falseback") ||
            what == QLatin1String("falseback-x")) {
            // The phase step one turn smaller, read as a wave in air or, backwards, in the
            // substance.
            const double step = phasePerTwip * n() *
                                std::sin(toRadians(trueAngle(QStringLiteral("60"), key.value(1))));
            const double inAir = std::abs(step - 2 * optics::pi) / phasePerTwip;
            const double back = toDegrees(std::asin(inAir / n()));
            if (what == QLatin1String("falseback-x")) {
                // Where the beam from the stretch's right end meets L's line.
                return scene::stripLeftX + scene::stripSteps -
                       scene::lowerDepth * std::tan(toRadians(back));
            }
            return what == QLatin1String("false") ? toDegrees(std::asin(inAir)) : back;
        }
        if (what == QLatin1String("rs") || what == QLatin1String("rp")) {
            const optics::Reflectance r =
                optics::reflectance(n(), trueAngle(key.value(2), key.value(1)));
            return what == QLatin1String("rs") ? r.s : r.p;
        }
        if (what == QLatin1String("brewster")) {
            // Inside the substance: tan θB = 1/n.
            return toDegrees(std::atan(1 / n()));
        }
        if (what == QLatin1String("arrow")) {
            // The arrow lengths that the angle option sets, the same for every substance and
            // distance.
            const RunParameters p = parametersOf(
                settingsOf(QStringLiteral("water"), key.value(2), QStringLiteral("750")));
            return key.value(1) == QLatin1String("vh") ? p.arrowLenVH : p.arrowLenL;
        }
        if (what == QLatin1String("arrow-ratio")) {
            // L's largest value per unit arrow length squared, at 60° against 35°.
            const auto perArrow = [&](const QString& angle) {
                return run(
                    {key.value(1), angle, QStringLiteral("750"), QStringLiteral("l_per_arrow")});
            };
            return perArrow(QStringLiteral("60")) / perArrow(QStringLiteral("35"));
        }
        if (what == QLatin1String("slant-ratio")) {
            // The sum's stationary stretch grows as 1/cos³ α.
            const auto slant = [](const QString& angle) {
                return std::pow(std::cos(toRadians(trueAngle(angle, {}))), -3);
            };
            return slant(QStringLiteral("60")) / slant(QStringLiteral("35"));
        }
        if (what == QLatin1String("power")) {
            // The power of the distance with which H's largest value falls between two runs.
            const auto at = [&](const QString& distance) {
                return run(
                    {key.value(1), key.value(2), distance, QStringLiteral("h_amplitude_squared")});
            };
            return std::log(at(key.value(3)) / at(key.value(4))) /
                   std::log(key.value(4).toDouble() / key.value(3).toDouble());
        }
        if (what == QLatin1String("scene")) {
            if (key.value(1) == QLatin1String("track-end")) {
                return SweepStep{scene::sweepSteps - 1}.detectorX();
            }
            return key.value(1) == QLatin1String("stretch-right")
                       ? scene::stripLeftX + scene::stripSteps
                       : scene::probeX;
        }
        return std::nan("");
    }

private:
    const std::vector<CurvePoint>& pointsOf(const QStringList& key)
    {
        const QString run = key.mid(0, 3).join(QLatin1Char(' ')) +
                            (key.size() > 4 ? QLatin1Char(' ') + key[4] : QString());
        if (!m_runs.contains(run)) {
            m_runs.insert(run, runOf(settingsOf(key[0], key[1], key[2],
                                                key.size() > 4 ? key[4] : QString())));
        }
        return m_runs[run];
    }

    static const CurvePoint& largestOf(const std::vector<CurvePoint>& points,
                                       double CurvePoint::*column)
    {
        return *std::max_element(
            points.begin(), points.end(),
            [&](const CurvePoint& a, const CurvePoint& b) { return a.*column < b.*column; });
    }

    QMap<QString, std::vector<CurvePoint>> m_runs;
};
} // namespace

class TestHelpNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void quotesMatchTheProgram_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("Czech") << QStringLiteral("cs");
    }
    void quotesMatchTheProgram()
    {
        QFETCH(QString, language);
        const QList<Quote> quotes = quotesOf(helpPage(language));
        QVERIFY(quotes.size() > 40);
        Measure measure;
        int runQuotes = 0;
        for (const Quote& q : quotes) {
            const auto [quoted, decimals] = readQuoted(q.text, language);
            double value = 0;
            if (q.kind == QLatin1String("run")) {
                QVERIFY(q.key.size() == 4 || q.key.size() == 5);
                value = measure.run(q.key);
                ++runQuotes;
            } else if (q.kind == QLatin1String("explore")) {
                value = explored(q.key);
            } else {
                value = measure.optic(q.key);
            }
            const QString what = q.key.join(QLatin1Char(' ')) + QStringLiteral(": the help says ") +
                                 q.text + QStringLiteral(", the program gives ") +
                                 QString::number(value, 'f', 6);
            QVERIFY2(std::isfinite(quoted) && std::isfinite(value), qPrintable(what));
            QVERIFY2(std::abs(value - quoted) <= 0.5 * std::pow(10.0, -decimals) + 1e-9,
                     qPrintable(what));
            // Reflectances to two significant figures, as the theory panel gives them: 0.06 %
            // read to one decimal would be 0.1 %.
            if (q.key[0] == QLatin1String("rs") || q.key[0] == QLatin1String("rp")) {
                const double last = std::pow(10.0, -decimals);
                QVERIFY2(quoted == 100 || (quoted >= 10 * last && quoted < 100 * last),
                         qPrintable(what));
            }
        }
        QVERIFY(runQuotes >= 8);
    }

    // Both languages quote the same numbers.
    void bothLanguagesQuoteAlike()
    {
        const auto keys = [](const QString& language) {
            QStringList all;
            for (const Quote& q : quotesOf(helpPage(language))) {
                all << q.kind + QLatin1Char(' ') + q.key.join(QLatin1Char(' '));
            }
            return all;
        };
        QCOMPARE(keys(QStringLiteral("cs")), keys(QStringLiteral("en")));
    }
};

QTEST_APPLESS_MAIN(TestHelpNumbers)
#include "test_help_numbers.moc"
