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
#include "SweepSums.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

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

// An angle of the help's keys: the program's settings "35", "60" and "critical" as true degrees,
// any other number as true degrees already.
double trueAngle(const QString& token, const QString& substance)
{
    if (token == QLatin1String("35") || token == QLatin1String("60")) {
        return optics::trueDegrees(token.toDouble());
    }
    if (token == QLatin1String("critical")) {
        return optics::trueDegrees(substanceNamed(substance).criticalAngle);
    }
    return token.toDouble();
}

double optic(const QStringList& key)
{
    const QString& what = key[0];
    const auto n = [&] {
        return substanceNamed(key[1]).refrIndex;
    };
    if (what == QLatin1String("critical")) {
        return optics::criticalAngle(n());
    }
    if (what == QLatin1String("refraction")) {
        return optics::refractionAngle(n(), trueAngle(key[2], key[1])).value_or(std::nan(""));
    }
    if (what == QLatin1String("true")) {
        return key.size() == 2 ? trueAngle(key[1], {}) : trueAngle(key[2], key[1]);
    }
    if (what == QLatin1String("wavelength")) {
        return key[1] == QLatin1String("air") ? optics::wavelengthInAir : optics::wavelengthIn(n());
    }
    if (what == QLatin1String("past")) {
        // How far the program's critical setting lies past the true critical angle.
        return trueAngle(QStringLiteral("critical"), key[1]) - optics::criticalAngle(n());
    }
    if (what == QLatin1String("waves")) {
        return key[1].toDouble() / optics::wavelengthInAir;
    }
    if (what == QLatin1String("spread")) {
        // About a wavelength over the lit stretch's width.
        return optics::wavelengthInAir / scene::stripSteps * 180 / optics::pi;
    }
    if (what == QLatin1String("depth") || what == QLatin1String("depthw")) {
        const auto d = optics::penetrationDepth(n(), trueAngle(key[2], key[1]));
        const double inWavelengths = what == QLatin1String("depthw") ? optics::wavelengthInAir : 1;
        return d ? *d / inWavelengths : std::nan("");
    }
    if (what == QLatin1String("alias")) {
        // Where the phase along the surface passes pi per twip of sampling.
        return std::asin(optics::pi / (phasePerTwip * n())) * 180 / optics::pi;
    }
    if (what == QLatin1String("false")) {
        // The phase step one turn smaller, read as a wave in air.
        const double step = phasePerTwip * n() *
                            std::sin(trueAngle(QStringLiteral("60"), key[1]) * optics::pi / 180);
        return std::asin(std::abs(step - 2 * optics::pi) / phasePerTwip) * 180 / optics::pi;
    }
    if (what == QLatin1String("rs") || what == QLatin1String("rp")) {
        const optics::Reflectance r = optics::reflectance(n(), trueAngle(key[2], key[1]));
        return what == QLatin1String("rs") ? r.s : r.p;
    }
    return std::nan("");
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
std::vector<CurvePoint> runOf(const QString& substance, const QString& angle,
                              const QString& distance)
{
    const SubstanceRow& s = substanceNamed(substance);
    const std::string angleKey = angle == QLatin1String("critical") ? "Mezní" : angle.toStdString();
    const double alpha = angle == QLatin1String("critical") ? s.criticalAngle : angle.toDouble();
    const RunSettings settings = RunSettings::fromFields(
        s.refrIndex, alpha, angleKey, s.key, distance.toStdString(), distance.toDouble());
    const RunParameters parameters =
        chooseRunParameters(settings.angleCase, settings.substance, settings.distance);
    const ChainSums sums(SumInputs::from(settings, parameters));
    const std::vector<StepResultants> resultants = sumSweep(sums);
    std::vector<CurvePoint> points;
    for (int k = 0; k < scene::sweepSteps; ++k) {
        points.push_back(curvePoint(parameters, SweepStep{k}, resultants[k]));
    }
    return points;
}

double largest(const std::vector<CurvePoint>& points, const QString& column)
{
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
    double most = 0;
    for (const CurvePoint& p : points) {
        most = std::max(most, p.*columns[column]);
    }
    return most;
}
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
        QMap<QString, std::vector<CurvePoint>> runs;
        int runQuotes = 0;
        for (const Quote& q : quotes) {
            const auto [quoted, decimals] = readQuoted(q.text, language);
            double value = 0;
            if (q.kind == QLatin1String("run")) {
                QCOMPARE(q.key.size(), 4);
                const QString run = q.key.mid(0, 3).join(QLatin1Char(' '));
                if (!runs.contains(run)) {
                    runs.insert(run, runOf(q.key[0], q.key[1], q.key[2]));
                }
                value = largest(runs[run], q.key[3]);
                ++runQuotes;
            } else if (q.kind == QLatin1String("explore")) {
                value = explored(q.key);
            } else {
                value = optic(q.key);
            }
            const QString what = q.key.join(QLatin1Char(' ')) + QStringLiteral(": the help says ") +
                                 q.text + QStringLiteral(", the program gives ") +
                                 QString::number(value, 'f', 6);
            QVERIFY2(std::isfinite(quoted) && std::isfinite(value), qPrintable(what));
            QVERIFY2(std::abs(value - quoted) <= 0.5 * std::pow(10.0, -decimals) + 1e-9,
                     qPrintable(what));
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
